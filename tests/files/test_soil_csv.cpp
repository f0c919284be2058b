#include "files/SoilCsv.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using stakewell::soil::LengthUnit;
using stakewell::soil::SoilArray;
using stakewell::soil::SoilReading;
using stakewell::files::ReadSoilCsv;

struct CsvCase {
    std::string name;
    SoilArray array;
    std::string text;
    std::vector<SoilReading> readings;
    std::string problem;
};

std::ostream& operator<<(std::ostream& out, const CsvCase& c) {
    return out << c.name;
}

class SoilCsv : public testing::TestWithParam<CsvCase> {};

TEST_P(SoilCsv, ReadsEveryReadingOrNoneAndTheBadLine) {
    const CsvCase& c = GetParam();
    const auto read = ReadSoilCsv(c.text, c.array, LengthUnit::Feet);
    EXPECT_EQ(read.problem, c.problem);
    EXPECT_EQ(read.readings, c.readings);
}

const std::vector<SoilReading> Wenner{{5, 12.5, {}, 0}, {10, 4, {}, 0}, {20.5, 1.75, {}, 0}};
const std::vector<SoilReading> WennerDeep{{5, 12.5, 0.5, 0}, {10, 4, {}, 0}, {20.5, 1.75, 1, 0}};
const std::vector<SoilReading> Schlumberger{{10, 2.5, {}, 1}, {20, 0.75, {}, 2}};
const std::string NotWenner = "is not a spacing, a resistance and perhaps a probe depth.";
const std::string NotSchlumberger = "is not AB/2, MN and a resistance.";

