#include "soilwindow/LogScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using stakewell::soilwindow::LogScale;

TEST(LogScale, RunsOverTheWholeDecadesThatHoldEveryValue) {
    const LogScale scale({3.0, 45.0, 0.0, -2.0, std::numeric_limits<double>::quiet_NaN()});
    EXPECT_EQ(scale.Low(), 1.0);
    EXPECT_EQ(scale.High(), 100.0);
    EXPECT_DOUBLE_EQ(scale.Fraction(10.0), 0.5);
    EXPECT_DOUBLE_EQ(scale.ValueAt(0.5), 10.0);
    EXPECT_TRUE(std::isnan(scale.Fraction(0.0)));
}

TEST(LogScale, OneValueOnADecadeStillSpansADecade) {
    const LogScale scale({100.0});
    EXPECT_EQ(scale.Low(), 100.0);
    EXPECT_EQ(scale.High(), 1000.0);
}

TEST(LogScale, TicksAreOneTwoAndFiveOfEachDecade) {
    EXPECT_EQ(LogScale({0.2, 9.0}).Ticks(), (std::vector<double>{0.1, 0.2, 0.5, 1, 2, 5, 10}));
}

TEST(LogScale, WithoutAnyValueRunsFromOneToTen) {
    const LogScale scale({});
    EXPECT_EQ(scale.Low(), 1.0);
    EXPECT_EQ(scale.High(), 10.0);
}

} // namespace
