#pragma once

#include "soil/SoilReadings.h"

#include <array>

namespace stakewell::soil {

// Soil of resistivity `upperOhmMetres` down to `upperDepthMetres` (h), and of
// `lowerOhmMetres` below it without end.
struct TwoLayerSoil {
    double upperOhmMetres = 0.0;
    double lowerOhmMetres = 0.0;
    double upperDepthMetres = 0.0;

    bool operator==(const TwoLayerSoil&) const = default;
};

// K = (rho2 - rho1) / (rho2 + rho1), or NaN unless both are finite and above 0.
double ReflectionFactor(const TwoLayerSoil& soil);

// The images' series stops where |K^n| falls below this.
inline constexpr double SeriesEnd = 1e-12;

// A series that would need more terms than this (|K| within 3e-5 of 1, a
// contrast of some 70000 to 1) is not summed: the model gives NaN rather than
// keep the caller waiting, or stop early and give a wrong figure.
inline constexpr double MaxSeriesTerms = 1e6;

// Whether a reading's potential probes, `halfMNMetres` either side of the
// centre, stand inside its current electrodes `spacingMetres` from it: MN/2
// 0 or above and below AB/2. A Wenner reading's always do.
bool ProbesInside(SoilArray array, double spacingMetres, double halfMNMetres);

// The apparent resistivity (ohm-metres) the array reads at `spacingMetres`
// (a, or AB/2) over `soil`, and its derivatives with respect to ln rho1,
// ln rho2 and ln h. A Schlumberger reading's potential probes stand
// `halfMNMetres` (MN/2) either side of the centre; 0 takes them as the point
// dipole, the limit of an MN vanishingly small. Wenner ignores it. Every
// figure is NaN for a soil or a spacing not finite and above 0, for probes
// not ProbesInside, and for a series too long to sum.
struct ModelReading {
    double ohmMetres = 0.0;
    std::array<double, 3> slopes{};
};

ModelReading ModelWithSlopes(SoilArray array, const TwoLayerSoil& soil, double spacingMetres,
                             double halfMNMetres = 0.0);
double ModelResistivity(SoilArray array, const TwoLayerSoil& soil, double spacingMetres,
                        double halfMNMetres = 0.0);

} // namespace stakewell::soil
