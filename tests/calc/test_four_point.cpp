#include "calc/Recalculate.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

namespace {

using modStakewell::RecalcInputs;
using modStakewell::RecalcLabels;

struct FourPointCase {
    std::string e2;
    std::string measured;
    std::string p1;
    std::string p2;
    std::string resistivity;
};

void PrintTo(const FourPointCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(std::tuple(c.e2, c.measured));
}

class FourPointTest : public ::testing::TestWithParam<FourPointCase> {};

TEST_P(FourPointTest, ShowsProbePositionsAndResistivity) {
    const FourPointCase& c = GetParam();
    RecalcInputs in;
    in.tbx4ptE2 = c.e2;
    in.tbxMVal = c.measured;
    RecalcLabels labels;
    modStakewell::Recalculate(in, labels);
    EXPECT_EQ(labels.lbP1, c.p1);
    EXPECT_EQ(labels.lbP2, c.p2);
    EXPECT_EQ(labels.lbEarthRes, c.resistivity);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FourPointTest,
    ::testing::Values(FourPointCase{"50", "", "P1 = 16.7", "P2 = 33.3", "0.00"},
                      FourPointCase{"100", "10", "P1 = 33.3", "P2 = 66.7", "638.37"},
                      FourPointCase{"300", "100", "P1 = 100.0", "P2 = 200.0", "19,151.13"},
                      FourPointCase{"1", "", "P1 = .3", "P2 = .7", "0.00"},
                      FourPointCase{"", "", "P1 = .0", "P2 = .0", "0.00"},
                      FourPointCase{"-50", "", "P1 = -16.7", "P2 = -33.3", "0.00"}),
    [](const auto& info) {
        return CaseName(info.index, {info.param.e2, info.param.measured});
    });

TEST(FourPoint, OverflowKeepsThePreviousResistivity) {
    RecalcLabels labels;
    labels.lbEarthRes = "638.37";
    RecalcInputs in;
    in.tbx4ptE2 = "1E300";
    in.tbxMVal = "1E300";
    modStakewell::Recalculate(in, labels);
    EXPECT_EQ(labels.lbEarthRes, "638.37");
    EXPECT_EQ(labels.lbP1.substr(0, 7), "P1 = 33");
}

} // namespace
