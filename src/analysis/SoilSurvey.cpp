#include "analysis/SoilSurvey.h"

#include "analysis/SoilDesign.h"
#include "shared/DisplayPattern.h"
#include "shared/TextForm.h"

namespace stakewell::analysis {
namespace {

std::string Figure(double value, const char* pattern) {
    const std::string text = shared::FormatPattern(value, pattern);
    return text.empty() ? std::string("none") : text;
}

std::string Resistivity(double ohmMetres) {
    return Figure(ohmMetres, "0.0") + " ohm-metres";
}

std::string WithRange(std::string figure, const std::optional<TwoLayerSoil>& range,
                      double TwoLayerSoil::*member, const char* pattern, double scale) {
    if (range) {
        figure += " \xC2\xB1 " + Figure((*range).*member * scale, pattern);
    }
    return figure;
}

} // namespace

SoilAnalysis AnalyseSoil(const SoilSurvey& survey) {
    SoilAnalysis analysis;
    SoilPoints points = ApparentPoints(survey.array, survey.unit, survey.readings);
    if (!points.problem.empty()) {
        analysis.problem = points.problem;
        return analysis;
    }
    analysis.points = points.points;
    SoilFitResult fitted = FitTwoLayers(survey.array, std::move(points.points));
    analysis.fit = std::move(fitted.fit);
    analysis.problem = std::move(fitted.problem);
    return analysis;
}

const char* GradeWord(FitGrade grade) {
    switch (grade) {
    case FitGrade::Good:
        return "good";
    case FitGrade::Usable:
        return "usable";
    case FitGrade::Poor:
        break;
    }
    return "poor";
}

const char* UnitWord(LengthUnit unit) {
    return unit == LengthUnit::Metres ? "metres" : "feet";
}

std::vector<std::string> SoilLines(const SoilSurvey& survey, const SoilAnalysis& analysis,
                                   std::optional<double> rodFeet) {
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
                                  &TwoLayerSoil::upperOhmMetres, "0.0", 1.0));
        lines.push_back("Lower layer resistivity: " +
                        WithRange(Resistivity(soil.lowerOhmMetres), fit.plusMinus,
                                  &TwoLayerSoil::lowerOhmMetres, "0.0", 1.0));
        lines.push_back("Upper layer thickness: " +
                        WithRange(Figure(soil.upperDepthMetres * perMetre, "0.00") + " " + unit,
                                  fit.plusMinus, &TwoLayerSoil::upperDepthMetres, "0.00",
                                  perMetre));
        lines.push_back("RMS misfit: " + Figure(fit.rmsPercent, "0.00") + " %");
        lines.push_back(std::string("Fit: ") + GradeWord(fit.grade));
    }
    if (!analysis.points.empty()) {
        lines.push_back("Mean apparent resistivity: " +
                        Resistivity(MeanResistivity(analysis.points)));
        lines.push_back("Mid-range apparent resistivity: " +
                        Resistivity(MidRangeResistivity(analysis.points)));
    }
    if (analysis.fit && rodFeet) {
        const std::optional<double> rod = RodResistivity(analysis.fit->soil, *rodFeet);
        lines.push_back("Resistivity for a rod of " + shared::DoubleText(*rodFeet) +
                        " feet: " + (rod ? Resistivity(*rod) : std::string("none")));
    }
    if (analysis.fit && analysis.fit->threeLayersLikely) {
        lines.emplace_back("Note: three layers likely");
    }
    if (analysis.fit && !analysis.fit->plusMinus) {
        lines.push_back("Note: " + analysis.fit->noRangeReason);
    }
    for (std::size_t i = 0; i < analysis.points.size(); ++i) {
        lines.push_back("Apparent resistivity at " +
                        shared::DoubleText(survey.readings[i].spacing) + " " + unit + ": " +
                        Resistivity(analysis.points[i].ohmMetres));
    }
    return lines;
}

} // namespace stakewell::analysis
