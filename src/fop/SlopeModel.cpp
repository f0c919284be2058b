#include "fop/SlopeModel.h"

#include <cmath>

namespace stakewell::fop {

double G(double p, double xi) {
    return 1.0 / (1.0 + xi) + 1.0 / (p + xi) - 1.0 / (1.0 - p);
}

double Mu(double xi) {
    return (G(0.4, xi) - G(0.6, xi)) / (G(0.2, xi) - G(0.4, xi));
}

// g(p) = 0 is p^2 + (1 + 3 xi) p + xi^2 - xi - 1 = 0, whose discriminant is
// 5 (1 + xi)^2; the root in (0, 1) is the one with the positive square root.
double TrueDistanceRatio(double xi) {
    const double root5 = std::sqrt(5.0);
    return (root5 * (1.0 + xi) - (1.0 + 3.0 * xi)) / 2.0;
}

double LargestMu() {
    return Mu(LargestXi);
}

// Bisection until the bracket cannot narrow in double precision: Mu is
// monotonic but flattens towards LargestXi, where a secant step would creep.
std::optional<double> XiOfMu(double mu) {
    if (!(mu > 0.0 && mu < LargestMu())) {
        return std::nullopt;
    }
    double below = SmallestXi;
    double above = LargestXi;
    for (int step = 0; step < 200; ++step) {
        const double middle = below + (above - below) / 2.0;
        if (middle <= below || middle >= above) {
            break;
        }
        if (Mu(middle) < mu) {
            below = middle;
        } else {
            above = middle;
        }
    }
    return std::abs(Mu(below) - mu) <= std::abs(Mu(above) - mu) ? below : above;
}

} // namespace stakewell::fop
