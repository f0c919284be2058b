#pragma once

#include "soil/TwoLayerSoil.h"

#include <optional>
#include <vector>

namespace stakewell::soil {

// What a design can take as the soil's resistivity, in ohm-metres.

// The mean of the apparent resistivities; NaN without any.
double MeanResistivity(const std::vector<SoilPoint>& points);

// (largest + smallest) / 2 of the apparent resistivities; NaN without any.
double MidRangeResistivity(const std::vector<SoilPoint>& points);

// What a rod driven `rodFeet` into `soil` sees: the two layers it passes
// through in parallel, L / (h / rho1 + (L - h) / rho2), or rho1 alone when it
// stays within the upper layer. Nothing for a length not finite and above 0
// or a soil that is not one.
std::optional<double> RodResistivity(const TwoLayerSoil& soil, double rodFeet);

} // namespace stakewell::soil
