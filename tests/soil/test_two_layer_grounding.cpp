#include "soil/TwoLayerDesign.h"
#include "soil/TwoLayerGrounding.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using stakewell::soil::ArrangementResistances;
using stakewell::soil::ComputeTwoLayerDesign;
using stakewell::soil::Conductor;
using stakewell::soil::GroundingDesign;
using stakewell::soil::JoinedResistance;
using stakewell::soil::MaxLayeredRods;
using stakewell::soil::MeanInverseDistance;
using stakewell::soil::MutualResistances;
using stakewell::soil::RodsAroundRing;
using stakewell::soil::RodsInLine;
using stakewell::soil::TwoLayerDesignResults;
using stakewell::soil::TwoLayerSoil;
using stakewell::soil::WireAroundRing;
using stakewell::soil::WireInLine;

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

// Uniform soil: with K = 0 a rod agrees with Dwight's formula, wherever the
// boundary that K = 0 must not feel stands.
struct RodCase {
    double length;
    double diameter;
    double boundary; // depth of the layers' boundary, which K = 0 must not feel
};

std::ostream& operator<<(std::ostream& out, const RodCase& c) {
    return out << c.length << " m by " << c.diameter << " m, boundary " << c.boundary << " m";
}

class UniformRod : public testing::TestWithParam<RodCase> {};

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

// The figures a design page shows, in one list to compare them all.
std::vector<double> Figures(const TwoLayerDesignResults& r) {
    return {r.oneRod,          r.linear.electrodes, r.linear.wire, r.linear.mutual, r.linear.total,
            r.ring.electrodes, r.ring.wire,         r.ring.mutual, r.ring.total};
}

// A very thin upper layer leaves the lower's resistivity, a very deep one the
// upper's, whichever way the contrast runs.
struct LimitCase {
    double upper;
    double lower;
    double depth;
    double limit; // the uniform resistivity it tends to
};

std::ostream& operator<<(std::ostream& out, const LimitCase& c) {
    return out << c.upper << " over " << c.lower << " at " << c.depth << " m";
}

class TwoLayerLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(TwoLayerLimit, TendsToUniformSoil) {
    const LimitCase& c = GetParam();
    const std::vector<double> layered =
        Figures(ComputeTwoLayerDesign({c.upper, c.lower, c.depth}, Design()));
    const std::vector<double> uniform = Figures(ComputeTwoLayerDesign(Uniform(c.limit), Design()));
    for (std::size_t i = 0; i < layered.size(); ++i) {
        EXPECT_LT(Relative(layered[i], uniform[i]), 1e-3)
            << "figure " << i << ": " << layered[i] << " against " << uniform[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Soil, TwoLayerLimit,
    testing::Values(LimitCase{300.0, 100.0, 1e-5, 100.0}, LimitCase{100.0, 300.0, 1e-5, 300.0},
                    LimitCase{1000.0, 20.0, 1e-6, 20.0}, LimitCase{300.0, 100.0, 1e5, 300.0},
                    LimitCase{100.0, 300.0, 1e5, 100.0}, LimitCase{20.0, 1000.0, 1e6, 20.0}),
    [](const testing::TestParamInfo<LimitCase>& info) {
        const LimitCase& c = info.param;
        return CaseName(info.index, {std::to_string(c.upper) + "_over_" + std::to_string(c.lower),
                                     std::to_string(c.depth)});
    });

// A rod whose tip crosses the boundary: the figures either side of it, a
// distance e each way, differ in proportion to e (the tip's share of the
// current grows from 0 with its length).
struct Contrast {
    double upper;
    double lower;
};

std::ostream& operator<<(std::ostream& out, const Contrast& c) {
    return out << c.upper << " over " << c.lower;
}

class TipAtBoundary : public testing::TestWithParam<Contrast> {};

TEST_P(TipAtBoundary, FiguresChangeContinuously) {
    const TwoLayerSoil soil{GetParam().upper, GetParam().lower, 0.0};
    std::vector<double> gaps;
    for (const double e : {1e-2, 1e-3, 1e-4, 1e-5}) {
        const std::vector<double> above = Figures(ComputeTwoLayerDesign(
            {soil.upperOhmMetres, soil.lowerOhmMetres, 3.0 + e}, Design(3.0)));
        const std::vector<double> below = Figures(ComputeTwoLayerDesign(
            {soil.upperOhmMetres, soil.lowerOhmMetres, 3.0 - e}, Design(3.0)));
        double largest = 0.0;
        for (std::size_t i = 0; i < above.size(); ++i) {
            largest = std::max(largest, Relative(above[i], below[i]));
        }
        gaps.push_back(largest);
    }
    for (std::size_t i = 1; i < gaps.size(); ++i) {
        EXPECT_LT(gaps[i], gaps[i - 1] / 5.0) << "gap " << i;
    }
    EXPECT_LT(gaps.back(), 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Soil, TipAtBoundary,
                         testing::Values(Contrast{300.0, 100.0}, Contrast{100.0, 300.0},
                                         Contrast{2000.0, 20.0}),
                         [](const testing::TestParamInfo<Contrast>& info) {
                             return CaseName(info.index,
                                             {std::to_string(info.param.upper) + "_over_" +
                                              std::to_string(info.param.lower)});
                         });

// A 3 m rod wholly in the upper layer, crossing the boundary, and nearly all
// below it: the nearer the lower layer, the more it tells, and the rod always
// lies between its resistances in either soil alone.
struct ReachCase {
    double upper;
    double lower;
    std::vector<double> depths; // from wholly above to nearly all below
    std::vector<double> ohms;   // the rod's resistance at each depth
};

std::ostream& operator<<(std::ostream& out, const ReachCase& c) {
    return out << c.upper << " over " << c.lower;
}

class RodReachingLowerLayer : public testing::TestWithParam<ReachCase> {};

TEST_P(RodReachingLowerLayer, MovesFromUpperToLowerResistivity) {
    const ReachCase& c = GetParam();
    const double inUpper = ComputeTwoLayerDesign(Uniform(c.upper), Design()).oneRod;
    const double inLower = ComputeTwoLayerDesign(Uniform(c.lower), Design()).oneRod;
    double previous = inUpper;
    for (std::size_t i = 0; i < c.depths.size(); ++i) {
        const double rod = ComputeTwoLayerDesign({c.upper, c.lower, c.depths[i]}, Design()).oneRod;
        EXPECT_NEAR(rod, c.ohms[i], 5e-4) << "boundary at " << c.depths[i] << " m";
        EXPECT_LT(std::fabs(rod - inLower), std::fabs(previous - inLower))
            << "boundary at " << c.depths[i] << " m";
        previous = rod;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Soil, RodReachingLowerLayer,
    testing::Values(
        ReachCase{
            300.0, 100.0, {5.0, 3.0, 2.5, 1.0, 0.3}, {96.4303, 91.1890, 67.1668, 41.4254, 35.5457}},
        ReachCase{
            100.0, 300.0, {5.0, 3.0, 2.5, 1.0, 0.3}, {35.8677, 38.2761, 42.8189, 65.0524, 86.2524}},
        ReachCase{1000.0,
                  10.0,
                  {5.0, 3.0, 2.5, 1.0, 0.3},
                  {311.6462, 280.1000, 13.9662, 4.6896, 3.6614}}),
    [](const testing::TestParamInfo<ReachCase>& info) {
        return CaseName(info.index, {std::to_string(info.param.upper) + "_over_" +
                                     std::to_string(info.param.lower)});
    });

// The rods and the wire combined through their mutual resistance, which lies
// below both: less than either alone, and close to the whole solved at one
// potential at once.
TEST(TwoLayerDesign, WholeIsLessThanRodsOrWire) {
    for (const TwoLayerSoil soil :
         {TwoLayerSoil{300.0, 100.0, 2.5}, TwoLayerSoil{100.0, 300.0, 0.5},
          TwoLayerSoil{1000.0, 10.0, 1.0}}) {
        const TwoLayerDesignResults r = ComputeTwoLayerDesign(soil, Design(3.0, 6));
        const auto joined = [&soil](std::vector<Conductor> rods,
                                    const std::vector<Conductor>& wire) {
            rods.insert(rods.end(), wire.begin(), wire.end());
            return JoinedResistance(MutualResistances(soil, rods));
        };
        const std::array<double, 2> whole{
            joined(RodsInLine(Design(3.0, 6)), WireInLine(Design(3.0, 6))),
            joined(RodsAroundRing(Design(3.0, 6)), WireAroundRing(Design(3.0, 6)))};
        for (std::size_t i = 0; i < 2; ++i) {
            const ArrangementResistances& arrangement = i == 0 ? r.linear : r.ring;
            const double re = arrangement.electrodes;
            const double rw = arrangement.wire;
            const double rm = arrangement.mutual;
            EXPECT_GT(rm, 0.0);
            EXPECT_LT(rm, std::min(re, rw));
            EXPECT_LT(arrangement.total, std::min(re, rw));
            EXPECT_DOUBLE_EQ(arrangement.total, ((re * rw) - (rm * rm)) / (re + rw - (2.0 * rm)));
            EXPECT_LT(Relative(arrangement.total, whole[i]), 0.02);
        }
    }
}

// The line and the ring each on a wire of its own length, computed together,
// give each figure exactly as it comes alone.
TEST(TwoLayerDesign, LineAndRingTogetherAreEachAsAlone) {
    const TwoLayerSoil soil{300.0, 100.0, 0.05};
    GroundingDesign ring = Design(3.0, 5);
    ring.wireLength = 25.0;
    const TwoLayerDesignResults both = ComputeTwoLayerDesign(soil, Design(3.0, 5), ring);
    EXPECT_EQ(both.oneRod, ComputeTwoLayerDesign(soil, Design(3.0, 5)).oneRod);
    EXPECT_EQ(both.linear.total, ComputeTwoLayerDesign(soil, Design(3.0, 5)).linear.total);
    EXPECT_EQ(both.ring.total, ComputeTwoLayerDesign(soil, ring).ring.total);
    EXPECT_EQ(both.ring.mutual, ComputeTwoLayerDesign(soil, ring).ring.mutual);
}

// What the inputs cannot give is NaN, and only there.
struct BadCase {
    std::string name;
    TwoLayerSoil soil;
    GroundingDesign design;
    std::vector<bool> computed; // one per Figures
};

std::ostream& operator<<(std::ostream& out, const BadCase& c) {
    return out << c.name;
}

class TwoLayerBadInput : public testing::TestWithParam<BadCase> {};

TEST_P(TwoLayerBadInput, GivesNaNWhereItCannotCompute) {
    const BadCase& c = GetParam();
    const std::vector<double> figures = Figures(ComputeTwoLayerDesign(c.soil, c.design));
    for (std::size_t i = 0; i < figures.size(); ++i) {
        EXPECT_EQ(std::isfinite(figures[i]), c.computed[i]) << "figure " << i;
    }
}

GroundingDesign With(GroundingDesign design, double GroundingDesign::*field, double value) {
    design.*field = value;
    return design;
}

GroundingDesign WithRods(int rods) {
    GroundingDesign design = Design();
    design.rodCount = rods;
    return design;
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
const TwoLayerSoil Sound{300.0, 100.0, 2.0};
const std::vector<bool> All(9, true);
const std::vector<bool> None(9, false);
const std::vector<bool> RodsOnly{true, true, false, false, false, true, false, false, false};
const std::vector<bool> WireOnly{false, false, true, false, false, false, true, false, false};
const std::vector<bool> OneRodOnly{true, false, false, false, false, false, false, false, false};

INSTANTIATE_TEST_SUITE_P(
    Soil, TwoLayerBadInput,
    testing::Values(
        BadCase{"sound", Sound, Design(), All},
        BadCase{"rod length 0", Sound, With(Design(), &GroundingDesign::rodLength, 0.0), WireOnly},
        BadCase{"no rods", Sound, WithRods(0), WireOnly},
        BadCase{"too many rods", Sound, WithRods(MaxLayeredRods + 1), WireOnly},
        BadCase{"most rods", Sound, WithRods(MaxLayeredRods), All},
        BadCase{"one rod", Sound, WithRods(1), All},
        BadCase{"wire depth 0", Sound, With(Design(), &GroundingDesign::wireDepth, 0.0), RodsOnly},
        BadCase{"wire length 0", Sound, With(Design(), &GroundingDesign::wireLength, 0.0),
                OneRodOnly},
        BadCase{"rods a world apart", Sound, With(Design(), &GroundingDesign::wireLength, 1e12),
                All},
        BadCase{"rods on one spot", Sound, With(Design(), &GroundingDesign::wireLength, 1e-12),
                OneRodOnly},
        BadCase{"no upper resistivity", {0.0, 100.0, 2.0}, Design(), None},
        BadCase{"boundary at the surface", {300.0, 100.0, 0.0}, Design(), None},
        BadCase{"boundary NaN", {300.0, 100.0, NaN}, Design(), None}),
    [](const testing::TestParamInfo<BadCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// The mean inverse distance between a rod and a horizontal wire square to it,
// the wire's line passing `offset` from the rod's axis: the integral over the
// rectangle they span, c^2 = offset^2 + a^2, in closed form.
double RectanglePrimitive(double x, double z, double c) {
    const double r = std::sqrt((x * x) + (z * z) + (c * c));
    return (x * std::asinh(z / std::hypot(x, c))) + (z * std::asinh(x / std::hypot(z, c))) -
           (c * std::atan(x * z / (c * r)));
}

struct CrossingCase {
    double wireStart; // along the wire, from the point nearest the rod
    double wireEnd;
    double wireDepth;
    double offset;
};

std::ostream& operator<<(std::ostream& out, const CrossingCase& c) {
    return out << "wire " << c.wireStart << " to " << c.wireEnd << " at " << c.wireDepth << " m, "
               << c.offset << " m off the rod";
}

class RodAndWire : public testing::TestWithParam<CrossingCase> {};

TEST_P(RodAndWire, MeanInverseDistanceMatchesTheClosedForm) {
    const CrossingCase& c = GetParam();
    const double radius = FiveEighthsInch / 2.0;
    const double length = 3.0;
    const Conductor rod = Rod(length, FiveEighthsInch);
    const Conductor wire{{{c.wireStart, c.offset, c.wireDepth}, {c.wireEnd, c.offset, c.wireDepth}},
                         0.0013};
    const double spread = std::hypot(c.offset, radius);
    const double z0 = -c.wireDepth;
    const double z1 = length - c.wireDepth;
    const double exact =
        (RectanglePrimitive(c.wireEnd, z1, spread) - RectanglePrimitive(c.wireStart, z1, spread) -
         RectanglePrimitive(c.wireEnd, z0, spread) + RectanglePrimitive(c.wireStart, z0, spread)) /
        (length * (c.wireEnd - c.wireStart));
    EXPECT_LT(Relative(MeanInverseDistance(rod.line, wire.line, radius), exact), 1e-6);
    EXPECT_LT(Relative(MeanInverseDistance(wire.line, rod.line, radius), exact), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Soil, RodAndWire,
    testing::Values(CrossingCase{0.0, 3.0, 0.762, 0.0}, CrossingCase{-2.0, 4.0, 0.762, 0.0},
                    CrossingCase{0.0, 6.0, 2.9, 0.0}, CrossingCase{0.0, 3.0, 0.5, 0.3},
                    CrossingCase{1.0, 2.0, 1.5, 2.0}, CrossingCase{4.0, 10.0, 0.762, 1.0},
                    CrossingCase{30.0, 36.0, 0.762, 0.0}, CrossingCase{55.0, 61.0, 0.762, 0.0},
                    CrossingCase{40.0, 41.0, 0.762, 20.0}),
    [](const testing::TestParamInfo<CrossingCase>& info) {
        const CrossingCase& c = info.param;
        return CaseName(info.index, {std::to_string(c.wireStart), std::to_string(c.wireEnd),
                                     std::to_string(c.wireDepth), std::to_string(c.offset)});
    });

} // namespace
