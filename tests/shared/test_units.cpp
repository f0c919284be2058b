#include "shared/TypedNumber.h"
#include "shared/Units.h"

#include "../CaseName.h"

#include <gtest/gtest.h>

namespace {

using stakewell::shared::Measure;
using stakewell::shared::UnitSystem;

struct ConversionCase {
    double imperial;
    Measure measure;
    const char* metricText;
    const char* imperialText;
};

class UnitConversion : public testing::TestWithParam<ConversionCase> {};

// Each value goes to metric as a person writes it, and its metric text read
// back gives the imperial value's own text.
TEST_P(UnitConversion, WritesWithoutNoiseBothWays) {
    using namespace stakewell::shared;
    const ConversionCase& c = GetParam();
    const std::string metric = ConvertedText(ToMetric(c.imperial, c.measure));
    EXPECT_EQ(metric, c.metricText);
    EXPECT_EQ(ConvertedText(ToImperial(std::stod(metric), c.measure)), c.imperialText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnitConversion,
    testing::Values(ConversionCase{10.0, Measure::Length, "3.048", "10"},
                    ConversionCase{8.0, Measure::Length, "2.4384", "8"},
                    ConversionCase{2.5, Measure::Length, "0.762", "2.5"},
                    ConversionCase{0.625, Measure::Diameter, "15.875", "0.625"},
                    ConversionCase{0.2576, Measure::Diameter, "6.54304", "0.2576"},
                    ConversionCase{1.0 / 3.0, Measure::Length, "0.1016", "0.333333333333"},
                    ConversionCase{1e9, Measure::Length, "304800000", "1000000000"}),
    [](const testing::TestParamInfo<ConversionCase>& info) {
        return CaseName(info.index, {info.param.metricText});
    });

TEST(CrossSection, GivesTheUsualFiguresOfSolidConductors) {
    using namespace stakewell::shared;
    // 2 AWG is 0.2576 in across; 50 mm² solid is 7.98 mm across.
    EXPECT_EQ(SignificantText(CrossSection(ToMetric(0.2576, Measure::Diameter)), 3), "33.6");
    EXPECT_EQ(SignificantText(DiameterOfSection(50.0), 4), "7.979");
    EXPECT_EQ(SignificantText(CrossSection(DiameterOfSection(95.0)), 3), "95");
    EXPECT_EQ(SignificantText(1234.5, 3), "1230");
}

struct TypedCase {
    const char* typed;
    bool decimalComma;
    std::optional<Measure> measure;
    UnitSystem units;
    const char* text;
    const char* note; // the refusal or the conversion
};

class Typed : public testing::TestWithParam<TypedCase> {};

TEST_P(Typed, ReadsAsThePersonMeantOrSaysWhyNot) {
    const TypedCase& c = GetParam();
    const auto read = stakewell::shared::ReadTyped(c.typed, {c.decimalComma, c.measure, c.units});
    EXPECT_EQ(read.text, c.text);
    EXPECT_EQ(read.refusal.empty() ? read.conversion : read.refusal, c.note);
}

constexpr auto Imperial = UnitSystem::Imperial;
constexpr auto Metric = UnitSystem::Metric;
constexpr auto Length = Measure::Length;
constexpr auto Diameter = Measure::Diameter;

INSTANTIATE_TEST_SUITE_P(
    Table, Typed,
    testing::Values(
        // The lenient imperial reading is left exactly as it was.
        TypedCase{"3,5", false, Length, Imperial, "3,5", ""},
        TypedCase{"2 5", false, std::nullopt, Imperial, "2 5", ""},
        TypedCase{"abc", false, Length, Imperial, "abc", ""},
        // A decimal comma, and what it cannot decide.
        TypedCase{"3,5", true, Length, Metric, "3.5", ""},
        TypedCase{"0,500", true, std::nullopt, Metric, "0.500", ""},
        TypedCase{"12345,678", true, std::nullopt, Metric, "12345.678", ""},
        TypedCase{"1,000", true, std::nullopt, Metric, "",
                  "\"1,000\" could be read as 1 or as 1000: write 1.000 or 1000."},
        TypedCase{"-2,125", true, Length, Metric, "",
                  "\"-2,125\" could be read as -2.125 or as -2125: write -2.125 or -2125."},
        TypedCase{"1,000.5", true, std::nullopt, Imperial, "",
                  "\"1,000.5\" could be read more than one way: write it with one decimal mark "
                  "and no thousands separator."},
        // A unit typed with the length, in either system.
        TypedCase{"3 m", false, Length, Imperial, "9.84251968503937",
                  "Read as 9.84251968504 ft: converted from 3 m."},
        TypedCase{"10 ft", true, Length, Metric, "3.048", "Read as 3.048 m: converted from 10 ft."},
        TypedCase{"0.625 in", true, Diameter, Metric, "15.875",
                  "Read as 15.875 mm: converted from 0.625 in."},
        TypedCase{"16 mm", false, Diameter, Imperial, "0.6299212598425197",
                  "Read as 0.629921259843 in: converted from 16 mm."},
        TypedCase{"3,5 M", true, Length, Metric, "3.5", ""},
        TypedCase{"10 ft", false, Length, Imperial, "10", ""},
        TypedCase{"10 ft", false, std::nullopt, Imperial, "10 ft", ""},
        TypedCase{"1,000 m", true, Length, Metric, "",
                  "\"1,000\" could be read as 1 or as 1000: write 1.000 or 1000."},
        TypedCase{"2 5 m", false, Length, Imperial, "2 5 m", ""},
        TypedCase{"3 km", false, Length, Imperial, "3 km", ""}),
    [](const testing::TestParamInfo<TypedCase>& info) {
        return CaseName(info.index, {info.param.typed});
    });

} // namespace
