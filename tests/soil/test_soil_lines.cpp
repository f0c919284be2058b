#include "soil/SoilSurvey.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using stakewell::soil::LengthUnit;
using stakewell::soil::SoilArray;
using stakewell::soil::SoilReading;
using stakewell::soil::SoilSurvey;

struct FigureCase {
    std::string name;
    double value;
    int decimals;
    std::string text;
};

std::ostream& operator<<(std::ostream& out, const FigureCase& c) {
    return out << c.name;
}

class FigureText : public testing::TestWithParam<FigureCase> {};

TEST_P(FigureText, ShowsEveryFigureAbove0AsAbove0) {
    EXPECT_EQ(stakewell::soil::FigureText(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Soil, FigureText,
                         testing::Values(FigureCase{"as_the_pattern", 123.45, 1, "123.5"},
                                         FigureCase{"just_below_the_last_place", 0.0999, 1, "0.10"},
                                         FigureCase{"four_places_down", 0.00019, 1, "0.00019"},
                                         FigureCase{"below_the_plain_form", 1.2e-7, 1, "1.2E-07"},
                                         FigureCase{"zero", 0.0, 1, "0.0"},
                                         FigureCase{"nan", std::numeric_limits<double>::quiet_NaN(),
                                                    1, ""}),
                         [](const testing::TestParamInfo<FigureCase>& info) {
                             return CaseName(info.index, {info.param.name});
                         });

struct LinesCase {
    std::string name;
    SoilSurvey survey;
    std::vector<std::string> held;   // lines SoilLines must give
    std::vector<std::string> absent; // starts of lines it must not give
};

std::ostream& operator<<(std::ostream& out, const LinesCase& c) {
    return out << c.name;
}

class SurveyLines : public testing::TestWithParam<LinesCase> {};

TEST_P(SurveyLines, SayWhatTheReadingsSupport) {
    const SoilSurvey& survey = GetParam().survey;
    const std::vector<std::string> lines = stakewell::soil::SoilLines(
        survey, stakewell::soil::AnalyseSoil(survey), stakewell::soil::DesignRod{1.0});
    for (const std::string& line : GetParam().held) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
    for (const std::string& start : GetParam().absent) {
        EXPECT_TRUE(std::none_of(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.rfind(start, 0) == 0;
        })) << start;
    }
}

// Resistances read over uniform soil of 100 ohm-metres, Wenner in feet.
SoilSurvey Uniform(const std::vector<double>& feet, std::vector<std::optional<double>> depths = {},
                   LengthUnit unit = LengthUnit::Feet) {
    SoilSurvey survey;
    survey.unit = unit;
    depths.resize(feet.size());
    for (std::size_t i = 0; i < feet.size(); ++i) {
        const double metres = stakewell::soil::Metres(feet[i], unit);
        survey.readings.push_back(
            SoilReading{feet[i], 100.0 / (2.0 * 3.14159265358979 * metres), depths[i], 0.0});
    }
    return survey;
}

SoilSurvey Scaled(SoilSurvey survey, double factor) {
    for (SoilReading& reading : survey.readings) {
        reading.ohms *= factor;
    }
    return survey;
}

SoilSurvey Marked(SoilSurvey survey, const std::vector<std::string>& traverses,
                  const std::vector<std::size_t>& leftOut) {
    for (std::size_t i = 0; i < traverses.size(); ++i) {
        survey.readings[i].traverse = traverses[i];
    }
    for (const std::size_t i : leftOut) {
        survey.readings[i].leftOut = true;
    }
    return survey;
}

const std::string Caution = " the probe depth is as large as the spacing; the formula takes each "
                            "probe as a point at its depth, which holds only for depths well "
                            "below the spacing.";

INSTANTIATE_TEST_SUITE_P(
    Soil, SurveyLines,
    testing::Values(LinesCase{"probe_depth_equal_to_the_spacing",
                              Uniform({5, 10, 20, 40}, {1.0, 10.0, std::nullopt, 45.0}),
                              {"Caution: at readings 2 and 4" + Caution},
                              {}},
                    LinesCase{"probe_depth_below_the_spacing",
                              Uniform({5, 10, 20, 40}, {1.0, 9.0}),
                              {},
                              {"Caution"}},
                    LinesCase{"a_tiny_resistivity",
                              Scaled(Uniform({5, 10, 20, 40}), 1e-5),
                              {"Mean apparent resistivity: 0.0010 ohm-metres",
                               "Resistivity for a rod of 1 foot: 0.0010 ohm-metres",
                               "Apparent resistivity at 40 feet: 0.0010 ohm-metres"},
                              {}},
                    LinesCase{"one_metre",
                              Uniform({1, 2, 4, 8}, {}, LengthUnit::Metres),
                              {"Apparent resistivity at 1 metre: 100.0 ohm-metres",
                               "Apparent resistivity at 2 metres: 100.0 ohm-metres"},
                              {}},
                    LinesCase{"left_out_reading_marked",
                              Marked(Uniform({5, 10, 20, 40}), {}, {1}),
                              {"Apparent resistivity at 5 feet: 100.0 ohm-metres",
                               "Apparent resistivity at 10 feet: 100.0 ohm-metres, left out"},
                              {"No soil model"}},
                    LinesCase{"one_traverse_unnamed_in_the_lines",
                              Marked(Uniform({5, 10, 20}), {"N-S", "N-S", "N-S"}, {}),
                              {"Apparent resistivity at 5 feet: 100.0 ohm-metres"},
                              {}},
                    LinesCase{"two_traverses_named",
                              Marked(Uniform({5, 10, 20, 40}), {"N-S", "", "N-S"}, {3}),
                              {"Apparent resistivity at 5 feet: 100.0 ohm-metres, traverse N-S",
                               "Apparent resistivity at 10 feet: 100.0 ohm-metres, unnamed "
                               "traverse",
                               "Apparent resistivity at 40 feet: 100.0 ohm-metres, unnamed "
                               "traverse, left out"},
                              {}},
                    LinesCase{"too_few_readings_left_in",
                              Marked(Uniform({5, 10, 20, 40}), {}, {0, 3}),
                              {"No soil model: A two-layer model needs at least three readings; "
                               "there are 2. 2 readings are left out of the fit.",
                               "Apparent resistivity at 5 feet: 100.0 ohm-metres, left out"},
                              {"Upper layer"}}),
    [](const testing::TestParamInfo<LinesCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// A reading left out changes the fit as if it were not there, bit for bit,
// and stays among the survey's points.
TEST(AnalyseSoil, FitsAsIfAReadingLeftOutWereNotThere) {
    SoilSurvey survey = Uniform({5, 10, 20, 40, 80});
    survey.readings[0].ohms *= 1.5;
    survey.readings[2].ohms *= 1.2;
    SoilSurvey without = survey;
    without.readings.erase(without.readings.begin() + 2);
    SoilSurvey leftOut = survey;
    leftOut.readings[2].leftOut = true;

    const auto marked = stakewell::soil::AnalyseSoil(leftOut);
    const auto removed = stakewell::soil::AnalyseSoil(without);
    const auto kept = stakewell::soil::AnalyseSoil(survey);
    ASSERT_TRUE(marked.fit && removed.fit && kept.fit);
    EXPECT_EQ(marked.fit->soil, removed.fit->soil);
    EXPECT_EQ(marked.fit->rmsPercent, removed.fit->rmsPercent);
    EXPECT_EQ(marked.fit->points, removed.fit->points);
    EXPECT_NE(marked.fit->soil, kept.fit->soil);
    EXPECT_EQ(marked.points, kept.points);
}

} // namespace
