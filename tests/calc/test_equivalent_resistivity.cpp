#include "CaseName.h"
#include "calc/EquivalentResistivity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using stakewell::calc::Arrangement;
using stakewell::calc::ComputeDesign;
using stakewell::calc::DesignInputs;
using stakewell::calc::EquivalentResistivity;

// A single-precision total is closer than this to the one it aims at only
// when the resistivity is within a step or two of its last bit.
constexpr double FloatClose = 3e-7;

float TotalAt(DesignInputs design, Arrangement arrangement, double rho) {
    design.rho = static_cast<float>(rho);
    const auto results = ComputeDesign(design);
    return arrangement == Arrangement::Linear ? results.Rt.value : results.Rt2.value;
}

struct EquivalentCase {
    const char* name;
    DesignInputs design;
    Arrangement arrangement;
    double ohms;
};

class Equivalent : public testing::TestWithParam<EquivalentCase> {};

TEST_P(Equivalent, ReproducesTheTotalThroughTheDesign) {
    const EquivalentCase& c = GetParam();
    const double rho = EquivalentResistivity(c.design, c.arrangement, c.ohms);
    ASSERT_TRUE(std::isfinite(rho));
    EXPECT_EQ(static_cast<double>(static_cast<float>(rho)), rho) << "held as the design holds it";
    EXPECT_LT(std::abs(TotalAt(c.design, c.arrangement, rho) - c.ohms) / c.ohms, FloatClose)
        << "rho " << rho;
}

// Four 10 ft rods on 60 ft of wire, and the same with the wire's lengths as
// given between electrodes: 3 spans for the line, 4 for the polygon.
constexpr DesignInputs FourRods{100.0F, 10.0F, 0.625F, 4, 60.0F, 0.1019F, 2.5F};
constexpr DesignInputs LineSpans{1.0F, 10.0F, 0.625F, 4, 45.0F, 0.1019F, 2.5F};
constexpr DesignInputs PolygonSpans{1.0F, 10.0F, 0.625F, 4, 60.0F, 0.1019F, 2.5F};
constexpr DesignInputs OneRod{55.0F, 8.0F, 0.5F, 1, 20.0F, 0.2576F, 1.5F};
constexpr DesignInputs ManyRods{250.0F, 10.0F, 0.75F, 32, 600.0F, 0.3249F, 2.5F};

INSTANTIATE_TEST_SUITE_P(
    Calc, Equivalent,
    testing::Values(EquivalentCase{"four_rods_line", FourRods, Arrangement::Linear, 6.4321},
                    EquivalentCase{"four_rods_polygon", FourRods, Arrangement::Polygon, 6.4321},
                    EquivalentCase{"line_spans", LineSpans, Arrangement::Linear, 23.917},
                    EquivalentCase{"polygon_spans", PolygonSpans, Arrangement::Polygon, 23.917},
                    EquivalentCase{"one_rod_line", OneRod, Arrangement::Linear, 0.0173},
                    EquivalentCase{"one_rod_polygon", OneRod, Arrangement::Polygon, 4812.5},
                    EquivalentCase{"many_rods_line", ManyRods, Arrangement::Linear, 1.1},
                    EquivalentCase{"many_rods_polygon", ManyRods, Arrangement::Polygon, 91.06}),
    [](const testing::TestParamInfo<EquivalentCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

struct NoneCase {
    const char* name;
    DesignInputs design;
    double ohms;
};

class NoEquivalent : public testing::TestWithParam<NoneCase> {};

TEST_P(NoEquivalent, IsNaN) {
    const NoneCase& c = GetParam();
    EXPECT_TRUE(std::isnan(EquivalentResistivity(c.design, Arrangement::Linear, c.ohms)));
    EXPECT_TRUE(std::isnan(EquivalentResistivity(c.design, Arrangement::Polygon, c.ohms)));
}

constexpr DesignInputs NoRods{100.0F, 10.0F, 0.625F, 0, 60.0F, 0.1019F, 2.5F};
constexpr DesignInputs NoWireDepth{100.0F, 10.0F, 0.625F, 4, 60.0F, 0.1019F, 0.0F};
constexpr double Infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Calc, NoEquivalent,
                         testing::Values(NoneCase{"two_layer_total_nan", FourRods, std::nan("")},
                                         NoneCase{"two_layer_total_zero", FourRods, 0.0},
                                         NoneCase{"two_layer_total_negative", FourRods, -3.0},
                                         NoneCase{"two_layer_total_infinite", FourRods, Infinity},
                                         // Beyond single precision's range of resistivities.
                                         NoneCase{"two_layer_total_huge", FourRods, 1e300},
                                         NoneCase{"design_without_rods", NoRods, 6.0},
                                         NoneCase{"design_without_wire_depth", NoWireDepth, 6.0}),
                         [](const testing::TestParamInfo<NoneCase>& info) {
                             return CaseName(info.index, {info.param.name});
                         });

} // namespace
