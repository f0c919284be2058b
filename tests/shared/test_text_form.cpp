#include "shared/NumberReading.h"
#include "shared/TextForm.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <ostream>
#include <random>
#include <string>

namespace {

using stakewell::shared::DoubleText;
using stakewell::shared::ReadNumber;
using stakewell::shared::SingleText;

struct DoubleCase {
    double value;
    std::string text;
};

void PrintTo(const DoubleCase& c, std::ostream* os) {
    *os << c.text;
}

class DoubleTextTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleTextTest, WritesThePlainForm) {
    EXPECT_EQ(DoubleText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleTextTest,
    ::testing::Values(DoubleCase{50.0, "50"}, DoubleCase{0.625, "0.625"}, DoubleCase{0.0, "0"},
                      DoubleCase{-0.0, "0"}, DoubleCase{-12.5, "-12.5"}, DoubleCase{0.1, "0.1"},
                      DoubleCase{1.0 / 3.0, "0.333333333333333"},
                      DoubleCase{123456789012345.0, "123456789012345"}, DoubleCase{1e15, "1E+15"},
                      DoubleCase{1.5e20, "1.5E+20"}, DoubleCase{0.00001, "0.00001"},
                      DoubleCase{0.000001, "1E-06"}, DoubleCase{-2.5e-300, "-2.5E-300"},
                      DoubleCase{DBL_MAX, "1.79769313486232E+308"}),
    [](const auto& info) { return CaseName(info.index, {info.param.text}); });

TEST(SingleText, WritesAtMostSevenDigits) {
    EXPECT_EQ(SingleText(0.1019F), "0.1019");
    EXPECT_EQ(SingleText(0.10189711F), "0.1018971");
    EXPECT_EQ(SingleText(31.5F), "31.5");
    EXPECT_EQ(SingleText(-1234567.0F), "-1234567");
    EXPECT_EQ(SingleText(12345678.0F), "1.234568E+07");
    EXPECT_EQ(SingleText(FLT_MAX), "3.402823E+38");
}

TEST(TextForm, NonFiniteValuesGiveEmptyText) {
    EXPECT_EQ(DoubleText(INFINITY), "");
    EXPECT_EQ(DoubleText(NAN), "");
    EXPECT_EQ(SingleText(-INFINITY), "");
}

TEST(TextForm, EveryDoubleTextReadsBackToFifteenDigits) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> power(-320, 300);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, power(random));
        const std::string text = DoubleText(value);
        const double back = ReadNumber(text);
        EXPECT_NEAR(back, value, std::fabs(value) * 1e-14 + 5e-324) << text;
    }
}

} // namespace
