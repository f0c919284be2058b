#include "soil/SoilSurvey.h"

#include "shared/DecimalDigits.h"
#include "shared/DisplayPattern.h"
#include "shared/TextForm.h"
#include "soil/SoilDesign.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace stakewell::soil {

namespace {

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool SameReading(const SoilReading& a, const SoilReading& b) {
    return Same(a.spacing, b.spacing) && Same(a.ohms, b.ohms) &&
           Same(a.potentialSpacing, b.potentialSpacing) &&
           a.probeDepth.has_value() == b.probeDepth.has_value() &&
           (!a.probeDepth || Same(*a.probeDepth, *b.probeDepth)) && a.traverse == b.traverse &&
           a.leftOut == b.leftOut;
}

} // namespace

bool SameSurvey(const SoilSurvey& a, const SoilSurvey& b) {
    return a.array == b.array && a.unit == b.unit && a.chosenLayers == b.chosenLayers &&
           std::equal(a.readings.begin(), a.readings.end(), b.readings.begin(), b.readings.end(),
                      SameReading);
}
namespace {

std::string OrNone(std::string text) {
    return text.empty() ? std::string("none") : std::move(text);
}

std::string Figure(double value, int decimals) {
    return OrNone(FigureText(value, decimals));
}

std::string Resistivity(double ohmMetres) {
    return Figure(ohmMetres, 1) + " ohm-metres";
}

std::string WithRange(std::string figure, const std::optional<TwoLayerSoil>& range,
                      double TwoLayerSoil::*member, int decimals, double scale) {
    if (range) {
        figure += " \xC2\xB1 " + Figure((*range).*member * scale, decimals);
    }
    return figure;
}

// "reading 3", "readings 2, 5 and 7".
std::string ReadingNumbers(const std::vector<std::size_t>& numbers) {
    std::string text = numbers.size() == 1 ? "reading " : "readings ";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            text += i + 1 == numbers.size() ? " and " : ", ";
        }
        text += std::to_string(numbers[i]);
    }
    return text;
}

std::optional<std::string> ProbeDepthCaution(const SoilSurvey& survey) {
    std::vector<std::size_t> deep;
    for (std::size_t i = 0; i < survey.readings.size(); ++i) {
        if (ProbeAsDeepAsSpacing(survey.array, survey.readings[i])) {
            deep.push_back(i + 1);
        }
    }
    if (deep.empty()) {
        return std::nullopt;
    }
    return "Caution: at " + ReadingNumbers(deep) +
           " the probe depth is as large as the spacing; the formula takes each probe as a "
           "point at its depth, which holds only for depths well below the spacing.";
}

} // namespace

SoilAnalysis AnalyseSoil(const SoilSurvey& survey) {
    SoilAnalysis analysis;
    SoilPoints points = ApparentPoints(survey.array, survey.unit, survey.readings);
    if (!points.problem.empty()) {
        analysis.problem = points.problem;
        return analysis;
    }
    analysis.points = std::move(points.points);
    std::vector<SoilPoint> fitted;
    fitted.reserve(analysis.points.size());
    for (std::size_t i = 0; i < analysis.points.size(); ++i) {
        if (!survey.readings[i].leftOut) {
            fitted.push_back(analysis.points[i]);
        }
    }
    const std::size_t leftOut = analysis.points.size() - fitted.size();
    SoilFitResult result = FitTwoLayers(survey.array, std::move(fitted));
    analysis.fit = std::move(result.fit);
    analysis.problem = std::move(result.problem);
    // The fit counts only the readings it takes, which the table does not
    // show apart from the others.
    if (!analysis.fit && leftOut > 0) {
        analysis.problem +=
            leftOut == 1 ? " 1 reading is left out of the fit."
                         : " " + std::to_string(leftOut) + " readings are left out of the fit.";
    }
    return analysis;
}

bool SeveralTraverses(const SoilSurvey& survey) {
    return std::any_of(survey.readings.begin(), survey.readings.end(),
                       [&survey](const SoilReading& reading) {
                           return reading.traverse != survey.readings.front().traverse;
                       });
}

std::string ReadingMarks(const SoilReading& reading, bool namesTraverse) {
    std::string marks;
    if (namesTraverse) {
        marks += reading.traverse.empty() ? ", unnamed traverse" : ", traverse " + reading.traverse;
    }
    if (reading.leftOut) {
        marks += ", left out";
    }
    return marks;
}

std::string GradeText(const SoilFit& fit) {
    if (fit.grade == FitGrade::NotAssessed) {
        return fit.points.size() == 3
                   ? "not assessed: three readings fit any two-layer model exactly"
                   : "not assessed: readings at three spacings fit any two-layer model exactly";
    }
    if (fit.grade == FitGrade::Poor && fit.onSearchEdge) {
        return "poor: the best fit lies at the edge of its search, where the readings do not fix "
               "the soil";
    }
    return GradeName(fit.grade);
}

