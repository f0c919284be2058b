#include "analysis/AnalysisText.h"

#include "shared/DisplayPattern.h"
#include "shared/TextForm.h"

namespace stakewell::analysis {
namespace {

class Formatter {
public:
    explicit Formatter(Digits digits) : digits(digits) {}

    std::string Number(double value, std::string_view pattern) const {
        return digits == Digits::Full ? shared::DoubleText(value)
                                      : shared::FormatPattern(value, pattern);
    }
    std::string Ohms(double value) const { return Number(value, "#0.000") + " Ohms"; }
    std::string Feet(double value) const { return Number(value, "#0.0##") + " feet"; }
    std::string Percent(double value) const {
        return (value > 0.0 ? "+" : "") + Number(value, "#0.00") + "%";
    }
    std::string Ratio(double value) const { return Number(value, "0.0000"); }

    std::string Reading(const Station& station) const {
        std::string text = Feet(station.Feet) + " " + Ohms(station.Ohms);
        if (station.Count > 1) {
            text += " [the mean of " + std::to_string(station.Count) + " readings]";
        }
        return text;
    }

    std::string Curve(const CurveValue& value) const {
        if (!value.Ohms) {
            return None(value.Why, value.Fraction);
        }
        std::string text = Ohms(*value.Ohms);
        if (value.Used.size() == 1) {
            text += " (read at " + Reading(value.Used[0]) + ")";
        } else {
            text += " (between " + Reading(value.Used[0]) + " and " + Reading(value.Used[1]) + ")";
        }
        return text;
    }

    static std::string None(Reason why, double fraction) {
        return "none (" + ReasonText(why, fraction) + ")";
    }

private:
    Digits digits;
};

std::string PercentOfE2(double fraction) {
    return shared::DoubleText(fraction * 100.0) + "%";
}

} // namespace

std::string LeftOutText(const Result& result) {
    if (result.LeftOut == 0) {
        return "none";
    }
    return std::to_string(result.LeftOut) + (result.LeftOut == 1 ? " reading" : " readings") +
           " at or beyond E2, which no test against it can have taken";
}

std::string VerdictText(const Flatness& flat) {
    switch (flat.Result) {
    case Verdict::Stands:
        return "flat within the tolerance: the 62% value stands";
    case Verdict::NoPlateau:
        return "no plateau: move the current electrode farther away";
    case Verdict::NotAssessed:
        break;
    }
    return "not assessed (" + ReasonText(flat.Why, flat.WhyAt) + ")";
}

std::vector<Line> AnalysisLines(const Result& result, Digits digits) {
    const Formatter f(digits);
    const Flatness& flat = result.Flat;
    const SlopeMethod& slope = result.Slope;
    const auto optional = [&](const std::optional<double>& value, Reason why, double whyAt,
                              auto format) {
        return value ? format(*value) : Formatter::None(why, whyAt);
    };
    const auto deviation = [&](const Deviation& value) {
        return optional(value.Percent, value.Why, value.WhyAt,
                        [&](double v) { return f.Percent(v); });
    };
    const auto slopeValue = [&](const std::optional<double>& value, auto format) {
        return optional(value, slope.Why, slope.WhyAt, format);
    };
    const auto ratio = [&](double v) { return f.Ratio(v); };

    return {
        {"E2 distance", f.Feet(result.E2Distance)},
        {"Readings", std::to_string(result.ReadingCount)},
        {"Left out", LeftOutText(result)},
        {"R at 62%", f.Curve(result.At62)},
        {"R at 52%", f.Curve(flat.At52)},
        {"R at 72%", f.Curve(flat.At72)},
        {"Deviation at 52%", deviation(flat.Deviation52)},
        {"Deviation at 72%", deviation(flat.Deviation72)},
        {"Tolerance", f.Number(flat.TolerancePercent, "#0.0#") + "%"},
        {"Verdict", VerdictText(flat)},
        {"R1 at " + PercentOfE2(slope.R1.Fraction), f.Curve(slope.R1)},
        {"R2 at " + PercentOfE2(slope.R2.Fraction), f.Curve(slope.R2)},
        {"R3 at " + PercentOfE2(slope.R3.Fraction), f.Curve(slope.R3)},
        {"\u03bc", slopeValue(slope.Mu, ratio)},
        {"\u03be", slopeValue(slope.Xi, ratio)},
        {"P_T/C", slopeValue(slope.TrueDistanceRatio, ratio)},
        {"P_T", slopeValue(slope.TrueDistance, [&](double v) { return f.Feet(v); })},
        {"R true", slopeValue(slope.TrueOhms, [&](double v) { return f.Ohms(v); })},
    };
}

std::string CurveValueTip(const CurveValue& value) {
    const Formatter f(Digits::Rounded);
    return PercentOfE2(value.Fraction) + " of E2, " + f.Feet(value.Feet) + ": " + f.Curve(value);
}

std::string TrueValueTip(const SlopeMethod& slope) {
    if (!slope.TrueOhms) {
        return "Slope method: " + Formatter::None(slope.Why, slope.WhyAt);
    }
    const Formatter f(Digits::Rounded);
    return "Slope method: R true " + f.Ohms(*slope.TrueOhms) + " at P_T " +
           f.Feet(*slope.TrueDistance) + " (P_T/C " + f.Ratio(*slope.TrueDistanceRatio) +
           ", \u03bc " + f.Ratio(*slope.Mu) + ")";
}

std::string AnalysisListing(const Result& result, Digits digits) {
    std::string text;
    for (const Line& line : AnalysisLines(result, digits)) {
        text += line.Label + ": " + line.Value + "\n";
    }
    return text;
}

std::string AnalysisSummary(const Result& result) {
    const Formatter f(Digits::Rounded);
    std::string text = "R62 ";
    text += result.At62.Ohms ? f.Ohms(*result.At62.Ohms) : "none";
    switch (result.Flat.Result) {
    case Verdict::Stands:
        text += ", flat";
        break;
    case Verdict::NoPlateau:
        text += ", no plateau";
        break;
    case Verdict::NotAssessed:
        break;
    }
    if (result.Slope.TrueOhms) {
        text += "; slope " + f.Ohms(*result.Slope.TrueOhms) + " at " +
                f.Number(*result.Slope.TrueDistanceRatio * 100.0, "#0.0") + "%";
    }
    // First, so that a narrow panel still shows it.
    if (result.LeftOut > 0) {
        text = std::to_string(result.LeftOut) + " at or beyond E2 left out; " + text;
    }
    return text;
}

} // namespace stakewell::analysis
