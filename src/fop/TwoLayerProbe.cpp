#include "fop/TwoLayerProbe.h"

#include <cmath>

namespace stakewell::fop {
namespace {

// The test drives +I into E1 and takes -I out at E2, C from it. A point
// source of I on the surface of two-layer ground raises the surface at r
// from it to I G(r), with the images at depths 2nh weighted K^n:
//
//   G(r) = rho1 / (2 pi) [1/r + 2 sum_{n>=1} K^n / sqrt(r^2 + (2nh)^2)].
//
// With the probe at x on the line to E2, the instrument reads
//   R(x) = (V(E1) - V(x)) / I = G(r0) - G(C) - G(x) + G(C - x),
// E1's own surface at its radius r0 and E2 C - r0 ~ C from it, while the
// electrode's true resistance, its current returning at infinity, is G(r0).
// They agree where
//
//   G(C - x) - G(x) - G(C) = 0,
//
// in which r0 no longer appears: a small electrode's size does not move the
// position. Only the shape of G matters there, so rho1 / (2 pi) is left out
// and every length is taken in units of C. In uniform ground the condition is
// 1/(1 - p) = 1/p + 1, that is p^2 + p - 1 = 0.
class SurfacePotential {
public:
    SurfacePotential(double k, double depth) : k(k), depth(depth) {}

    double operator()(double r) const {
        double sum = 1.0 / r;
        double power = k;
        // A depth beyond the range of a double leaves its image nothing, as
        // it would have left it next to nothing.
        for (double n = 1.0; std::fabs(power) >= soil::SeriesEnd; n += 1.0) {
            const double image = 2.0 * n * depth;
            sum += 2.0 * power / std::sqrt(r * r + image * image);
            power *= k;
        }
        return sum;
    }

private:
    double k;
    double depth;
};

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

bool SeriesTooLong(double k) {
    return !(std::fabs(k) < 1.0) ||
           (k != 0.0 && std::log(soil::SeriesEnd) / std::log(std::fabs(k)) > soil::MaxSeriesTerms);
}

// G falls with r wherever the images are summed (-2 pi r^2 G'(r) is the
// apparent resistivity a Schlumberger sounding reads at AB/2 = r, above 0),
// so the excess rises from
// -infinity at E1 to +infinity at E2 and crosses 0 once. Halving to the last
// representable step costs some fifty halvings and gives the uniform root to
// the last digit.
double RootBetweenE1AndE2(const SurfacePotential& potential) {
    const double atE2 = potential(1.0);
    const auto excess = [&](double p) { return potential(1.0 - p) - potential(p) - atE2; };
    double low = 0.0;
    double high = 1.0;
    for (;;) {
        const double middle = low + (high - low) / 2.0;
        if (middle <= low || middle >= high) {
            return middle;
        }
        (excess(middle) < 0.0 ? low : high) = middle;
    }
}

} // namespace

std::optional<double> TrueResistanceFraction(const soil::TwoLayerSoil& soil, double e2Metres) {
    const double k = soil::ReflectionFactor(soil);
    if (std::isnan(k) || SeriesTooLong(k) || !Positive(soil.upperDepthMetres) ||
        !Positive(e2Metres)) {
        return std::nullopt;
    }
    return RootBetweenE1AndE2(SurfacePotential(k, soil.upperDepthMetres / e2Metres));
}

} // namespace stakewell::fop
