#pragma once

#include "soil/LineSegmentPotential.h"
#include "soil/TwoLayerSoil.h"

#include <Eigen/Core>

#include <optional>
#include <vector>

namespace stakewell::soil {

// A straight bare conductor in the ground: a rod, or a run of buried wire.
struct Conductor {
    LineSegment line;
    double radiusMetres = 0.0;
};

// The images' series is summed term by term at least this far (orders n,
// images 2nh deep); past where a pair's images all lie far below it, the rest
// follows a fitted form (see the source) to where |K|^n falls below SeriesEnd.
// A very thin upper layer leaves its images close together for many orders:
// past MaxOrdersSummed the fitted form takes over all the same.
inline constexpr int MinOrdersSummed = 32;
inline constexpr int MaxOrdersSummed = 2000;

// R(i, j), ohms: the potential on conductor i, averaged as its current is
// spread, per ampere leaking along conductor j. A conductor's leakage is
// uniform along it within a layer; one that crosses the boundary is taken in
// its two parts, each with the images of its own layer, with the parts'
// densities in the ratio of the layers' conductivities. Symmetric by
// construction; all NaN for a soil not finite and above 0, or of a contrast
// whose series would outrun MaxSeriesTerms.
Eigen::MatrixXd MutualResistances(const TwoLayerSoil& soil,
                                  const std::vector<Conductor>& conductors);
// The matrix of each set, every pair of pieces of one shape computed once
// for all the sets.
std::vector<Eigen::MatrixXd> MutualResistances(const TwoLayerSoil& soil,
                                               const std::vector<std::vector<Conductor>>& sets);

// The currents (amperes) the conductors leak when all stand at one volt, or
// nothing when the matrix is not positive definite (conductors on top of one
// another, or figures not finite).
std::optional<Eigen::VectorXd> CurrentsAtOneVolt(const Eigen::MatrixXd& resistances);

// The resistance to remote earth of the conductors joined at one potential;
// NaN where CurrentsAtOneVolt has none.
double JoinedResistance(const Eigen::MatrixXd& resistances);

} // namespace stakewell::soil
