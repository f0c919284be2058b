#pragma once

#include "soil/SoilVerdict.h"
#include "soil/TwoLayerSoil.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace stakewell::soil {

using SoilCovariance = std::array<std::array<double, 3>, 3>;

// The two-layer soil that best fits a survey, and how far to trust it.
struct SoilFit {
    SoilArray array = SoilArray::Wenner;
    std::vector<SoilPoint> points; // in order of spacing, equal spacings as given
    TwoLayerSoil soil;
    // (measured - model) / measured, in percent, for each of `points`.
    std::vector<double> residualsPercent;
    double rmsPercent = 0.0;
    FitGrade grade = FitGrade::Poor;
    bool threeLayersLikely = false;
    // The best fit found lies on the edge of the search: a contrast of
    // SoilObjective::MaxContrast, or a resistivity or depth at the box's
    // limit. The readings then do not fix that figure, only bound it.
    bool onSearchEdge = false;
    // The covariance of ln rho1, ln rho2 and ln h: s^2 (J^T J)^-1 with
    // s^2 = sum r^2 / (n - 3), J the Jacobian of the relative residuals.
    std::optional<SoilCovariance> covariance;
    // The 68 % range of rho1, rho2 (ohm-metres) and h (metres), each taken to
    // first order from its logarithm's: value times sigma of ln value. None
    // with exactly three readings (the model then meets them all and leaves
    // no misfit to scale by), when the readings cannot separate the three
    // (J^T J singular), or when the best fit lies on the search's edge.
    std::optional<TwoLayerSoil> plusMinus;
    std::string noRangeReason; // a sentence whenever plusMinus is empty
};

// The fit, or none and why: it needs at least three points, each with a
// finite spacing and apparent resistivity above 0 (and, for Schlumberger, an
// MN/2 of 0 or more below its AB/2), at three spacings or more, and at most
// MaxSoilReadings of them. Each Schlumberger point is modelled with its own
// MN.
struct SoilFitResult {
    std::optional<SoilFit> fit;
    std::string problem;
};

SoilFitResult FitTwoLayers(SoilArray array, std::vector<SoilPoint> points);

// The fitted curve at any spacing (metres) for the plot, in ohm-metres, with
// its 68 % band: rho_a's sigma to first order from the parameters'
// covariance, none when the fit has no range. NaN and no band at a spacing
// not finite and above 0. A Schlumberger curve takes the readings' MN/AB,
// straight along ln AB/2 between neighbouring readings (the mean where one
// AB was read with several MN) and held beyond the first and the last, so
// that it meets the model's figure at each reading.
struct CurvePoint {
    double ohmMetres = 0.0;
    std::optional<double> plusMinus;
};

CurvePoint ModelCurveAt(const SoilFit& fit, double spacingMetres);

// The MN/2 (metres) such a curve takes at `spacingMetres`, from Schlumberger
// readings in order of spacing.
double CurveHalfMN(const std::vector<SoilPoint>& bySpacing, double spacingMetres);

} // namespace stakewell::soil
