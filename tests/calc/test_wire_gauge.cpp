#include "calc/WireGauge.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <ostream>

namespace {

using stakewell::calc::DiameterToGauge;
using stakewell::calc::GaugeToDiameter;

struct GaugeCase {
    std::string gauge;
    float diameter;
};

void PrintTo(const GaugeCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.gauge);
}

class GaugeToDiameterTest : public ::testing::TestWithParam<GaugeCase> {};

TEST_P(GaugeToDiameterTest, GivesTheGaugeDiameter) {
    EXPECT_EQ(GaugeToDiameter(GetParam().gauge), GetParam().diameter)
        << "gauge \"" << GetParam().gauge << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, GaugeToDiameterTest,
    ::testing::Values(GaugeCase{"10", 0.10189711F}, GaugeCase{"36", 0.0049999999F},
                      GaugeCase{"0", 0.32486075F}, GaugeCase{"00", 0.36479658F},
                      GaugeCase{"000", 0.40964183F}, GaugeCase{"0000", 0.46000001F},
                      GaugeCase{" 00 ", 0.36479658F}, GaugeCase{"-1", 0.36479658F},
                      GaugeCase{"-1.5", 0.40964183F}, GaugeCase{"10.7", 0.10189711F},
                      GaugeCase{"err", 0.32486075F}, GaugeCase{"0000+", 0.32486075F},
                      GaugeCase{"abc", 0.32486075F}, GaugeCase{"", 0.32486075F},
                      GaugeCase{"1000", 0.0F}, GaugeCase{"-1000", FLT_MAX},
                      GaugeCase{"-99999999", FLT_MAX}, GaugeCase{"99999999", 0.0F}),
    [](const auto& info) { return CaseName(info.index, {info.param.gauge}); });

struct DiameterCase {
    double diameter;
    std::string gauge;
};

void PrintTo(const DiameterCase& c, std::ostream* os) {
    *os << c.diameter;
}

class DiameterToGaugeTest : public ::testing::TestWithParam<DiameterCase> {};

TEST_P(DiameterToGaugeTest, GivesTheGaugeText) {
    EXPECT_EQ(DiameterToGauge(GetParam().diameter), GetParam().gauge)
        << "diameter " << GetParam().diameter;
}

INSTANTIATE_TEST_SUITE_P(Table, DiameterToGaugeTest,
                         ::testing::Values(DiameterCase{0.1, "10"}, DiameterCase{0.1019, "9"},
                                           DiameterCase{0.25, "2"}, DiameterCase{0.2893, "0"},
                                           DiameterCase{0.3249, "0"}, DiameterCase{0.3648, "00"},
                                           DiameterCase{0.4096, "000"}, DiameterCase{0.46, "0000"},
                                           DiameterCase{0.47, "0000"}, DiameterCase{0.5, "0000+"},
                                           DiameterCase{1.0, "0000+"}, DiameterCase{0.005, "36"},
                                           DiameterCase{0.0001, "69"}, DiameterCase{0.0, "err"},
                                           DiameterCase{-0.1, "err"}, DiameterCase{NAN, "err"},
                                           DiameterCase{DBL_MAX, "0000+"},
                                           DiameterCase{INFINITY, "0000+"},
                                           DiameterCase{5e-324, "6411"}),
                         [](const auto& info) { return CaseName(info.index, {info.param.gauge}); });

TEST(WireGauge, RoundTripIsNotTheIdentity) {
    EXPECT_EQ(DiameterToGauge(0.1019), "9");
    EXPECT_EQ(DiameterToGauge(GaugeToDiameter("1")), "1");
    EXPECT_EQ(DiameterToGauge(0.2893), "0");
}

TEST(WireGauge, LogNIsTheQuotientOfLogarithms) {
    EXPECT_DOUBLE_EQ(stakewell::calc::LogN(92.0 * 92.0, 92), 2.0);
    EXPECT_EQ(stakewell::calc::LogN(1.0, 92), 0.0);
}

} // namespace
