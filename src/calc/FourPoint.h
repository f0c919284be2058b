#pragma once

#include <optional>

namespace stakewell::calc {

// Probe positions and earth resistivity of the four-point (Wenner) test; a
// value is absent when its step faulted, and its label then keeps its text.
struct FourPointResults {
    std::optional<double> P1;
    std::optional<double> P2;
    std::optional<double> rho;
};

FourPointResults ComputeFourPoint(double e2Distance, double measuredOhms);

} // namespace stakewell::calc
