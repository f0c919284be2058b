#include "soil/TwoLayerDesign.h"
#include "soil/TwoLayerGrounding.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace {

using stakewell::soil::ComputeTwoLayerDesign;
using stakewell::soil::Conductor;
using stakewell::soil::GroundingDesign;
using stakewell::soil::MaxLayeredRods;
using stakewell::soil::MeanInverseDistance;
using stakewell::soil::MutualResistances;
using stakewell::soil::TwoLayerDesignResults;
using stakewell::soil::TwoLayerSoil;

constexpr double Pi = std::numbers::pi;
constexpr double FiveEighthsInch = 0.015875;

// A design of 3 m rods of 5/8 in, four of them on 18.3 m of wire 2.6 mm
// across, 0.76 m deep.
GroundingDesign Design(double rodLength = 3.0, int rods = 4) {
    return {rodLength, FiveEighthsInch, rods, 18.288, 0.0026, 0.762};
}

TwoLayerSoil Uniform(double ohmMetres) {
    return {ohmMetres, ohmMetres, 1.0};
}

double Relative(double value, double reference) {
    return std::fabs(value - reference) / std::fabs(reference);
}

Conductor Rod(double length, double diameter) {
    return {{{0.0, 0.0, 0.0}, {0.0, 0.0, length}}, diameter / 2.0};
}

// Uniform soil: with K = 0 the method is the rod and its mirror image in the
// surface, and both agree with Dwight's formula.
struct RodCase {
    double length;
    double diameter;
    double boundary; // depth of the layers' boundary, which K = 0 must not feel
};

std::ostream& operator<<(std::ostream& out, const RodCase& c) {
    return out << c.length << " m by " << c.diameter << " m, boundary " << c.boundary << " m";
}

class UniformRod : public testing::TestWithParam<RodCase> {};

TEST_P(UniformRod, EqualsTheRodAndItsMirrorImage) {
    const RodCase& c = GetParam();
    const Conductor rod = Rod(c.length, c.diameter);
    const Conductor mirror{{{0.0, 0.0, 0.0}, {0.0, 0.0, -c.length}}, c.diameter / 2.0};
    const double radius = c.diameter / 2.0;
    const double expected = 100.0 / (4.0 * Pi) *
                            (MeanInverseDistance(rod.line, rod.line, radius) +
                             MeanInverseDistance(rod.line, mirror.line, radius));
    const double twoLayer = MutualResistances({100.0, 100.0, c.boundary}, {rod})(0, 0);
    EXPECT_LT(Relative(twoLayer, expected), 1e-9);
}

TEST_P(UniformRod, AgreesWithDwightWithinOnePercent) {
    const RodCase& c = GetParam();
    const double radius = c.diameter / 2.0;
    const double dwight = 100.0 / (2.0 * Pi * c.length) * (std::log(4.0 * c.length / radius) - 1.0);
    GroundingDesign design = Design(c.length);
    design.rodDiameter = c.diameter;
    const double oneRod = ComputeTwoLayerDesign({100.0, 100.0, c.boundary}, design).oneRod;
    EXPECT_LT(Relative(oneRod, dwight), 0.01) << oneRod << " against " << dwight;
}

INSTANTIATE_TEST_SUITE_P(Soil, UniformRod,
                         testing::Values(RodCase{3.0, FiveEighthsInch, 10.0},
                                         RodCase{3.0, FiveEighthsInch, 1.3},
                                         RodCase{1.2, 0.0127, 0.2}, RodCase{10.0, 0.019, 25.0},
                                         RodCase{2.4, 0.0254, 2.4}),
                         [](const testing::TestParamInfo<RodCase>& info) {
                             const RodCase& c = info.param;
                             return CaseName(info.index,
                                             {std::to_string(c.length), std::to_string(c.diameter),
                                              std::to_string(c.boundary)});
                         });

