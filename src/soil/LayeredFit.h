#pragma once

#include "soil/LayeredEarth.h"
#include "soil/LayeredObjective.h"
#include "soil/SoilVerdict.h"

#include <Eigen/Core>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace stakewell::soil {

// A range wider than this factor either way leaves a figure poorly resolved.
inline constexpr double PoorlyResolvedFactor = 2.0;

// A fitted figure and its 68 % range, from value / factor to value * factor
// (taken from the sigma of its logarithm). The factor is infinite where the
// readings give no range.
struct RangedFigure {
    double value = 0.0;
    double factor = 0.0;

    bool PoorlyResolved() const { return !(factor <= PoorlyResolvedFactor); }
};

// What the readings fix of a layer whose resistivity or thickness they barely
// fix: rho h (ohm-square-metres) of a layer more resistive than its
// neighbours, h / rho (siemens) of one less.
enum class LayerProduct { ResistivityTimesThickness, ThicknessOverResistivity };

struct FixedProduct {
    std::size_t layer = 0; // from 0 at the surface
    LayerProduct kind = LayerProduct::ResistivityTimesThickness;
    RangedFigure figure;
};

// The best earth of a given number of layers for a sounding.
struct LayeredFit {
    LayeredEarth earth;
    std::vector<RangedFigure> resistivities;
    std::vector<RangedFigure> thicknesses;
    std::vector<FixedProduct> products;
    // (measured - model) / measured, in percent, in the order of the readings.
    std::vector<double> residualsPercent;
    double rmsPercent = 0.0;
    // n ln(RSS / n) + k ln n, with k = 2N - 1 unknowns and RSS the sum of the
    // squared relative residuals.
    double bic = 0.0;
    FitGrade grade = FitGrade::Poor;
    // The best fit lies on the edge of the search, which then bounds a figure
    // without fixing it.
    bool onSearchEdge = false;
    // Every figure within a factor of 2; one layer always is.
    bool resolved = false;
    // Of the logarithms of the unknowns (resistivities, then thicknesses),
    // for the model's band; none where the fit gives no ranges.
    std::optional<Eigen::MatrixXd> covariance;
};

// The fits of one layer up to four (as many as the readings leave a misfit
// for: fewer unknowns than distinct spacings), `fits[i]` of i + 1 layers,
// and the number of layers the data choose: the least BIC among the resolved
// fits. A caller may take another fit; the choice is only the data's. None
// and why for readings that cannot be fitted.
struct LayerChoice {
    std::vector<LayeredFit> fits;
    std::size_t chosenLayers = 0;
    std::string problem;
};

LayerChoice FitLayers(const Sounding& sounding);

// Readings repeated at one spacing tell nothing more of the layers.
std::size_t DistinctSpacings(const std::vector<SoundingReading>& readings);

} // namespace stakewell::soil
