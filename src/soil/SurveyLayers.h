#pragma once

#include "soil/LayeredFit.h"
#include "soil/SoilSurvey.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace stakewell::soil {

// A model's apparent resistivity at a spacing, with its 68 % range
// from value / factor to value * factor (factor 1 where the fit gives none).
struct LayeredCurvePoint {
    double metres = 0.0;
    double ohmMetres = 0.0;
    double factor = 1.0;
};

// A traverse's share of the joint fit, and its readings fitted alone with the
// count they choose or the joint model's, whichever is more (none where they
// are too few to fit).
struct TraverseLayers {
    std::string name;         // empty for the unnamed traverse
    std::size_t readings = 0; // those fitted
    double jointRmsPercent = 0.0;
    std::optional<LayeredFit> own;
    std::vector<LayeredCurvePoint> curve; // the own model's across its readings, no band
};

// The survey read as ground of one to four layers: the fits to every reading
// not left out, jointly over its traverses; the model shown (the user's
// choice where there is a fit of that many layers, else the data's); every
// reading's residual from it and the outliers among them; each traverse's own
// fit where the survey has several, and whether they disagree.
struct SurveyLayers {
    LayerChoice joint;
    std::size_t shownLayers = 0; // 0 where there is no fit
    bool shownByUser = false;
    // (measured - model) / measured in percent for every reading of the
    // survey, those left out too, in the survey's order.
    std::vector<double> residualsPercent;
    std::vector<bool> outliers;
    std::vector<TraverseLayers> traverses;
    double pooledRmsPercent = 0.0; // of the traverses fitted alone
    bool traversesDisagree = false;
    std::vector<LayeredCurvePoint> curve;
    std::string problem;

    const LayeredFit* Shown() const;
};

// A residual no larger than this is never an outlier: field instruments read
// to a per cent or two, and a noise-free survey would otherwise flag readings
// a hair off a perfect fit.
inline constexpr double SmallestOutlierPercent = 2.0;
// The same floor under the pooled RMS when the traverses are compared.
inline constexpr double SmallestPooledRmsPercent = 1.0;
inline constexpr double DisagreementRatio = 1.5;
inline constexpr double OutlierRatio = 3.0;

SurveyLayers LayerSurvey(const SoilSurvey& survey);

// The lines the reports and the command line add after the survey's own:
// "Layers chosen: N", each layer of the model shown with its range, one line
// per fitted count "Model with N layers: RMS ... %, BIC ...", the note that
// three layers are likely with what three layers fit, then the traverses,
// their disagreement and the outliers.
std::vector<std::string> LayerLines(const SoilSurvey& survey, const SurveyLayers& layers);

} // namespace stakewell::soil
