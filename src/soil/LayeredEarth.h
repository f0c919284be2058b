#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace stakewell::soil {

// Ground of flat layers: `resistivities` (ohm-metres) from the surface down,
// the last reaching down without end, and `thicknesses` (metres) of all but
// the last.
struct LayeredEarth {
    std::vector<double> resistivities;
    std::vector<double> thicknesses;

    bool operator==(const LayeredEarth&) const = default;
};

inline constexpr std::size_t MaxEarthLayers = 4;
// ln rho of every layer and ln h of all but the last.
inline constexpr std::size_t MaxEarthUnknowns = 2 * MaxEarthLayers - 1;

// One to four layers, one thickness fewer than resistivities, every figure
// finite and above 0.
bool IsValid(const LayeredEarth& earth);

// The resistivity transform T(lambda) (ohm-metres) of `earth` at the spatial
// frequency `lambda` (per metre, finite and 0 or above): rho1 at high
// frequencies, the deepest layer's at 0. NaN for an earth not valid or a
// frequency out of range, and for contrasts beyond the range of a double.
double ResistivityTransform(const LayeredEarth& earth, double lambda);

// The apparent resistivity (ohm-metres) a Wenner array of spacing
// `spacingMetres` reads over `earth`.
double WennerApparent(const LayeredEarth& earth, double spacingMetres);

// The apparent resistivity (ohm-metres) a Schlumberger array reads over
// `earth` with its current electrodes `halfAB` and its potential probes
// `halfMN` from the centre (metres, 0 < halfMN < halfAB). An MN narrower than
// a millionth of AB reads as the point dipole does, to parts in 1e11.
double SchlumbergerApparent(const LayeredEarth& earth, double halfAB, double halfMN);

// Both give NaN for an earth not valid, a spacing out of range or contrasts
// beyond the range of a double, never a figure that only looks right.

// An apparent resistivity (ohm-metres), exactly as the functions above give
// it, and its slopes d rho_a / d ln rho_i for every layer from the top, then
// d rho_a / d ln h_i: 2N - 1 of them for N layers, the rest 0. A fit takes
// them all from one pass over the filter, where differences would take a
// pass for each.
struct SlopedApparent {
    double ohmMetres = 0.0;
    std::array<double, MaxEarthUnknowns> slopes{};
};

SlopedApparent SlopedWennerApparent(const LayeredEarth& earth, double spacingMetres);
SlopedApparent SlopedSchlumbergerApparent(const LayeredEarth& earth, double halfAB, double halfMN);

} // namespace stakewell::soil
