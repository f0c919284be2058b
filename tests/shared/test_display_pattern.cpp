#include "shared/DisplayPattern.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace {

struct PatternCase {
    double value;
    std::string pattern;
    std::string text;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.value << " through " << c.pattern;
}

std::string ShownText(const ::testing::TestParamInfo<PatternCase>& info) {
    return CaseName(info.index, {info.param.text});
}

class DisplayPatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(DisplayPatternTest, FormatsAsAPersonReadsIt) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(stakewell::shared::FormatPattern(c.value, c.pattern), c.text)
        << c.value << " through " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(Ohms, DisplayPatternTest,
                         ::testing::Values(PatternCase{33.09099, "##0.000", "33.091"},
                                           PatternCase{0.5, "##0.000", "0.500"},
                                           PatternCase{1234.5, "##0.000", "1234.500"},
                                           PatternCase{-81.8934, "##0.000", "-81.893"},
                                           PatternCase{0.0625, "##0.000", "0.063"},
                                           PatternCase{-0.0004, "##0.000", "0.000"},
                                           PatternCase{999.9996, "##0.000", "1000.000"},
                                           PatternCase{1e20, "##0.000",
                                                       "100000000000000000000.000"}),
                         ShownText);

INSTANTIATE_TEST_SUITE_P(
    Feet, DisplayPatternTest,
    ::testing::Values(PatternCase{20.0, "#0.00", "20.00"}, PatternCase{-60.0, "#0.00", "-60.00"},
                      PatternCase{2.675, "#0.00", "2.68"}, PatternCase{0.0, "#0.00", "0.00"},
                      PatternCase{-0.0, "#0.00", "0.00"}, PatternCase{16.666666, "#0.00", "16.67"},
                      PatternCase{31.0, "#0.0", "31.0"}, PatternCase{0.31, "#0.0", "0.3"},
                      PatternCase{62.0, "#0.0", "62.0"}),
    ShownText);

INSTANTIATE_TEST_SUITE_P(FourPoint, DisplayPatternTest,
                         ::testing::Values(PatternCase{0.3333, "##.0", ".3"},
                                           PatternCase{0.0, "##.0", ".0"},
                                           PatternCase{16.6667, "##.0", "16.7"},
                                           PatternCase{100.0, "##.0", "100.0"},
                                           PatternCase{-16.6667, "##.0", "-16.7"},
                                           PatternCase{19151.1326, "#,##0.00", "19,151.13"},
                                           PatternCase{638.3711, "#,##0.00", "638.37"},
                                           PatternCase{0.0, "#,##0.00", "0.00"},
                                           PatternCase{1234567.891, "#,##0.00", "1,234,567.89"},
                                           PatternCase{-999.999, "#,##0.00", "-1,000.00"}),
                         ShownText);

INSTANTIATE_TEST_SUITE_P(Fraction, DisplayPatternTest,
                         ::testing::Values(PatternCase{0.625, "##0.0##", "0.625"},
                                           PatternCase{0.5, "##0.0##", "0.5"},
                                           PatternCase{3.0, "##0.0##", "3.0"},
                                           PatternCase{2.0 / 3.0, "##0.0##", "0.667"},
                                           PatternCase{15.0 / 16.0, "##0.0##", "0.938"},
                                           PatternCase{1.0 / 16.0, "##0.0##", "0.063"},
                                           PatternCase{12345.0, "##0.0##", "12345.0"},
                                           PatternCase{1.0005, "##0.0##", "1.001"},
                                           PatternCase{-0.625, "##0.0##", "-0.625"},
                                           PatternCase{5.0 / 16.0, "##0.0##", "0.313"},
                                           PatternCase{0.0, "##0.0##", "0.0"}),
                         ShownText);

INSTANTIATE_TEST_SUITE_P(
    PercentAndDiameter, DisplayPatternTest,
    ::testing::Values(PatternCase{1.0 / 3.0, "##0.0%", "33.3%"},
                      PatternCase{1.0, "##0.0%", "100.0%"}, PatternCase{0.0, "##0.0%", "0.0%"},
                      PatternCase{2.0 / 3.0, "##0.0%", "66.7%"},
                      PatternCase{static_cast<double>(0.10189711F), "0.0000", "0.1019"},
                      PatternCase{static_cast<double>(0.32486075F), "0.0000", "0.3249"},
                      PatternCase{static_cast<double>(0.0049999999F), "0.0000", "0.0050"},
                      PatternCase{0.0, "0.0000", "0.0000"}),
    ShownText);

TEST(DisplayPattern, NonFiniteValuesGiveEmptyText) {
    EXPECT_EQ(stakewell::shared::FormatPattern(NAN, "##0.000"), "");
    EXPECT_EQ(stakewell::shared::FormatPattern(INFINITY, "#0.00"), "");
    EXPECT_EQ(stakewell::shared::FormatPattern(-INFINITY, "#,##0.00"), "");
    EXPECT_EQ(stakewell::shared::FormatPattern(1e307, "##0.0%"), "");
}

} // namespace
