#include "files/SoilCsv.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using stakewell::files::ReadSoilCsv;
using stakewell::soil::LengthUnit;
using stakewell::soil::SoilArray;
using stakewell::soil::SoilReading;

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

// A heading naming its columns reads them in its order; one naming those a
// line has without a heading reads as before.
const std::vector<SoilReading> Marked{{5, 12.5, {}, 0, "N-S", false},
                                      {10, 4, {}, 0, "E,W \"2\"", true}};
const std::vector<SoilReading> MarkedSchlumberger{{10, 2.5, {}, 1, "A", true},
                                                  {20, 0.75, {}, 2, "", false}};

INSTANTIATE_TEST_SUITE_P(
    NamedColumns, SoilCsv,
    testing::Values(
        CsvCase{"traverse_first_names_in_quotes", SoilArray::Wenner,
                "Traverse,a,R,Left out\nN-S,5,12.5,no\n\"E,W \"\"2\"\"\",10,4,yes\n", Marked, ""},
        CsvCase{"any_case_units_and_quotes_empty_cells",
                SoilArray::Wenner,
                "\"SPACING (m)\";\"OHMS\";Probe Depth (m);omit;TRAVERSE\n5;12,5;0,5;x\n10;4\n",
                {{5, 12.5, 0.5, 0, "", true}, {10, 4, {}, 0, "", false}},
                ""},
        CsvCase{"schlumberger_reordered", SoilArray::Schlumberger,
                "MN\tR\tAB/2\tomitted\ttraverse\n1\t2.5\t10\t1\tA\n2\t0.75\t20\t0\n",
                MarkedSchlumberger, ""},
        CsvCase{"a_semicolon_in_a_name_is_no_separator",
                SoilArray::Wenner,
                "a,resistance,traverse\n5,12.5,\"N;S\"\n",
                {{5, 12.5, {}, 0, "N;S", false}},
                ""},
        CsvCase{"units_line_after_the_heading",
                SoilArray::Wenner,
                "Traverse,R,Spacing\n,ohm,ft\nN-S,12.5,5\n",
                {{5, 12.5, {}, 0, "N-S", false}},
                ""},
        CsvCase{"left_out_neither_yes_nor_no",
                SoilArray::Wenner,
                "a,R,left out\n5,12.5,maybe\n",
                {},
                "Line 2: \"5,12.5,maybe\" is not a spacing, a resistance and perhaps a left-out "
                "mark (yes or no)."},
        CsvCase{"more_fields_than_columns",
                SoilArray::Schlumberger,
                "R,MN,AB/2\n12.5,1,10,3\n",
                {},
                "Line 2: \"12.5,1,10,3\" is not a resistance, MN and AB/2."},
        CsvCase{"no_resistance_column",
                SoilArray::Wenner,
                "a,traverse\n5,N\n",
                {},
                "Line 1: the heading names no column for a resistance."},
        CsvCase{"no_mn_column",
                SoilArray::Schlumberger,
                "AB/2,R,traverse\n10,2.5,A\n",
                {},
                "Line 1: the heading names no column for MN."},
        CsvCase{"mn_in_a_wenner_traverse",
                SoilArray::Wenner,
                "a,MN,R\n5,1,12.5\n",
                {},
                "Line 1: the heading names MN, which a Wenner traverse does not have."},
        CsvCase{"depth_in_a_schlumberger_sounding",
                SoilArray::Schlumberger,
                "AB/2,MN,R,depth\n",
                {},
                "Line 1: the heading names a probe depth, which a Schlumberger sounding does "
                "not have."},
        CsvCase{"a_column_named_twice",
                SoilArray::Wenner,
                "a,spacing,R\n",
                {},
                "Line 1: the heading names a spacing more than once."}),
    [](const testing::TestParamInfo<CsvCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST(Files, MarkedReadingsReadBackExactlyUnderANamingHeading) {
    for (const SoilArray array : {SoilArray::Wenner, SoilArray::Schlumberger}) {
        std::vector<SoilReading> readings = Awkward(array, 7);
        const std::vector<std::string> names{"", "N\xE2\x80\x93S", "a \"b\", c;\td", " E-W "};
        for (std::size_t i = 0; i < readings.size(); ++i) {
            readings[i].traverse = names[i % names.size()];
            readings[i].leftOut = i % 3 == 1;
        }
        const std::string text = stakewell::files::WriteSoilCsv(readings, array, LengthUnit::Feet);
        const auto read = ReadSoilCsv(text, array, LengthUnit::Feet);
        EXPECT_EQ(read.problem, "");
        EXPECT_EQ(read.readings, readings);
    }
}

TEST(Files, OnlyMarkedReadingsAddColumns) {
    const auto written = [](const std::vector<SoilReading>& readings) {
        return stakewell::files::WriteSoilCsv(readings, SoilArray::Wenner, LengthUnit::Metres);
    };
    EXPECT_EQ(written({{5, 1, {}, 0}, {6, 2, 0.25, 0}}),
              "Spacing (m),Resistance (Ohm),Probe depth (m)\r\n5,1\r\n6,2,0.25\r\n");
    EXPECT_EQ(written({{5, 1, {}, 0, "", true}, {6, 2, 0.25, 0, "Line\r\n2"}}),
              "Spacing (m),Resistance (Ohm),Probe depth (m),Traverse,Left out\r\n"
              "5,1,,\"\",yes\r\n6,2,0.25,\"Line  2\",no\r\n");
}

} // namespace
