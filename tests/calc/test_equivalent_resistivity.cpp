#include "CaseName.h"
#include "calc/EquivalentResistivity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using stakewell::calc::Arrangement;
using stakewell::calc::DesignInputs;
using stakewell::calc::EquivalentResistivity;

constexpr DesignInputs FourRods{100.0F, 10.0F, 0.625F, 4, 60.0F, 0.1019F, 2.5F};

// Where the total it is to give, or the design's own, has no figure.
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
