#include "graph/PlotScale.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using stakewell::fop::FallOfPotential;
using stakewell::fop::FOPPoint;
using stakewell::graph::PlotExtents;

FallOfPotential Readings(std::vector<FOPPoint> measured, double e2) {
    FallOfPotential fop;
    std::vector<FOPPoint> points{FOPPoint{}};
    points.insert(points.end(), measured.begin(), measured.end());
    fop.Replace(std::move(points), 0);
    fop.FOPE2Distance = e2;
    return fop;
}

struct ExtentsCase {
    const char* name;
    std::vector<FOPPoint> points;
    double e2;
    double maxOhms, minOhms, maxFeet, minFeet;
    double ohmsSpan, feetSpan;
};

void PrintTo(const ExtentsCase& c, std::ostream* os) {
    *os << c.name;
}

class PlotExtentsTest : public testing::TestWithParam<ExtentsCase> {};

TEST_P(PlotExtentsTest, ExtentsAndSpans) {
    const ExtentsCase& c = GetParam();
    PlotExtents plot;
    const stakewell::graph::PlotSpans spans =
        stakewell::graph::ComputeExtents(Readings(c.points, c.e2), plot);
    EXPECT_DOUBLE_EQ(plot.MaxOhms, c.maxOhms);
    EXPECT_DOUBLE_EQ(plot.MinOhms, c.minOhms);
    EXPECT_DOUBLE_EQ(plot.MaxFeet, c.maxFeet);
    EXPECT_DOUBLE_EQ(plot.MinFeet, c.minFeet);
    EXPECT_DOUBLE_EQ(spans.Ohms, c.ohmsSpan);
    EXPECT_DOUBLE_EQ(spans.Distance, c.feetSpan);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlotExtentsTest,
    testing::Values(
        ExtentsCase{"SixtyTwoPercentBeyondLastPoint",
                    {{10, 8}, {20, 6}, {30, 5}},
                    50,
                    8,
                    5,
                    31.5,
                    10,
                    3,
                    21.5},
        ExtentsCase{"EqualResistanceWidensOhms", {{10, 5}, {20, 5}}, 30, 6.25, 5, 20, 10, 0, 10},
        ExtentsCase{
            "SixtyTwoPercentBeforeFirstPoint", {{40, 3}, {60, 4}}, 50, 4, 3, 60, 30.5, 1, 29.5},
        ExtentsCase{"ZeroOhmsBecomesOne", {{10, 0}, {20, 0}}, 30, 1, 0, 20, 10, 1, 10},
        ExtentsCase{"EqualDistanceWidensFeet", {{31, 3}, {31, 4}}, 50, 4, 3, 38.75, 31, 1, 0},
        ExtentsCase{"NoPointsLeavesStartValues", {}, 50, -999, 9999, 31.5, 30.5, -10998, 1},
        ExtentsCase{"OriginIsNeverMeasured", {{5, 2}}, 0, 2.5, 2, 5, 0, 0, 5}),
    [](const testing::TestParamInfo<ExtentsCase>& info) { return info.param.name; });

TEST(PlotLimits, PadsFollowTheWorkedExample) {
    PlotExtents plot;
    stakewell::graph::ComputeExtents(Readings({{10, 8}, {20, 6}, {30, 5}}, 50), plot);
    stakewell::graph::ComputeLimits(plot);
    EXPECT_FLOAT_EQ(plot.PlotLeft, 8065.0F);   // 10 ft less 9% of 21.5 ft
    EXPECT_FLOAT_EQ(plot.PlotRight, 33435.0F); // 31.5 ft plus 9% of 21.5 ft
    EXPECT_FLOAT_EQ(plot.PlotTop, 8029.7F);    // 8 ohms plus 0.99% of 3 ohms
    EXPECT_FLOAT_EQ(plot.PlotBottom, 4970.3F); // 5 ohms less 0.99% of 3 ohms
    EXPECT_GT(plot.PlotTop, plot.PlotBottom);
}

TEST(PlotLimits, PadIsRoundedToSinglePrecisionBeforeUse) {
    // 9% of 111.11111 ft is 9.9999999, which single precision holds as exactly 10:
    // the left limit lands on 0 rather than on 0.0001 ft.
    PlotExtents plot;
    stakewell::graph::ComputeExtents(Readings({{10, 1}, {121.11111, 2}}, 100), plot);
    stakewell::graph::ComputeLimits(plot);
    EXPECT_EQ(plot.PlotLeft, 0.0F);
}

TEST(PlotLimits, HugeExtentsBecomeInfiniteAndUnusable) {
    PlotExtents plot;
    plot.MaxFeet = 1.0e300;
    plot.MinFeet = -1.0e300;
    plot.MaxOhms = 2;
    plot.MinOhms = 1;
    stakewell::graph::ComputeLimits(plot);
    EXPECT_TRUE(std::isinf(plot.PlotRight));
    EXPECT_FALSE(stakewell::graph::HasUsableScale(plot));
}

