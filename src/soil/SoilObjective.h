#pragma once

#include "soil/TwoLayerSoil.h"

#include <Eigen/Core>

#include <vector>

namespace stakewell::soil {

// The fit's unknowns: ln rho1, ln rho2 and ln h, so that every value tried is
// a soil, above 0.
using LogSoil = Eigen::Vector3d;

TwoLayerSoil SoilOf(const LogSoil& p);
LogSoil LogOf(const TwoLayerSoil& soil);

// Sum over the readings of ((measured - model) / measured)^2, and what a
// Gauss-Newton step needs: J^T J and J^T r for the relative residuals r.
struct Linearised {
    double value = 0.0;
    Eigen::Matrix3d normal = Eigen::Matrix3d::Zero();
    Eigen::Vector3d gradient = Eigen::Vector3d::Zero();
};

// The misfit of a two-layer soil to the apparent points of one array. The
// search is held to a box: each resistivity within 1000 times the measured
// ones either way, h within 100 times the spacings either way, and the two
// layers at most MaxContrast apart (|K| at most 0.998), beyond which the
// readings cannot tell the soils apart and the series grow long.
class SoilObjective {
public:
    static constexpr double MaxContrast = 1000.0;

    SoilObjective(SoilArray array, std::vector<SoilPoint> points);

    SoilArray Array() const { return array; }
    const std::vector<SoilPoint>& Points() const { return points; }

    // Infinite where the model gives no finite figure.
    double Value(const LogSoil& p) const;
    Linearised Linearise(const LogSoil& p) const;
    std::vector<double> Residuals(const LogSoil& p) const;

    // The point of the box nearest p; the contrast is pulled in evenly from
    // both sides.
    LogSoil Bounded(const LogSoil& p) const;
    // Whether p lies on the box's edge, to within 1e-9 in the logarithms.
    bool OnEdge(const LogSoil& p) const;

private:
    SoilArray array;
    std::vector<SoilPoint> points;
    Eigen::Vector3d lowest = Eigen::Vector3d::Zero();
    Eigen::Vector3d highest = Eigen::Vector3d::Zero();
};

} // namespace stakewell::soil
