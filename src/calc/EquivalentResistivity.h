#pragma once

#include "calc/GroundModel.h"

namespace stakewell::calc {

enum class Arrangement { Linear, Polygon };

// The resistivity (ohm-metres, as the design holds it in single precision)
// at which ComputeDesign gives the arrangement's total as `ohms`, `design`'s
// own resistivity aside; NaN where `ohms` is not finite and above 0, or where
// the design's inputs leave that total without a figure to show.
double EquivalentResistivity(const DesignInputs& design, Arrangement arrangement, double ohms);

} // namespace stakewell::calc