TEST(PlotLimits, ZeroLimitsAreUnusable) {
    EXPECT_FALSE(stakewell::graph::HasUsableScale(PlotExtents{}));
}

struct GridCase {
    const char* name;
    double minValue, maxValue, span;
    std::vector<double> values;
};

void PrintTo(const GridCase& c, std::ostream* os) {
    *os << c.name;
}

class GridLinesTest : public testing::TestWithParam<GridCase> {};

TEST_P(GridLinesTest, Values) {
    const GridCase& c = GetParam();
    std::vector<double> values;
    for (const auto& line : stakewell::graph::GridLines(c.minValue, c.maxValue, c.span)) {
        values.push_back(line.Value);
    }
    EXPECT_EQ(values, c.values);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridLinesTest,
    testing::Values(GridCase{"ExampleFeet", 10, 31.5, 21.5, {11, 15, 19, 23, 27, 31}},
                    GridCase{"ExampleOhms", 5, 8, 3, {6, 7, 8}},
                    GridCase{"ZeroStepRepeatsSixTimes", 5, 6.25, 0, {6, 6, 6, 6, 6, 6}},
                    GridCase{"HalfStepRoundsDownToEven", 0, 100, 12.5, {1, 3, 5, 7, 9, 11}},
                    GridCase{"HalfStepRoundsUpToEven", 0, 100, 17.5, {1, 5, 9, 13, 17, 21}},
                    GridCase{"SpanOfTwoAndAHalfGivesZeroStep", 3.2, 5.7, 2.5, {4, 4, 4, 4, 4, 4}},
                    GridCase{"NegativeStepCountsDown", 20, 10, -10, {21, 19, 17, 15, 13, 11}},
                    GridCase{"TruncationTowardZero", -5.5, 4.9, 9.5, {-4, -2, 0, 2, 4}},
                    GridCase{"FirstLineBeyondLast", 10, 10.5, 0.5, {}}),
    [](const testing::TestParamInfo<GridCase>& info) { return info.param.name; });

TEST(GridLines, NonFiniteSpansStillStop) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_LE(stakewell::graph::GridLines(0, 1.0e300, inf).size(), 6U);
    EXPECT_LE(stakewell::graph::GridLines(0, 10, std::nan("")).size(), 6U);
    EXPECT_LE(stakewell::graph::GridLines(-inf, inf, inf).size(), 6U);
}

struct LabelCase {
    double value;
    const char* text;
};

void PrintTo(const LabelCase& c, std::ostream* os) {
    *os << c.value;
}

class GridLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(GridLabelTest, Text) {
    EXPECT_EQ(stakewell::graph::GridLabel(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridLabelTest,
                         testing::Values(LabelCase{11, " 11"}, LabelCase{0, " 0"},
                                         LabelCase{-0.0, " 0"}, LabelCase{-4, "-4"},
                                         LabelCase{32767, " 32767"}),
                         [](const auto& info) { return CaseName(info.index, {info.param.text}); });

TEST(SixtyTwoPercent, IsSixtyTwoPercentOfE2InThousandths) {
    EXPECT_DOUBLE_EQ(stakewell::graph::SixtyTwoPercentX(Readings({}, 50)), 31000.0);
    EXPECT_DOUBLE_EQ(stakewell::graph::SixtyTwoPercentX(Readings({}, 0)), 0.0);
}

TEST(PixelToUser, CornersMapToTheLimits) {
    PlotExtents plot;
    plot.PlotLeft = 8065.0F;
    plot.PlotRight = 33435.0F;
    plot.PlotTop = 8029.7F;
    plot.PlotBottom = 4970.3F;
    const auto topLeft = stakewell::graph::PixelToUser(plot, 0, 0, 400, 300);
    EXPECT_FLOAT_EQ(topLeft.X, 8065.0F);
    EXPECT_FLOAT_EQ(topLeft.Y, 8029.7F);
    const auto bottomRight = stakewell::graph::PixelToUser(plot, 400, 300, 400, 300);
    EXPECT_FLOAT_EQ(bottomRight.X, 33435.0F);
    EXPECT_FLOAT_EQ(bottomRight.Y, 4970.3F);
    const auto middle = stakewell::graph::PixelToUser(plot, 200, 150, 400, 300);
    EXPECT_FLOAT_EQ(middle.X, 20750.0F);
    EXPECT_FLOAT_EQ(middle.Y, 6500.0F);
}

TEST(PixelToUser, ZeroLimitsReadZeroAndAnEmptyPictureDoesNotDivide) {
    const auto point = stakewell::graph::PixelToUser(PlotExtents{}, 120, 80, 400, 300);
    EXPECT_EQ(point.X, 0.0F);
    EXPECT_EQ(point.Y, 0.0F);
    PlotExtents plot;
    plot.PlotLeft = 1000.0F;
    plot.PlotTop = 2000.0F;
    const auto empty = stakewell::graph::PixelToUser(plot, 5, 5, 0, 0);
    EXPECT_EQ(empty.X, 1000.0F);
    EXPECT_EQ(empty.Y, 2000.0F);
}

struct ReadoutCase {
    float x;
    float y;
    const char* feet;
    const char* ohms;
};

void PrintTo(const ReadoutCase& c, std::ostream* os) {
    *os << c.x << ", " << c.y;
}

class ReadoutTest : public testing::TestWithParam<ReadoutCase> {};

TEST_P(ReadoutTest, Texts) {
    EXPECT_EQ(
        stakewell::graph::DistanceReadout(GetParam().x, stakewell::shared::UnitSystem::Imperial),
        GetParam().feet);
    EXPECT_EQ(stakewell::graph::OhmsReadout(GetParam().y), GetParam().ohms);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadoutTest,
                         testing::Values(ReadoutCase{31000.0F, 6500.0F, "31 Feet", "6.5 Ohms"},
                                         ReadoutCase{0.0F, 0.0F, "0 Feet", "0 Ohms"},
                                         ReadoutCase{12345.678F, -250.0F, "12.34568 Feet",
                                                     "-0.25 Ohms"}),
                         [](const auto& info) {
                             return CaseName(info.index, {info.param.feet, info.param.ohms});
                         });

// A printed axis steps by 1, 2 or 5 times a power of ten, the finest such
// step that keeps to the most ticks asked for, and labels its ticks with the
// decimals the step needs.
struct TicksCase {
    const char* name;
    double low, high;
    int most;
    double step;
    std::vector<const char*> labels;
};

void PrintTo(const TicksCase& c, std::ostream* os) {
    *os << c.name;
}

class RoundTicksTest : public testing::TestWithParam<TicksCase> {};

TEST_P(RoundTicksTest, StepAndLabels) {
    const TicksCase& c = GetParam();
    const stakewell::graph::AxisTicks ticks = stakewell::graph::RoundTicks(c.low, c.high, c.most);
    EXPECT_DOUBLE_EQ(ticks.Step, c.step);
    std::vector<std::string> labels;
    for (const double value : ticks.Values) {
        labels.push_back(stakewell::graph::TickLabel(value, ticks.Step));
    }
    EXPECT_EQ(labels, std::vector<std::string>(c.labels.begin(), c.labels.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundTicksTest,
    testing::Values(
        TicksCase{"HundredFeetByTwenties", 0, 100, 8, 20, {"0", "20", "40", "60", "80", "100"}},
        TicksCase{"WindowGridRangeByFives", 11, 43, 6, 5, {"15", "20", "25", "30", "35", "40"}},
        TicksCase{"TenthsOfAnOhmByTwo", 0.3, 0.9, 6, 0.2, {"0.4", "0.6", "0.8"}},
        TicksCase{"AcrossZero", -5, 5, 8, 2, {"-4", "-2", "0", "2", "4"}},
        TicksCase{"ThousandsOfFeet",
                  1000,
                  1.0e6,
                  8,
                  2.0e5,
                  {"200000", "400000", "600000", "800000", "1000000"}},
        TicksCase{"NarrowAroundTen", 9.5, 10.5, 6, 0.2, {"9.6", "9.8", "10.0", "10.2", "10.4"}},
        TicksCase{"OneTickAsked", 3, 17, 1, 10, {"10"}}, TicksCase{"EmptyRange", 5, 5, 6, 0, {}},
        TicksCase{"ReversedRange", 9, 1, 6, 0, {}},
        TicksCase{"NotANumber", std::nan(""), 1, 6, 0, {}},
        TicksCase{"WiderThanDoubles", -1.0e308, 1.0e308, 6, 0, {}}),
    [](const auto& info) { return CaseName(info.index, {info.param.name}); });

// Readings at the extents' very ends lie inside a printed plot's limits.
TEST(OutputLimits, LeaveARoomAroundEveryReading) {
    PlotExtents plot;
    plot.MinFeet = 10;
    plot.MaxFeet = 110;
    plot.MinOhms = 8;
    plot.MaxOhms = 30;
    const PlotExtents output = stakewell::graph::OutputLimits(plot);
    EXPECT_FLOAT_EQ(output.PlotLeft, 4000.0F);
    EXPECT_FLOAT_EQ(output.PlotRight, 116000.0F);
    EXPECT_FLOAT_EQ(output.PlotTop, 31320.0F);
    EXPECT_FLOAT_EQ(output.PlotBottom, 6680.0F);
}

TEST(ToSingle, NarrowsAndSaturatesToInfinity) {
    EXPECT_EQ(stakewell::graph::ToSingle(1.5), 1.5F);
    EXPECT_EQ(stakewell::graph::ToSingle(1.0e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(stakewell::graph::ToSingle(-1.0e300), -std::numeric_limits<float>::infinity());
}

} // namespace
