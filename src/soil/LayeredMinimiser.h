#pragma once

#include "soil/LayeredObjective.h"

#include <optional>

namespace stakewell::soil {

// The residuals and their Jacobian come with the minimum, so that the fit's
// report and ranges need no pass of the model of their own.
struct LayeredMinimum {
    LayerParameters at;
    double value = 0.0;
    LayeredObjective::Linearised linearised;
};

// The lowest minimum over many starts: a spread of interface depths across
// the spacings with resistivities read off the apparent curve, plainly and
// with their contrasts doubled, and `fewerLayers` (the best fit of one layer
// fewer) with each of its layers split in two, the lower half three times
// more and less resistive. The start a sample of the readings ranks best and
// the plain split (a layer split in two alike) take a few damped
// Levenberg-Marquardt steps each, and the lower then runs on to its minimum, so that
// a fit never fits worse than the one of a layer fewer.
LayeredMinimum BestLayers(const LayeredObjective& objective,
                          const std::optional<LayeredEarth>& fewerLayers);

} // namespace stakewell::soil