const char* UnitWord(LengthUnit unit) {
    return unit == LengthUnit::Metres ? "metres" : "feet";
}

// Singular for the text "1" alone: a length shown as 1 may differ from 1 in
// digits no one reads.
std::string LengthText(double length, LengthUnit unit) {
    const std::string figure = shared::DoubleText(length);
    if (figure == "1") {
        return figure + (unit == LengthUnit::Metres ? " metre" : " foot");
    }
    return figure + " " + UnitWord(unit);
}

std::string FigureText(double value, int decimals) {
    if (!std::isfinite(value)) {
        return {};
    }
    const double lastPlace = std::pow(10.0, -decimals);
    if (value == 0.0 || std::fabs(value) >= lastPlace) {
        return shared::FormatPattern(value,
                                     "0." + std::string(static_cast<std::size_t>(decimals), '0'));
    }
    const shared::DecimalDigits leading = shared::SignificantDigits(std::fabs(value), 2);
    const int places = 2 - leading.pointPosition;
    // Plain decimals as far as the default text form writes them so; beyond
    // that, its exponent form.
    if (leading.pointPosition >= -4) {
        return shared::FormatPattern(value,
                                     "0." + std::string(static_cast<std::size_t>(places), '0'));
    }
    std::string text = value < 0.0 ? "-" : "";
    text += leading.digits[0];
    if (leading.digits.size() > 1 && leading.digits[1] != '0') {
        text += '.';
        text += leading.digits[1];
    }
    const std::string power = std::to_string(1 - leading.pointPosition);
    return text + "E-" + std::string(power.size() < 2 ? 1 : 0, '0') + power;
}

double DesignRod::Shown() const {
    return shownIn == LengthUnit::Metres ? Metres(feet, LengthUnit::Feet) : feet;
}

std::vector<std::string> SoilLines(const SoilSurvey& survey, const SoilAnalysis& analysis,
                                   std::optional<DesignRod> rod) {
    std::vector<std::string> lines;
    if (!analysis.problem.empty()) {
        lines.push_back("No soil model: " + analysis.problem);
    }
    const double perMetre = 1.0 / Metres(1.0, survey.unit);
    const std::string unit = UnitWord(survey.unit);
    if (analysis.fit) {
        const SoilFit& fit = *analysis.fit;
        const TwoLayerSoil& soil = fit.soil;
        lines.push_back("Upper layer resistivity: " +
                        WithRange(Resistivity(soil.upperOhmMetres), fit.plusMinus,
                                  &TwoLayerSoil::upperOhmMetres, 1, 1.0));
        lines.push_back("Lower layer resistivity: " +
                        WithRange(Resistivity(soil.lowerOhmMetres), fit.plusMinus,
                                  &TwoLayerSoil::lowerOhmMetres, 1, 1.0));
        lines.push_back("Upper layer thickness: " +
                        WithRange(Figure(soil.upperDepthMetres * perMetre, 2) + " " + unit,
                                  fit.plusMinus, &TwoLayerSoil::upperDepthMetres, 2, perMetre));
        lines.push_back("RMS misfit: " + OrNone(shared::FormatPattern(fit.rmsPercent, "0.00")) +
                        " %");
        lines.push_back("Fit: " + GradeText(fit));
    }
    if (!analysis.points.empty()) {
        lines.push_back("Mean apparent resistivity: " +
                        Resistivity(MeanResistivity(analysis.points)));
        lines.push_back("Mid-range apparent resistivity: " +
                        Resistivity(MidRangeResistivity(analysis.points)));
    }
    if (analysis.fit && rod) {
        const std::optional<double> seen = RodResistivity(analysis.fit->soil, rod->feet);
        lines.push_back("Resistivity for a rod of " + LengthText(rod->Shown(), rod->shownIn) +
                        ": " + (seen ? Resistivity(*seen) : std::string("none")));
    }
    if (analysis.fit && analysis.fit->threeLayersLikely) {
        lines.emplace_back("Note: three layers likely");
    }
    if (analysis.fit && !analysis.fit->plusMinus) {
        lines.push_back("Note: " + analysis.fit->noRangeReason);
    }
    if (!analysis.points.empty()) {
        if (std::optional<std::string> caution = ProbeDepthCaution(survey)) {
            lines.push_back(std::move(*caution));
        }
    }
    const bool namesTraverse = SeveralTraverses(survey);
    for (std::size_t i = 0; i < analysis.points.size(); ++i) {
        lines.push_back("Apparent resistivity at " +
                        LengthText(survey.readings[i].spacing, survey.unit) + ": " +
                        Resistivity(analysis.points[i].ohmMetres) +
                        ReadingMarks(survey.readings[i], namesTraverse));
    }
    return lines;
}

} // namespace stakewell::soil
