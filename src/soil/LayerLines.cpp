#include "shared/DisplayPattern.h"
#include "soil/SurveyLayers.h"

#include <cmath>
#include <string>
#include <utility>

namespace stakewell::soil {
namespace {

std::string Figure(double value, int decimals) {
    std::string text = FigureText(value, decimals);
    return text.empty() ? std::string("none") : std::move(text);
}

std::string LayerCount(std::size_t layers) {
    return std::to_string(layers) + (layers == 1 ? " layer" : " layers");
}

// A figure in `unit` with its range to first order, value times the sigma of
// its logarithm, as the two-layer lines give theirs.
std::string Ranged(const RangedFigure& figure, double scale, int decimals,
                   const std::string& unit) {
    std::string text = Figure(figure.value * scale, decimals) + " " + unit;
    if (!std::isfinite(figure.factor)) {
        return text + ", poorly resolved: the readings give no range";
    }
    text += " \xC2\xB1 " + Figure(figure.value * scale * std::log(figure.factor), decimals);
    return figure.PoorlyResolved() ? text + ", poorly resolved" : text;
}

std::string GradeWord(const LayeredFit& fit) {
    const std::string grade = GradeName(fit.grade);
    return fit.grade == FitGrade::Poor && fit.onSearchEdge ? grade + ", at the edge of its search"
                                                           : grade;
}

std::string ProductLine(const FixedProduct& product) {
    const std::string layer = "Layer " + std::to_string(product.layer + 1);
    const bool resistive = product.kind == LayerProduct::ResistivityTimesThickness;
    const std::string text =
        Ranged(product.figure, 1.0, 2, resistive ? "ohm-square-metres" : "siemens");
    return layer +
           (resistive ? " resistivity times thickness: " : " thickness over resistivity: ") + text;
}

void AddModel(std::vector<std::string>& lines, const LayeredFit& fit, const SoilSurvey& survey) {
    const double perMetre = 1.0 / Metres(1.0, survey.unit);
    const std::string unit = UnitWord(survey.unit);
    for (std::size_t i = 0; i < fit.resistivities.size(); ++i) {
        const std::string layer = "Layer " + std::to_string(i + 1);
        lines.push_back(layer +
                        " resistivity: " + Ranged(fit.resistivities[i], 1.0, 1, "ohm-metres"));
        if (i < fit.thicknesses.size()) {
            lines.push_back(layer + " thickness: " + Ranged(fit.thicknesses[i], perMetre, 2, unit));
        }
    }
    for (const FixedProduct& product : fit.products) {
        lines.push_back(ProductLine(product));
    }
}

// "43.0, 82.0 and 20.0 ohm-metres, 2.80 and 13.40 metres thick"
std::string EarthText(const LayeredEarth& earth, const SoilSurvey& survey) {
    const auto list = [](const std::vector<double>& values, double scale, int decimals) {
        std::string text;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) {
                text += i + 1 == values.size() ? " and " : ", ";
            }
            text += Figure(values[i] * scale, decimals);
        }
        return text;
    };
    std::string text = list(earth.resistivities, 1.0, 1) + " ohm-metres";
    if (!earth.thicknesses.empty()) {
        text += ", " + list(earth.thicknesses, 1.0 / Metres(1.0, survey.unit), 2) + " " +
                UnitWord(survey.unit) + " thick";
    }
    return text;
}

std::string RmsText(double percent) {
    return shared::FormatPattern(percent, "0.00") + " %";
}

void AddTraverses(std::vector<std::string>& lines, const SurveyLayers& layers,
                  const SoilSurvey& survey) {
    for (const TraverseLayers& traverse : layers.traverses) {
        const std::string name =
            traverse.name.empty() ? "Unnamed traverse" : "Traverse " + traverse.name;
        std::string line = name + ": " + std::to_string(traverse.readings) + " readings, RMS " +
                           RmsText(traverse.jointRmsPercent) + " in the joint model";
        if (traverse.own) {
            line += ", " + RmsText(traverse.own->rmsPercent) + " with " +
                    LayerCount(traverse.own->earth.resistivities.size()) + " of its own";
        }
        lines.push_back(std::move(line));
    }
    if (!layers.traversesDisagree) {
        return;
    }
    lines.emplace_back("The traverses disagree: the ground differs across the site");
    for (const TraverseLayers& traverse : layers.traverses) {
        if (traverse.own) {
            lines.push_back(
                (traverse.name.empty() ? "Unnamed traverse" : "Traverse " + traverse.name) +
                " alone: " + EarthText(traverse.own->earth, survey));
        }
    }
}

// What the three-layer fit gives, for the note that three layers are likely.
std::string ThreeLayerSummary(const SoilSurvey& survey, const SurveyLayers& layers) {
    const LayeredFit& three = layers.joint.fits[2];
    return "three layers fit " + EarthText(three.earth, survey) + ", RMS " +
           RmsText(three.rmsPercent);
}

} // namespace

std::vector<std::string> LayerLines(const SoilSurvey& survey, const SurveyLayers& layers) {
    std::vector<std::string> lines;
    if (!layers.problem.empty()) {
        lines.push_back("No layered model: " + layers.problem);
    }
    const LayeredFit* shown = layers.Shown();
    if (shown == nullptr) {
        return lines;
    }
    lines.push_back("Layers chosen: " + std::to_string(layers.shownLayers));
    if (layers.shownByUser && layers.shownLayers != layers.joint.chosenLayers) {
        lines.push_back("Layers the data choose: " + std::to_string(layers.joint.chosenLayers));
    }
    AddModel(lines, *shown, survey);
    for (std::size_t i = 0; i < layers.joint.fits.size(); ++i) {
        const LayeredFit& fit = layers.joint.fits[i];
        std::string line = "Model with " + LayerCount(i + 1) + ": RMS " + RmsText(fit.rmsPercent) +
                           ", BIC " + shared::FormatPattern(fit.bic, "0.0") + ", " + GradeWord(fit);
        if (!fit.resolved) {
            line += ", poorly resolved";
        }
        if (i + 1 == layers.joint.chosenLayers) {
            line += ", chosen by the data";
        }
        lines.push_back(std::move(line));
    }
    const SoilAnalysis twoLayers = AnalyseSoil(survey);
    if (twoLayers.fit && twoLayers.fit->threeLayersLikely && layers.joint.fits.size() >= 3) {
        lines.push_back("Note: three layers likely; " + ThreeLayerSummary(survey, layers));
    }
    AddTraverses(lines, layers, survey);
    for (std::size_t i = 0; i < layers.outliers.size(); ++i) {
        if (layers.outliers[i]) {
            lines.push_back("Outlier?: reading " + std::to_string(i + 1) + ", " +
                            shared::FormatPattern(layers.residualsPercent[i], "0.0") +
                            " % from the model" + (survey.readings[i].leftOut ? ", left out" : ""));
        }
    }
    return lines;
}

} // namespace stakewell::soil
