#include "shared/NumberReading.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace {

struct ReadingCase {
    std::string text;
    double expected;
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.text);
}

class NumberReadingTest : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(NumberReadingTest, ReadsTheLongestLeadingNumber) {
    const ReadingCase& c = GetParam();
    const double value = stakewell::shared::ReadNumber(c.text);
    EXPECT_EQ(value, c.expected) << "text: \"" << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberReadingTest,
    ::testing::Values(ReadingCase{"", 0.0}, ReadingCase{"abc", 0.0}, ReadingCase{"12", 12.0},
                      ReadingCase{"12abc", 12.0}, ReadingCase{"  12", 12.0},
                      ReadingCase{"1 2 3", 123.0}, ReadingCase{"1\t2\n3", 123.0},
                      ReadingCase{"0.625", 0.625}, ReadingCase{".5", 0.5}, ReadingCase{"5.", 5.0},
                      ReadingCase{"-5", -5.0}, ReadingCase{"+5", 5.0}, ReadingCase{"- 5", -5.0},
                      ReadingCase{"--5", 0.0}, ReadingCase{"1,5", 1.0}, ReadingCase{"1.2.3", 1.2},
                      ReadingCase{"1E3", 1000.0}, ReadingCase{"1e3", 1000.0},
                      ReadingCase{"2.5E-1", 0.25}, ReadingCase{"1E+2x", 100.0},
                      ReadingCase{"1E", 1.0}, ReadingCase{"1E-", 1.0}, ReadingCase{"E5", 0.0},
                      ReadingCase{".", 0.0}, ReadingCase{"-", 0.0}, ReadingCase{"&HFF", 255.0},
                      ReadingCase{"&hff", 255.0}, ReadingCase{"&H1G", 1.0},
                      ReadingCase{"&O17", 15.0}, ReadingCase{"&O8", 0.0}, ReadingCase{"&", 0.0},
                      ReadingCase{"&X12", 0.0}, ReadingCase{"1E999", DBL_MAX},
                      ReadingCase{"-1E999", -DBL_MAX}, ReadingCase{"1E-999", 0.0},
                      ReadingCase{"0.000E999999999999", 0.0}, ReadingCase{"1\r2", 1.0},
                      ReadingCase{"10.7", 10.7}, ReadingCase{"50%", 50.0}),
    [](const auto& info) { return CaseName(info.index, {info.param.text}); });

TEST(NumberReading, NegativeZeroReadsAsZero) {
    EXPECT_EQ(stakewell::shared::ReadNumber("-0"), 0.0);
    EXPECT_EQ(stakewell::shared::ReadNumber("-0.0E5"), 0.0);
}

TEST(NumberReading, LongDigitRunsAreCorrectlyRounded) {
    EXPECT_EQ(stakewell::shared::ReadNumber("0.1000000000000000055511151231257827"), 0.1);
    EXPECT_EQ(stakewell::shared::ReadNumber(std::string(400, '9')), DBL_MAX);
    EXPECT_EQ(stakewell::shared::ReadNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(NumberReading, DenormalsSurvive) {
    EXPECT_GT(stakewell::shared::ReadNumber("1E-310"), 0.0);
    EXPECT_LT(stakewell::shared::ReadNumber("1E-310"), DBL_MIN);
}

// Every box that refuses a reading says the same of the same text.
struct ReasonCase {
    const char* typed;
    const char* reason; // none when the text is taken
};

class NotANumber : public testing::TestWithParam<ReasonCase> {};

TEST_P(NotANumber, SaysWhyAndSuggestsThePointForAComma) {
    const std::optional<std::string> reason = stakewell::shared::NotANumberReason(GetParam().typed);
    if (GetParam().reason == nullptr) {
        EXPECT_EQ(reason, std::nullopt);
    } else {
        EXPECT_EQ(reason.value_or("(taken)"), GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typed, NotANumber,
    testing::Values(ReasonCase{"3.5", nullptr}, ReasonCase{" 3.5 ", nullptr},
                    ReasonCase{"3,5",
                               "\"3,5\" is not a number. Did you mean 3.5? Write the decimal "
                               "point as \".\"."},
                    ReasonCase{" 3,5\t", "\"3,5\" is not a number. Did you mean 3.5? Write the "
                                         "decimal point as \".\"."},
                    ReasonCase{"1,000,5", "\"1,000,5\" is not a number. Write the decimal point as "
                                          "\".\"."},
                    ReasonCase{"2 5", "\"2 5\" is not a number."},
                    ReasonCase{"3.O6", "\"3.O6\" is not a number."},
                    ReasonCase{"abc", "\"abc\" is not a number."}),
    [](const auto& info) { return CaseName(info.index, {info.param.typed}); });

} // namespace
