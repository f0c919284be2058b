#include "files/ReadingsCsv.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>

#include <ostream>
#include <string>
#include <vector>

namespace {

using stakewell::fop::FallOfPotential;
using stakewell::fop::FOPPoint;

FallOfPotential WithE2(double e2) {
    FallOfPotential fop;
    fop.FOPE2Distance = e2;
    return fop;
}

struct CsvCase {
    std::string name;
    std::string text;
    std::vector<FOPPoint> readings;
    std::string problem;
};

std::ostream& operator<<(std::ostream& out, const CsvCase& c) {
    return out << c.name;
}

class ReadingsCsv : public testing::TestWithParam<CsvCase> {};

TEST_P(ReadingsCsv, ReadsEveryReadingOrNoneAndTheBadLine) {
    const CsvCase& c = GetParam();
    const stakewell::files::CsvReadings read =
        stakewell::files::ReadReadingsCsv(c.text, WithE2(100));
    EXPECT_EQ(read.Problem, c.problem);
    EXPECT_EQ(read.Readings, c.readings);
}

const std::vector<FOPPoint> Three{{10, 5.5}, {20, 7}, {62.5, 9.25}};

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingsCsv,
    testing::Values(
        CsvCase{"comma", "10,5.5\n20,7\n62.5,9.25\n", Three, ""},
        CsvCase{"headings_and_crlf", "Test 3\r\nFeet,Ohms\r\n10,5.5\r\n20,7\r\n62.5,9.25", Three,
                ""},
        CsvCase{"semicolon_decimal_comma", "Abstand;Widerstand\n10;5,5\n20;7\n62,5;9,25\n", Three,
                ""},
        CsvCase{"tab_decimal_comma_and_blanks", "10\t5,5\n\n 20 \t 7 \n62.5\t9.25\n", Three, ""},
        CsvCase{"spreadsheet_quotes_bom_trailing_separator",
                "\xEF\xBB\xBF\"Feet\",\"Ohms\"\n\"10\",\"5.5\",\n20,7,,\n+62.5,9.25E0\n", Three,
                ""},
        CsvCase{"letters_after_the_first_reading",
                "Feet,Ohms\n10,5.5\n20,seven\n62.5,9.25\n",
                {},
                "Line 3: \"20,seven\" is not a distance and a resistance."},
        CsvCase{"decimal_comma_with_comma_separator",
                "10,5,5\n",
                {},
                "Line 1: \"10,5,5\" is not a distance and a resistance."},
        CsvCase{
            "one_field", "Feet\n10\n", {}, "Line 2: \"10\" is not a distance and a resistance."},
        CsvCase{"number_then_text",
                "10;5.5x\n",
                {},
                "Line 1: \"10;5.5x\" is not a distance and a resistance."},
        CsvCase{"infinite_resistance",
                "10,inf\n",
                {},
                "Line 1: \"10,inf\" is not a distance and a resistance."},
        CsvCase{"zero_resistance",
                "10,5.5\n20,0\n",
                {},
                "Line 2: the resistance must be above 0 Ohms."},
        CsvCase{"resistance_at_the_largest", "10,1e9\n", {{10, 1e9}}, ""},
        CsvCase{"resistance_beyond_the_largest",
                "10,5.5\n20,1e308\n",
                {},
                "Line 2: the resistance must be at most 1000000000 Ohms."},
        CsvCase{"at_e2",
                "10,5.5\n100,9\n",
                {},
                "Line 2: the distance must be above 0 Feet and below the E2 distance, 100 "
                "Feet."},
        CsvCase{"only_headings", "Feet,Ohms\n\n", {}, "No readings were found."},
        CsvCase{"empty", "", {}, "No readings were found."}),
    [](const testing::TestParamInfo<CsvCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST(ReadingsCsvLimit, RefusesADistanceBeyondTheLargestEvenBelowE2) {
    const stakewell::files::CsvReadings read =
        stakewell::files::ReadReadingsCsv("1e9,5\n1000000001,6\n", WithE2(1e12));
    EXPECT_EQ(read.Problem, "Line 2: the distance must be at most 1000000000 Feet.");
    EXPECT_TRUE(read.Readings.empty());
}

TEST(Files, MoreReadingsThanTheListHoldsAreRefused) {
    std::string text;
    for (int i = 0; i <= stakewell::fop::MaxFOPPoints; ++i) {
        text += "1," + std::to_string(i + 1) + "\n";
    }
    const auto read = stakewell::files::ReadReadingsCsv(text, WithE2(100));
    EXPECT_EQ(read.Problem, "There are more than 32767 readings; the point list holds no more.");
    EXPECT_TRUE(read.Readings.empty());
    text.erase(text.rfind("1,"));
    EXPECT_EQ(stakewell::files::ReadReadingsCsv(text, WithE2(100)).Readings.size(), 32767U);
}

TEST(Files, WrittenReadingsReadBackExactly) {
    FallOfPotential fop = WithE2(100);
    for (const FOPPoint& p :
         {FOPPoint{30, 0.1 + 0.2}, FOPPoint{10, 5.5}, FOPPoint{1e-5, 123456.5},
          FOPPoint{std::nextafter(100.0, 0.0), 5}, FOPPoint{20, 1.7976931348623157e308}}) {
        fop.AddPoint(p.Distance, p.Ohms);
    }
    const std::string text = stakewell::files::WriteReadingsCsv(fop);
    EXPECT_EQ(text.substr(0, 11), "Feet,Ohms\r\n");
    const auto read = stakewell::files::ReadReadingsCsv(text, fop);
    EXPECT_EQ(read.Problem, "");
    const std::vector<FOPPoint> listed(fop.FOPPoints().begin() + 1, fop.FOPPoints().end());
    ASSERT_EQ(read.Readings.size(), listed.size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(read.Readings[i].Distance, listed[i].Distance);
        EXPECT_EQ(read.Readings[i].Ohms, listed[i].Ohms);
    }
}

using stakewell::shared::UnitSystem;

struct UnitCase {
    std::string name;
    UnitSystem work;
    std::string text;
    std::vector<FOPPoint> readings;
    std::string problem;
    std::string note;
};

std::ostream& operator<<(std::ostream& out, const UnitCase& c) {
    return out << c.name;
}

class ReadingsCsvUnits : public testing::TestWithParam<UnitCase> {};

TEST_P(ReadingsCsvUnits, ReadsTheDistancesInTheWorksUnit) {
    const UnitCase& c = GetParam();
    FallOfPotential fop = WithE2(100);
    fop.Units = c.work;
    const stakewell::files::CsvReadings read = stakewell::files::ReadReadingsCsv(c.text, fop);
    EXPECT_EQ(read.Problem, c.problem);
    EXPECT_EQ(read.Readings, c.readings);
    EXPECT_EQ(read.Note, c.note);
}

const std::string FromFeet = "The distances were converted from feet to metres.";
const std::string FromMetres = "The distances were converted from metres to feet.";
const std::string NoUnit = "No heading names the distances' unit: they were read in metres.";

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingsCsvUnits,
    testing::Values(
        UnitCase{"metres_into_metric",
                 UnitSystem::Metric,
                 "Metres,Ohms\n10.5,3.2\n",
                 {{10.5, 3.2}},
                 "",
                 ""},
        UnitCase{"feet_into_metric",
                 UnitSystem::Metric,
                 "Feet,Ohms\n100,5\n10,6\n",
                 {{30.48, 5}, {3.048, 6}},
                 "",
                 FromFeet},
        UnitCase{"ft_in_a_worded_heading",
                 UnitSystem::Metric,
                 "Distance (ft);Ohms\n100;5,5\n",
                 {{30.48, 5.5}},
                 "",
                 FromFeet},
        UnitCase{"m_into_imperial",
                 UnitSystem::Imperial,
                 "m,Ohms\n15.24,5\n",
                 {{50, 5}},
                 "",
                 FromMetres},
        UnitCase{"meters_in_capitals_into_imperial",
                 UnitSystem::Imperial,
                 "\"METERS\",\"OHMS\"\n3,5\n",
                 {{9.84251968504, 5}},
                 "",
                 FromMetres},
        UnitCase{"semicolon_decimal_comma_metres",
                 UnitSystem::Metric,
                 "Metres;Ohms\n10,5;3,2\n",
                 {{10.5, 3.2}},
                 "",
                 ""},
        UnitCase{"no_heading_metric", UnitSystem::Metric, "10;3,2\n", {{10, 3.2}}, "", NoUnit},
        UnitCase{"heading_without_unit_metric",
                 UnitSystem::Metric,
                 "Distance,Ohms\n10,3.2\n",
                 {{10, 3.2}},
                 "",
                 NoUnit},
        UnitCase{"no_heading_imperial", UnitSystem::Imperial, "10,3.2\n", {{10, 3.2}}, "", ""},
        UnitCase{"beyond_e2_in_metres",
                 UnitSystem::Metric,
                 "Metres,Ohms\n150,5\n",
                 {},
                 "Line 2: the distance must be above 0 Metres and below the E2 distance, 100 "
                 "Metres.",
                 ""},
        UnitCase{"beyond_e2_once_converted",
                 UnitSystem::Metric,
                 "Feet,Ohms\n200,5\n400,5\n",
                 {},
                 "Line 3: the distance must be above 0 Metres and below the E2 distance, 100 "
                 "Metres.",
                 FromFeet}),
    [](const testing::TestParamInfo<UnitCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST(ReadingsCsvLimit, NamesMetresBeyondTheLargestInAMetricList) {
    FallOfPotential fop = WithE2(1e12);
    fop.Units = UnitSystem::Metric;
    EXPECT_EQ(stakewell::files::ReadReadingsCsv("1000000001,6\n", fop).Problem,
              "Line 1: the distance must be at most 1000000000 Metres.");
}

TEST(Files, MetricReadingsAreWrittenUnderAMetresHeadingAndReadBack) {
    FallOfPotential fop = WithE2(30.48);
    fop.Units = UnitSystem::Metric;
    fop.AddPoint(3.048, 5.5);
    fop.AddPoint(18.9, 7);
    const std::string text = stakewell::files::WriteReadingsCsv(fop);
    EXPECT_EQ(text, "Metres,Ohms\r\n3.048,5.5\r\n18.9,7\r\n");
    const auto read = stakewell::files::ReadReadingsCsv(text, fop);
    EXPECT_EQ(read.Readings, (std::vector<FOPPoint>{{3.048, 5.5}, {18.9, 7}}));
    EXPECT_EQ(read.Note, "");
}

} // namespace