// The wire alone in uniform soil against Dwight's straight wire and ring.
TEST(TwoLayerWire, AgreesWithDwightsStraightWireAndRing) {
    const GroundingDesign design{3.0, FiveEighthsInch, 2, 18.288, 0.0026, 0.762};
    const TwoLayerDesignResults r = ComputeTwoLayerDesign(Uniform(100.0), design);
    const double radius = design.wireDiameter / 2.0;
    const double length = design.wireLength;
    const double straight =
        100.0 / (Pi * length) *
        (std::log(2.0 * length / std::sqrt(2.0 * radius * design.wireDepth)) - 1.0);
    const double ringDiameter = length / Pi;
    const double ring = 100.0 / (2.0 * Pi * Pi * ringDiameter) *
                        (std::log(8.0 * ringDiameter / design.wireDiameter) +
                         std::log(4.0 * ringDiameter / (2.0 * design.wireDepth)));
    EXPECT_LT(Relative(r.linear.wire, straight), 0.01) << r.linear.wire << " against " << straight;
    EXPECT_LT(Relative(r.ring.wire, ring), 0.01) << r.ring.wire << " against " << ring;
}

// The potential of a wire in the upper layer, and of one in the lower, read
// on short wires either side of the boundary: it and the current across it
// (1/rho dV/dz) must be continuous there, which each pair of image series
// meets only if their weights are right.
struct BoundaryCase {
    TwoLayerSoil soil;
    double sourceDepth;
};

std::ostream& operator<<(std::ostream& out, const BoundaryCase& c) {
    return out << c.soil.upperOhmMetres << " over " << c.soil.lowerOhmMetres << ", source at "
               << c.sourceDepth << " m";
}

class TwoLayerBoundary : public testing::TestWithParam<BoundaryCase> {};

double PotentialAt(const BoundaryCase& c, double depth) {
    const Conductor source{{{-1.0, 0.0, c.sourceDepth}, {1.0, 0.0, c.sourceDepth}}, 0.001};
    const Conductor probe{{{0.5, 2.0, depth}, {0.5, 2.001, depth}}, 1e-6};
    return MutualResistances(c.soil, {probe, source})(0, 1);
}

// Each side's value at the boundary and its slope there (second order, from
// points 0, 1 and 2 steps away).
struct SideOfBoundary {
    double potential = 0.0;
    double slope = 0.0;
};

SideOfBoundary Side(const BoundaryCase& c, double direction) {
    const double h = c.soil.upperDepthMetres;
    const double step = 1e-3;
    const double at = PotentialAt(c, h + (direction * 1e-9));
    const double one = PotentialAt(c, h + (direction * step));
    const double two = PotentialAt(c, h + (direction * 2.0 * step));
    return {at, direction * ((4.0 * one) - (3.0 * at) - two) / (2.0 * step)};
}

TEST_P(TwoLayerBoundary, PotentialAndCurrentAreContinuous) {
    const BoundaryCase& c = GetParam();
    const SideOfBoundary above = Side(c, -1.0);
    const SideOfBoundary below = Side(c, 1.0);
    EXPECT_LT(Relative(above.potential, below.potential), 1e-8);
    const double currentBelow = below.slope / c.soil.lowerOhmMetres;
    EXPECT_NEAR(above.slope / c.soil.upperOhmMetres, currentBelow, 1e-6 * std::fabs(currentBelow));
}

INSTANTIATE_TEST_SUITE_P(
    Soil, TwoLayerBoundary,
    testing::Values(BoundaryCase{{300.0, 100.0, 1.5}, 0.7}, BoundaryCase{{300.0, 100.0, 1.5}, 2.5},
                    BoundaryCase{{50.0, 400.0, 1.0}, 0.5}, BoundaryCase{{50.0, 400.0, 1.0}, 1.8}),
    [](const testing::TestParamInfo<BoundaryCase>& info) {
        const BoundaryCase& c = info.param;
        return CaseName(info.index, {std::to_string(c.soil.upperOhmMetres) + "_over_" +
                                         std::to_string(c.soil.lowerOhmMetres),
                                     std::to_string(c.sourceDepth)});
    });

} // namespace
