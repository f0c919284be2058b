#pragma once

#include "soil/SoilObjective.h"

namespace stakewell::soil {

struct Minimum {
    LogSoil at = LogSoil::Zero();
    double value = 0.0;
};

// Levenberg-Marquardt from `start` (taken into the objective's box first):
// each step solves (J^T J + lambda diag(J^T J)) d = -J^T r, is pulled back
// into the box, and is kept only when it lowers the misfit. It stops where
// the undamped step promises less than a part in 1e12 of the misfit, where
// no damping finds a lower one, or after 1000 steps; the value never rises
// from the start's.
Minimum MinimiseFrom(const SoilObjective& objective, const LogSoil& start);

// The lowest minimum over many starts: a grid of contrasts and depths across
// the spacings, each with the rho1 that best fits it, of which the most
// promising few are run through MinimiseFrom, with a start from the end
// readings themselves.
Minimum BestMinimum(const SoilObjective& objective);

} // namespace stakewell::soil