INSTANTIATE_TEST_SUITE_P(
    Files, SoilCsv,
    testing::Values(
        CsvCase{"wenner_comma", SoilArray::Wenner, "5,12.5\n10,4\n20.5,1.75\n", Wenner, ""},
        CsvCase{"wenner_probe_depths", SoilArray::Wenner,
                "Spacing,Resistance,Depth\r\n5,12.5,0.5\r\n10,4\r\n20.5,1.75,1", WennerDeep, ""},
        CsvCase{"semicolon_decimal_comma", SoilArray::Wenner,
                "Abstand;Widerstand\n5;12,5\n\n10;4\n20,5;1,75\n", Wenner, ""},
        CsvCase{"bom_quotes_trailing_separators_old_mac_lines", SoilArray::Wenner,
                "\xEF\xBB\xBF\"a\",\"R\"\r\"5\",\"12.5\",\r10,4,,\r+20.5,1.75E0\r", Wenner, ""},
        CsvCase{"schlumberger", SoilArray::Schlumberger, "AB/2,MN,R\n10,1,2.5\n20,2,0.75\n",
                Schlumberger, ""},
        CsvCase{"letters_after_the_first_reading",
                SoilArray::Wenner,
                "a,R\n5,12.5\n10,four\n",
                {},
                "Line 3: \"10,four\" " + NotWenner},
        CsvCase{"wenner_four_fields",
                SoilArray::Wenner,
                "5,12.5,1,2\n",
                {},
                "Line 1: \"5,12.5,1,2\" " + NotWenner},
        CsvCase{"schlumberger_two_fields",
                SoilArray::Schlumberger,
                "10,1,2.5\n20,2\n",
                {},
                "Line 2: \"20,2\" " + NotSchlumberger},
        CsvCase{"beyond_a_double",
                SoilArray::Wenner,
                "5,1e400\n",
                {},
                "Line 1: \"5,1e400\" " + NotWenner},
        CsvCase{"zero_spacing",
                SoilArray::Wenner,
                "5,12.5\n0,4\n",
                {},
                "Line 2: The spacing must be above 0."},
        CsvCase{"negative_resistance",
                SoilArray::Schlumberger,
                "10,1,-2.5\n",
                {},
                "Line 1: The resistance must be above 0 Ohms."},
        CsvCase{"zero_probe_depth",
                SoilArray::Wenner,
                "5,12.5,0\n",
                {},
                "Line 1: The probe depth, when given, must be above 0."},
        CsvCase{
            "zero_mn", SoilArray::Schlumberger, "10,0,2.5\n", {}, "Line 1: MN must be above 0."},
        CsvCase{"mn_half_at_ab_half",
                SoilArray::Schlumberger,
                "10,1,2.5\r\n10,20,1\r\n",
                {},
                "Line 2: MN/2 must be below AB/2: the potential probes must stand inside the "
                "current probes."},
        CsvCase{"only_headings", SoilArray::Wenner, "a,R\n\n", {}, "No readings were found."},
        CsvCase{"empty", SoilArray::Schlumberger, "", {}, "No readings were found."}),
    [](const testing::TestParamInfo<CsvCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST(Files, MoreSoilReadingsThanASurveyHoldsAreRefusedAtTheirLine) {
    std::string text = "a,R\n";
    for (std::size_t i = 0; i < stakewell::soil::MaxSoilReadings; ++i) {
        text += std::to_string(i + 1) + ",2\n";
    }
    EXPECT_EQ(ReadSoilCsv(text, SoilArray::Wenner, LengthUnit::Feet).readings.size(),
              stakewell::soil::MaxSoilReadings);
    text += "5000,2\n";
    const auto read = ReadSoilCsv(text, SoilArray::Wenner, LengthUnit::Feet);
    EXPECT_EQ(read.problem,
              "Line 1002: there are more than 1000 readings; a survey holds no more.");
    EXPECT_TRUE(read.readings.empty());
}

TEST(Files, AReadingBeyondADoublesFigureIsRefusedInItsUnit) {
    const std::string text = "1e300,1e10\n";
    EXPECT_EQ(ReadSoilCsv(text, SoilArray::Wenner, LengthUnit::Feet).problem,
              "Line 1: The reading's apparent resistivity is beyond what a double can hold.");
}

// Numbers of every size and of as many digits as a double holds.
std::vector<SoilReading> Awkward(SoilArray array, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> exponent(-6.0, 6.0);
    const auto any = [&] { return std::pow(10.0, exponent(generator)); };
    std::vector<SoilReading> readings{{0.1 + 0.2, 1.0 / 3.0, {}, 0.0}};
    for (int i = 0; i < 200; ++i) {
        const double spacing = any() * 1e6;
        SoilReading r{spacing, any(), std::nullopt, 0.0};
        if (array == SoilArray::Schlumberger) {
            r.potentialSpacing =
                spacing * std::uniform_real_distribution<double>(0.01, 1.9)(generator);
        } else if (i % 3 == 0) {
            r.probeDepth = any();
        }
        readings.push_back(r);
    }
    if (array == SoilArray::Schlumberger) {
        readings.front().potentialSpacing = 0.1;
    }
    return readings;
}

TEST(Files, WrittenSoilReadingsReadBackExactly) {
    for (const SoilArray array : {SoilArray::Wenner, SoilArray::Schlumberger}) {
        for (const LengthUnit unit : {LengthUnit::Feet, LengthUnit::Metres}) {
            const std::vector<SoilReading> readings = Awkward(array, 5);
            const std::string text = stakewell::files::WriteSoilCsv(readings, array, unit);
            const auto read = ReadSoilCsv(text, array, unit);
            EXPECT_EQ(read.problem, "");
            EXPECT_EQ(read.readings, readings);
        }
    }
}

TEST(Files, TheHeadingNamesTheColumnsAndTheirUnit) {
    const auto heading = [](SoilArray array, LengthUnit unit,
                            const std::vector<SoilReading>& readings) {
        const std::string text = stakewell::files::WriteSoilCsv(readings, array, unit);
        return text.substr(0, text.find("\r\n"));
    };
    EXPECT_EQ(heading(SoilArray::Wenner, LengthUnit::Feet, {{5, 1, {}, 0}}),
              "Spacing (ft),Resistance (Ohm)");
    EXPECT_EQ(heading(SoilArray::Wenner, LengthUnit::Metres, {{5, 1, {}, 0}, {6, 1, 0.2, 0}}),
              "Spacing (m),Resistance (Ohm),Probe depth (m)");
    EXPECT_EQ(heading(SoilArray::Schlumberger, LengthUnit::Feet, {}),
              "AB/2 (ft),MN (ft),Resistance (Ohm)");
}

} // namespace
