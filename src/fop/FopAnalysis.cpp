#include "fop/FopAnalysis.h"

#include "fop/SlopeModel.h"
#include "fop/TwoLayerProbe.h"
#include "shared/DisplayPattern.h"
#include "shared/TextForm.h"
#include "shared/Units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <numeric>
#include <span>

namespace stakewell::fop {
namespace {

using fop::FOPPoint;

constexpr double SixtyTwo = 0.62;
constexpr double FiftyTwo = 0.52;
constexpr double SeventyTwo = 0.72;
constexpr std::array<double, 3> SlopeFractions{0.2, 0.4, 0.6};

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

using Span = std::span<const Station>;

// The stations below E2, the distance their fractions are of, and why no
// value may be read off them at all.
struct Curve {
    Span Stations;
    double E2 = 0.0;
    Reason Refused = Reason::None;
};

// Resistance rises from E1 towards E2 in any sound test: a curve that holds
// a negative reading, or ends lower than it starts, was mis-wired or
// mis-typed, and any value read off it would look right and be wrong.
Reason RefusalOf(const Span& stations) {
    if (std::any_of(stations.begin(), stations.end(), [](const Station& station) {
            return station.HoldsNegative || station.Ohms < 0.0;
        })) {
        return Reason::NegativeReading;
    }
    if (stations.size() >= 2 && stations.back().Ohms < stations.front().Ohms) {
        return Reason::FallingCurve;
    }
    return Reason::None;
}

// The stations below E2, and whether a value may be read off them at all.
Curve CurveBelow(const Stations& stations, double e2Distance) {
    const auto beyond =
        std::lower_bound(stations.begin(), stations.end(), e2Distance,
                         [](const Station& station, double e2) { return station.Distance < e2; });
    const Span within(stations.begin(), beyond);
    return {within, e2Distance, RefusalOf(within)};
}

// The resistance at fraction * E2.
CurveValue ValueAt(const Curve& curve, double fraction) {
    const Span& stations = curve.Stations;
    const double e2 = curve.E2;
    CurveValue value;
    value.Fraction = fraction;
    value.Distance = fraction * e2;
    if (!(e2 > 0.0) || !std::isfinite(e2)) {
        value.Why = Reason::NoE2Distance;
        return value;
    }
    if (stations.size() < 2) {
        value.Why = Reason::TooFewPoints;
        return value;
    }
    if (curve.Refused != Reason::None) {
        value.Why = curve.Refused;
        return value;
    }
    const double x = value.Distance;
    // The last station at or before x and the first one beyond it.
    const auto beyond =
        std::upper_bound(stations.begin(), stations.end(), x,
                         [](double feet, const Station& s) { return feet < s.Distance; });
    if (beyond == stations.begin()) {
        value.Why = Reason::NoReadingBefore;
        return value;
    }
    const Station& before = *std::prev(beyond);
    if (before.Distance == x) {
        value.Used = {before};
        value.Ohms = Finite(before.Ohms);
    } else if (beyond == stations.end()) {
        value.Why = Reason::NoReadingBeyond;
        return value;
    } else {
        const Station& after = *beyond;
        value.Used = {before, after};
        value.Ohms =
            Finite(before.Ohms + (after.Ohms - before.Ohms) *
                                     ((x - before.Distance) / (after.Distance - before.Distance)));
    }
    if (!value.Ohms) {
        value.Used.clear();
        value.Why = Reason::NotFinite;
    }
    return value;
}

// Each deviation needs only its own value and the one at 62%.
Deviation DeviationFrom(const CurveValue& at62, const CurveValue& value) {
    Deviation deviation;
    if (AnyMissing({&at62, &value}, deviation)) {
        return deviation;
    }
    if (*at62.Ohms == 0.0) {
        deviation.Why = Reason::ZeroAtSixtyTwo;
        return deviation;
    }
    deviation.Percent = Finite((*value.Ohms - *at62.Ohms) / *at62.Ohms * 100.0);
    if (!deviation.Percent) {
        deviation.Why = Reason::NotFinite;
    }
    return deviation;
}

Flatness CheckFlatness(const Curve& curve, const CurveValue& at62, double tolerancePercent) {
    Flatness flat;
    flat.TolerancePercent = tolerancePercent;
    flat.At52 = ValueAt(curve, FiftyTwo);
    flat.At72 = ValueAt(curve, SeventyTwo);
    flat.Deviation52 = DeviationFrom(at62, flat.At52);
    flat.Deviation72 = DeviationFrom(at62, flat.At72);
    for (const Deviation* deviation : {&flat.Deviation52, &flat.Deviation72}) {
        if (!deviation->Percent) {
            flat.Why = deviation->Why;
            flat.WhyAt = deviation->WhyAt;
            return flat;
        }
    }
    const bool within = std::abs(*flat.Deviation52.Percent) <= tolerancePercent &&
                        std::abs(*flat.Deviation72.Percent) <= tolerancePercent;
    flat.Result = within ? Verdict::Stands : Verdict::NoPlateau;
    return flat;
}

SlopeMethod ApplySlopeMethod(const Curve& curve) {
    SlopeMethod slope;
    slope.R1 = ValueAt(curve, SlopeFractions[0]);
    slope.R2 = ValueAt(curve, SlopeFractions[1]);
    slope.R3 = ValueAt(curve, SlopeFractions[2]);
    if (AnyMissing({&slope.R1, &slope.R2, &slope.R3}, slope)) {
        return slope;
    }
    const double r1 = *slope.R1.Ohms;
    const double r2 = *slope.R2.Ohms;
    const double r3 = *slope.R3.Ohms;
    if (r2 == r1) {
        slope.Why = Reason::MuUndefined;
        return slope;
    }
    // Only a ratio too large for a double is left here: R2 differs from R1.
    slope.Mu = Finite((r3 - r2) / (r2 - r1));
    if (!slope.Mu) {
        slope.Why = Reason::NotFinite;
        return slope;
    }
    slope.Xi = XiOfMu(*slope.Mu);
    if (!slope.Xi) {
        slope.Why = Reason::MuOutOfRange;
        return slope;
    }
    const double xi = *slope.Xi;
    const double g1 = G(SlopeFractions[0], xi);
    const double g2 = G(SlopeFractions[1], xi);
    const std::optional<double> k = Finite((r1 - r2) / (g2 - g1));
    const std::optional<double> modelOhms = k ? Finite(r1 + *k * g1) : std::nullopt;
    if (!modelOhms) {
        slope.Why = Reason::NotFinite;
        return slope;
    }
    slope.K = k;
    const double ratio = TrueDistanceRatio(xi);
    slope.TrueDistanceRatio = ratio;
    slope.TrueDistance = ratio * curve.E2;
    slope.AtTrueDistance = ValueAt(curve, ratio);
    if (const Reason why = slope.AtTrueDistance.Why; why != Reason::None) {
        // The model may place P_T where no reading stands; only a reading
        // there can tell what the curve does.
        const bool outside = why == Reason::NoReadingBefore || why == Reason::NoReadingBeyond;
        slope.Why = outside ? Reason::NoReadingAroundTrueDistance : why;
        slope.WhyAt = ratio;
        slope.AtTrueDistance.Why = slope.Why;
        return slope;
    }
    slope.ModelOhms = modelOhms;
    return slope;
}

// Where the position lies, or why it lies nowhere; the curve is not read.
TruePosition Locate(double e2Distance, shared::UnitSystem units, const soil::TwoLayerSoil& soil) {
    TruePosition position;
    if (!(e2Distance > 0.0) || !std::isfinite(e2Distance)) {
        position.Why = Reason::NoE2Distance;
    } else {
        const double e2Metres = shared::Converted(e2Distance, shared::Measure::Length, units,
                                                  shared::UnitSystem::Metric);
        position.Fraction = TrueResistanceFraction(soil, e2Metres);
        if (!position.Fraction) {
            position.Why = Reason::NoSoilPosition;
        }
    }
    return position;
}

TruePosition ReadOff(const Curve& curve, TruePosition position) {
    if (!position.Fraction) {
        position.At.Why = position.Why;
        return position;
    }
    position.At = ValueAt(curve, *position.Fraction);
    if (const Reason why = position.At.Why;
        why == Reason::NoReadingBefore || why == Reason::NoReadingBeyond) {
        // Beyond the readings the curve may do anything; only a reading
        // there can tell what it reads.
        position.At.Why = Reason::OutsideReadings;
    }
    return position;
}

} // namespace

Stations StationsOf(const fop::FallOfPotential& fop) {
    const auto& points = fop.FOPPoints();
    std::vector<FOPPoint> readings(std::next(points.begin()), points.end());
    std::stable_sort(readings.begin(), readings.end(),
                     [](const FOPPoint& a, const FOPPoint& b) { return a.Distance < b.Distance; });
    Stations stations;
    for (const FOPPoint& reading : readings) {
        if (stations.empty() || stations.back().Distance != reading.Distance) {
            stations.push_back({reading.Distance, reading.Ohms, 1, reading.Ohms < 0.0});
        } else {
            // A running mean: a sum of huge readings would overflow first.
            Station& station = stations.back();
            ++station.Count;
            station.Ohms += (reading.Ohms - station.Ohms) / station.Count;
            station.HoldsNegative = station.HoldsNegative || reading.Ohms < 0.0;
        }
    }
    return stations;
}

Result Analyse(const Stations& stations, double e2Distance, double tolerancePercent) {
    const Curve curve = CurveBelow(stations, e2Distance);
    const auto beyond = stations.begin() + static_cast<std::ptrdiff_t>(curve.Stations.size());
    const auto readings = [](auto from, auto to) {
        return std::accumulate(from, to, 0,
                               [](int sum, const Station& s) { return sum + s.Count; });
    };
    Result result;
    result.E2Distance = e2Distance;
    result.ReadingCount = readings(stations.begin(), beyond);
    result.LeftOut = readings(beyond, stations.end());
    result.At62 = ValueAt(curve, SixtyTwo);
    result.Flat = CheckFlatness(curve, result.At62, tolerancePercent);
    result.Slope = ApplySlopeMethod(curve);
    return result;
}

Result Analyse(const fop::FallOfPotential& fop, double e2Distance, double tolerancePercent) {
    Result result = Analyse(StationsOf(fop), e2Distance, tolerancePercent);
    result.Units = fop.Units;
    return result;
}

TruePosition ReadTruePosition(const Stations& stations, double e2Distance, shared::UnitSystem units,
                              const soil::TwoLayerSoil& soil) {
    return ReadOff(CurveBelow(stations, e2Distance), Locate(e2Distance, units, soil));
}

Result AnalyseInSoil(const fop::FallOfPotential& fop, double e2Distance,
                     const soil::TwoLayerSoil& soil, double tolerancePercent) {
    const Stations stations = StationsOf(fop);
    Result result = Analyse(stations, e2Distance, tolerancePercent);
    result.Units = fop.Units;
    result.InSoil = ReadTruePosition(stations, e2Distance, fop.Units, soil);
    return result;
}

Result AnalysisCache::Analyse(const fop::FallOfPotential& fop, double e2Distance,
                              double tolerancePercent,
                              const std::optional<soil::TwoLayerSoil>& soil) {
    if (!filled || fop.FOPPoints() != points) {
        points = fop.FOPPoints();
        stations = StationsOf(fop);
        filled = true;
    }
    Result result = fop::Analyse(stations, e2Distance, tolerancePercent);
    result.Units = fop.Units;
    if (soil) {
        if (!located || located->Soil != *soil || located->E2 != e2Distance ||
            located->Units != fop.Units) {
            located = Located{*soil, e2Distance, fop.Units, Locate(e2Distance, fop.Units, *soil)};
        }
        result.InSoil = ReadOff(CurveBelow(stations, e2Distance), located->Position);
    }
    return result;
}

std::string ReasonText(Reason why, double fraction) {
    const std::string percent = shared::DoubleText(fraction * 100.0) + "% of E2";
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
    case Reason::NegativeReading:
        return "a reading is below 0 Ohms, which no sound test gives";
    case Reason::FallingCurve:
        return "the curve falls: its reading nearest E2 is below its reading nearest E1";
    case Reason::ZeroAtSixtyTwo:
        return "the value at 62% of E2 is 0";
    case Reason::MuUndefined:
        return "R1 equals R2, so \u03bc is undefined";
    case Reason::MuOutOfRange:
        return "\u03bc has no solution outside 0 to " +
               shared::FormatPattern(LargestMu(), "0.0000");
    case Reason::NoReadingAroundTrueDistance:
        return "take a reading at P_T";
    case Reason::NoSoilPosition:
        return "the soil model gives none: both resistivities and the depth must be above 0, "
               "their contrast below 70000 to 1";
    case Reason::OutsideReadings:
        return "the true-resistance position lies outside the readings";
    }
    return {};
}

} // namespace stakewell::fop
