#include "analysis/FopAnalysis.h"

#include "analysis/SlopeModel.h"
#include "shared/DisplayPattern.h"
#include "shared/TextForm.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace FopAnalysis {
namespace {

using modStakewell::FOPPoint;

constexpr double SixtyTwo = 0.62;
constexpr double FiftyTwo = 0.52;
constexpr double SeventyTwo = 0.72;
constexpr std::array<double, 3> SlopeFractions{0.2, 0.4, 0.6};

std::vector<FOPPoint> SortedReadings(const modStakewell::FallOfPotential& fop) {
    const auto& points = fop.FOPPoints();
    std::vector<FOPPoint> readings(std::next(points.begin()), points.end());
    std::stable_sort(readings.begin(), readings.end(),
                     [](const FOPPoint& a, const FOPPoint& b) { return a.Feet < b.Feet; });
    return readings;
}

std::optional<double> Finite(double value) {
    if (std::isfinite(value)) {
        return value;
    }
    return std::nullopt;
}

// A value of the analysis is given only when every value it is made from is;
// the first one missing says why.
template <typename Outcome>
bool AnyMissing(std::initializer_list<const CurveValue*> values, Outcome& outcome) {
    for (const CurveValue* value : values) {
        if (!value->Ohms) {
            outcome.Why = value->Why;
            outcome.WhyAt = value->Fraction;
            return true;
        }
    }
    return false;
}

Flatness CheckFlatness(const std::vector<FOPPoint>& readings, double e2, const CurveValue& at62,
                       double tolerancePercent) {
    Flatness flat;
    flat.TolerancePercent = tolerancePercent;
    flat.At52 = ValueAt(readings, e2, FiftyTwo);
    flat.At72 = ValueAt(readings, e2, SeventyTwo);
    if (AnyMissing({&at62, &flat.At52, &flat.At72}, flat)) {
        return flat;
    }
    if (*at62.Ohms == 0.0) {
        flat.Why = Reason::ZeroAtSixtyTwo;
        return flat;
    }
    const auto deviation = [&](const CurveValue& value) {
        return Finite((*value.Ohms - *at62.Ohms) / *at62.Ohms * 100.0);
    };
    flat.Deviation52 = deviation(flat.At52);
    flat.Deviation72 = deviation(flat.At72);
    if (!flat.Deviation52 || !flat.Deviation72) {
        flat.Deviation52.reset();
        flat.Deviation72.reset();
        flat.Why = Reason::NotFinite;
        return flat;
    }
    const bool within = std::abs(*flat.Deviation52) <= tolerancePercent &&
                        std::abs(*flat.Deviation72) <= tolerancePercent;
    flat.Result = within ? Verdict::Stands : Verdict::NoPlateau;
    return flat;
}

SlopeMethod ApplySlopeMethod(const std::vector<FOPPoint>& readings, double e2) {
    SlopeMethod slope;
    slope.R1 = ValueAt(readings, e2, SlopeFractions[0]);
    slope.R2 = ValueAt(readings, e2, SlopeFractions[1]);
    slope.R3 = ValueAt(readings, e2, SlopeFractions[2]);
    if (AnyMissing({&slope.R1, &slope.R2, &slope.R3}, slope)) {
        return slope;
    }
    const double r1 = *slope.R1.Ohms;
    const double r2 = *slope.R2.Ohms;
    const double r3 = *slope.R3.Ohms;
    slope.Mu = Finite((r3 - r2) / (r2 - r1));
    if (!slope.Mu) {
        slope.Why = Reason::MuUndefined;
        return slope;
    }
    slope.Xi = SlopeModel::XiOfMu(*slope.Mu);
    if (!slope.Xi) {
        slope.Why = Reason::MuOutOfRange;
        return slope;
    }
    const double xi = *slope.Xi;
    const double g1 = SlopeModel::G(SlopeFractions[0], xi);
    const double g2 = SlopeModel::G(SlopeFractions[1], xi);
    const std::optional<double> k = Finite((r1 - r2) / (g2 - g1));
    const std::optional<double> trueOhms = k ? Finite(r1 + *k * g1) : std::nullopt;
    if (!trueOhms) {
        slope.Why = Reason::NotFinite;
        return slope;
    }
    slope.K = k;
    slope.TrueOhms = trueOhms;
    slope.TrueDistanceRatio = SlopeModel::TrueDistanceRatio(xi);
    slope.TrueDistance = *slope.TrueDistanceRatio * e2;
    return slope;
}

} // namespace

CurveValue ValueAt(const std::vector<FOPPoint>& sortedReadings, double e2Distance,
                   double fraction) {
    CurveValue value;
    value.Fraction = fraction;
    value.Feet = fraction * e2Distance;
    if (!(e2Distance > 0.0) || !std::isfinite(e2Distance)) {
        value.Why = Reason::NoE2Distance;
        return value;
    }
    if (sortedReadings.size() < 2) {
        value.Why = Reason::TooFewPoints;
        return value;
    }
    const double x = value.Feet;
    // The last reading at or before x and the first one beyond it.
    const auto beyond =
        std::upper_bound(sortedReadings.begin(), sortedReadings.end(), x,
                         [](double feet, const FOPPoint& p) { return feet < p.Feet; });
    if (beyond == sortedReadings.begin()) {
        value.Why = Reason::NoReadingBefore;
        return value;
    }
    const FOPPoint& before = *std::prev(beyond);
    if (before.Feet == x) {
        value.Used = {before};
        value.Ohms = Finite(before.Ohms);
    } else if (beyond == sortedReadings.end()) {
        value.Why = Reason::NoReadingBeyond;
        return value;
    } else {
        const FOPPoint& after = *beyond;
        value.Used = {before, after};
        value.Ohms = Finite(before.Ohms + (after.Ohms - before.Ohms) *
                                              ((x - before.Feet) / (after.Feet - before.Feet)));
    }
    if (!value.Ohms) {
        value.Used.clear();
        value.Why = Reason::NotFinite;
    }
    return value;
}

Result Analyse(const modStakewell::FallOfPotential& fop, double e2Distance,
               double tolerancePercent) {
    const std::vector<FOPPoint> readings = SortedReadings(fop);
    Result result;
    result.E2Distance = e2Distance;
    result.ReadingCount = static_cast<int>(readings.size());
    result.At62 = ValueAt(readings, e2Distance, SixtyTwo);
    result.Flat = CheckFlatness(readings, e2Distance, result.At62, tolerancePercent);
    result.Slope = ApplySlopeMethod(readings, e2Distance);
    return result;
}

std::string ReasonText(Reason why, double fraction) {
    const std::string percent = modStakewell::DoubleText(fraction * 100.0) + "% of E2";
    switch (why) {
    case Reason::None:
        return {};
    case Reason::NoE2Distance:
        return "no E2 distance above 0";
    case Reason::TooFewPoints:
        return "fewer than two readings";
    case Reason::NoReadingBefore:
        return "no reading at or before " + percent;
    case Reason::NoReadingBeyond:
        return "no reading beyond " + percent;
    case Reason::NotFinite:
        return "the readings are too large to work with";
    case Reason::ZeroAtSixtyTwo:
        return "the value at 62% of E2 is 0";
    case Reason::MuUndefined:
        return "R1 equals R2, so \u03bc is undefined";
    case Reason::MuOutOfRange:
        return "\u03bc has no solution outside 0 to " +
               modStakewell::FormatPattern(SlopeModel::LargestMu(), "0.0000");
    }
    return {};
}

} // namespace FopAnalysis
