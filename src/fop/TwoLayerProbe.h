#pragma once

#include "soil/TwoLayerSoil.h"

#include <optional>

namespace stakewell::fop {

// The fraction of the E1-E2 distance at which the potential probe reads the
// true resistance of a small electrode at E1 when the ground is `soil`:
// (sqrt 5 - 1) / 2 in uniform ground, nearer E1 over a conductive lower
// layer and farther out over a resistive one. None for an E2 distance or a
// soil not finite and above 0, or a contrast whose images' series is too long
// to sum (TwoLayerSoil's MaxSeriesTerms).
std::optional<double> TrueResistanceFraction(const soil::TwoLayerSoil& soil, double e2Metres);

} // namespace stakewell::fop
