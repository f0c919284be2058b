#include "fop/AnalysisText.h"

#include "shared/DisplayPattern.h"
#include "shared/TextForm.h"
#include "shared/Units.h"

#include <algorithm>
#include <iterator>

namespace stakewell::fop {
namespace {

// Every number as the window shows it, so that the window, the printed and
// the text reports and the command line give the same figures.
std::string Number(double value, std::string_view pattern) {
    return shared::FormatPattern(value, pattern);
}

std::string Ohms(double value) {
    return Number(value, "#0.000") + " Ohms";
}

std::string Length(double value, shared::UnitSystem units) {
    return Number(value, "#0.0##") + " " + shared::LengthWord(units);
}

std::string Percent(double value) {
    return (value > 0.0 ? "+" : "") + Number(value, "#0.00") + "%";
}

std::string Ratio(double value) {
    return Number(value, "0.0000");
}

std::string Reading(const Station& station, shared::UnitSystem units) {
    std::string text = Length(station.Distance, units) + " " + Ohms(station.Ohms);
    if (station.Count > 1) {
        text += " [the mean of " + std::to_string(station.Count) + " readings]";
    }
    return text;
}

std::string None(Reason why, double fraction) {
    return "none (" + ReasonText(why, fraction) + ")";
}

std::string Curve(const CurveValue& value, shared::UnitSystem units) {
    if (!value.Ohms) {
        return None(value.Why, value.Fraction);
    }
    std::string text = Ohms(*value.Ohms);
    if (value.Used.size() == 1) {
        text += " (read at " + Reading(value.Used[0], units) + ")";
    } else {
        text += " (between " + Reading(value.Used[0], units) + " and " +
                Reading(value.Used[1], units) + ")";
    }
    return text;
}

// Why the slope method gives no true resistance, with the distance of
// the reading it needs where that is why.
std::string SlopeWhy(const SlopeMethod& slope, shared::UnitSystem units) {
    std::string why = ReasonText(slope.Why, slope.WhyAt);
    if (slope.Why == Reason::NoReadingAroundTrueDistance && slope.TrueDistance) {
        why += " = " + Length(*slope.TrueDistance, units);
    }
    return why;
}

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

std::vector<Line> AnalysisLines(const Result& result) {
    const shared::UnitSystem units = result.Units;
    const auto length = [units](double value) { return Length(value, units); };
    const auto curve = [units](const CurveValue& value) { return Curve(value, units); };
    const Flatness& flat = result.Flat;
    const SlopeMethod& slope = result.Slope;
    const auto optional = [&](const std::optional<double>& value, Reason why, double whyAt,
                              auto format) { return value ? format(*value) : None(why, whyAt); };
    const auto deviation = [&](const Deviation& value) {
        return optional(value.Percent, value.Why, value.WhyAt, Percent);
    };
    const auto slopeValue = [&](const std::optional<double>& value, auto format) {
        return optional(value, slope.Why, slope.WhyAt, format);
    };
    const std::string noTrueValue = "none (" + SlopeWhy(slope, units) + ")";

    std::vector<Line> lines{
        {"E2 distance", length(result.E2Distance)},
        {"Readings", std::to_string(result.ReadingCount)},
        {"Left out", LeftOutText(result)},
        {"R at 62%", curve(result.At62)},
        {"R at 52%", curve(flat.At52)},
        {"R at 72%", curve(flat.At72)},
        {"Deviation at 52%", deviation(flat.Deviation52)},
        {"Deviation at 72%", deviation(flat.Deviation72)},
        {"Tolerance", Number(flat.TolerancePercent, "#0.0#") + "%"},
        {"Verdict", VerdictText(flat)},
        {"R1 at " + PercentOfE2(slope.R1.Fraction), curve(slope.R1)},
        {"R2 at " + PercentOfE2(slope.R2.Fraction), curve(slope.R2)},
        {"R3 at " + PercentOfE2(slope.R3.Fraction), curve(slope.R3)},
        {"\u03bc", slopeValue(slope.Mu, Ratio)},
        {"\u03be", slopeValue(slope.Xi, Ratio)},
        {"P_T/C", slopeValue(slope.TrueDistanceRatio, Ratio)},
        {"P_T", slopeValue(slope.TrueDistance, length)},
        {"R true", slope.AtTrueDistance.Ohms ? curve(slope.AtTrueDistance) : noTrueValue},
        {"R true by the model", slope.ModelOhms ? Ohms(*slope.ModelOhms) : noTrueValue},
    };
    if (result.InSoil) {
        // Beside the 62% value, which it corrects.
        const std::vector<Line> inSoil = TruePositionLines(*result.InSoil, units);
        const auto at62 = std::find_if(lines.begin(), lines.end(),
                                       [](const Line& line) { return line.Label == "R at 62%"; });
        lines.insert(std::next(at62), inSoil.begin(), inSoil.end());
    }
    return lines;
}

std::vector<Line> TruePositionLines(const TruePosition& position, shared::UnitSystem units) {
    const std::string where = position.Fraction
                                  ? Number(*position.Fraction * 100.0, "#0.0") + " % of E2"
                                  : None(position.Why, 0.0);
    return {
        {"True-resistance position", where},
        {"R at the true-resistance position", Curve(position.At, units)},
    };
}

std::string CurveValueTip(const CurveValue& value, shared::UnitSystem units) {
    return PercentOfE2(value.Fraction) + " of E2, " + Length(value.Distance, units) + ": " +
           Curve(value, units);
}

std::string TrueValueTip(const SlopeMethod& slope, shared::UnitSystem units) {
    if (!slope.AtTrueDistance.Ohms || !slope.ModelOhms) {
        return "Slope method: none (" + SlopeWhy(slope, units) + ")";
    }
    return "Slope method: R true " + Ohms(*slope.AtTrueDistance.Ohms) + " at P_T " +
           Length(*slope.TrueDistance, units) + " (P_T/C " + Ratio(*slope.TrueDistanceRatio) +
           ", \u03bc " + Ratio(*slope.Mu) + "; by the model " + Ohms(*slope.ModelOhms) + ")";
}

std::string AnalysisListing(const Result& result) {
    std::string text;
    for (const Line& line : AnalysisLines(result)) {
        text += line.Label + ": " + line.Value + "\n";
    }
    return text;
}

std::string AnalysisSummary(const Result& result) {
    std::string text = "R62 ";
    text += result.At62.Ohms ? Ohms(*result.At62.Ohms) : "none";
    // A curve that gives nothing at all says why in the one line most seen.
    if (const Reason why = result.At62.Why;
        why == Reason::NegativeReading || why == Reason::FallingCurve) {
        text += " (" + ReasonText(why) + ")";
    }
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
    const SlopeMethod& slope = result.Slope;
    if (slope.AtTrueDistance.Ohms) {
        text += "; slope " + Ohms(*slope.AtTrueDistance.Ohms) + " at " +
                Number(*slope.TrueDistanceRatio * 100.0, "#0.0") + "%";
    } else if (slope.Why == Reason::NoReadingAroundTrueDistance) {
        text += "; slope: " + SlopeWhy(slope, result.Units);
    }
    // First, so that a narrow panel still shows it.
    if (result.LeftOut > 0) {
        text = std::to_string(result.LeftOut) + " at or beyond E2 left out; " + text;
    }
    return text;
}

} // namespace stakewell::fop
