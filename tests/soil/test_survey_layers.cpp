#include "soil/SurveyLayers.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using stakewell::soil::LayeredEarth;
using stakewell::soil::LayerLines;
using stakewell::soil::LayerSurvey;
using stakewell::soil::LengthUnit;
using stakewell::soil::SoilArray;
using stakewell::soil::SoilReading;
using stakewell::soil::SoilSurvey;
using stakewell::soil::SurveyLayers;
using stakewell::soil::WennerApparent;

const LayeredEarth ThreeLayers{{100.0, 300.0, 30.0}, {2.0, 8.0}};
const LayeredEarth OtherGround{{40.0, 400.0}, {6.0}};

// A Wenner traverse of 15 readings from `from` to 200 times as far (metres)
// over `earth`, each off by an alternating 2 %.
void AddTraverse(SoilSurvey& survey, const std::string& name, const LayeredEarth& earth,
                 double from) {
    for (int i = 0; i < 15; ++i) {
        const double a = from * std::pow(200.0, i / 14.0);
        const double noise = (i % 2 == 0 ? 1.0 : -1.0) * 0.02;
        SoilReading reading;
        reading.spacing = a;
        reading.ohms = WennerApparent(earth, a) * (1.0 + noise) / (2.0 * std::numbers::pi * a);
        reading.traverse = name;
        survey.readings.push_back(reading);
    }
}

SoilSurvey TwoTraverses(const LayeredEarth& second) {
    SoilSurvey survey{SoilArray::Wenner, LengthUnit::Metres, {}};
    AddTraverse(survey, "N-S", ThreeLayers, 0.5);
    AddTraverse(survey, "E-W", second, 0.6);
    return survey;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

struct TraversesCase {
    std::string name;
    LayeredEarth second;
    bool disagree;
};

class SurveyTraverses : public testing::TestWithParam<TraversesCase> {};

TEST_P(SurveyTraverses, DisagreeOnlyWhereTheGroundDiffers) {
    const SoilSurvey survey = TwoTraverses(GetParam().second);
    const SurveyLayers layers = LayerSurvey(survey);
    ASSERT_TRUE(layers.problem.empty()) << layers.problem;
    ASSERT_EQ(layers.traverses.size(), 2U);
    EXPECT_EQ(layers.traverses[0].name, "N-S");
    EXPECT_EQ(layers.traversesDisagree, GetParam().disagree)
        << layers.Shown()->rmsPercent << " joint, " << layers.pooledRmsPercent << " pooled";
    for (const auto& traverse : layers.traverses) {
        ASSERT_TRUE(traverse.own.has_value());
        EXPECT_EQ(traverse.readings, 15U);
        EXPECT_LE(traverse.own->rmsPercent, traverse.jointRmsPercent * 1.0001);
    }
    const std::vector<std::string> lines = LayerLines(survey, layers);
    EXPECT_EQ(Has(lines, "The traverses disagree: the ground differs across the site"),
              GetParam().disagree);
    if (!GetParam().disagree) {
        EXPECT_EQ(layers.shownLayers, 3U);
        EXPECT_EQ(lines.front(), "Layers chosen: 3");
        EXPECT_NEAR(layers.Shown()->earth.resistivities[1], 300.0, 300.0 * 0.5);
    }
}

INSTANTIATE_TEST_SUITE_P(Soil, SurveyTraverses,
                         testing::Values(TraversesCase{"SameGround", ThreeLayers, false},
                                         TraversesCase{"OtherGround", OtherGround, true}),
                         [](const testing::TestParamInfo<TraversesCase>& info) {
                             return CaseName(info.index, {info.param.name});
                         });

TEST(Soil, OutlierIsFlaggedAndLeftOutReadingFitsAsIfAbsent) {
    SoilSurvey survey = TwoTraverses(ThreeLayers);
    survey.readings[7].ohms *= 1.3;
    const SurveyLayers flagged = LayerSurvey(survey);
    ASSERT_EQ(flagged.outliers.size(), survey.readings.size());
    for (std::size_t i = 0; i < flagged.outliers.size(); ++i) {
        EXPECT_EQ(flagged.outliers[i], i == 7) << i;
    }
    // The stray reading neither makes its traverse look uniform nor the two
    // traverses disagree.
    ASSERT_TRUE(flagged.traverses[0].own.has_value());
    EXPECT_EQ(flagged.traverses[0].own->earth.resistivities.size(), 3U);
    EXPECT_FALSE(flagged.traversesDisagree);
    const std::vector<std::string> lines = LayerLines(survey, flagged);
    EXPECT_EQ(std::count_if(
                  lines.begin(), lines.end(),
                  [](const std::string& l) { return l.rfind("Outlier?: reading 8, ", 0) == 0; }),
              1);

    survey.readings[7].leftOut = true;
    const SurveyLayers leftOut = LayerSurvey(survey);
    SoilSurvey without = survey;
    without.readings.erase(without.readings.begin() + 7);
    const SurveyLayers absent = LayerSurvey(without);
    EXPECT_EQ(leftOut.Shown()->earth, absent.Shown()->earth);
    EXPECT_TRUE(leftOut.outliers[7]);
    EXPECT_GT(leftOut.residualsPercent[7], 20.0);
    EXPECT_EQ(std::count(leftOut.outliers.begin(), leftOut.outliers.end(), true), 1);
}

TEST(Soil, UsersLayerCountIsShownWhereThereIsSuchAFit) {
    SoilSurvey survey = TwoTraverses(ThreeLayers);
    survey.chosenLayers = 2;
    const SurveyLayers two = LayerSurvey(survey);
    EXPECT_EQ(two.shownLayers, 2U);
    EXPECT_TRUE(two.shownByUser);
    const std::vector<std::string> lines = LayerLines(survey, two);
    ASSERT_GE(lines.size(), 2U);
    EXPECT_EQ(lines[0], "Layers chosen: 2");
    EXPECT_EQ(lines[1], "Layers the data choose: 3");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("Model with ", 0) == 0; }),
              static_cast<long>(two.joint.fits.size()));

    survey.readings.resize(5);
    survey.chosenLayers = 4;
    const SurveyLayers few = LayerSurvey(survey);
    EXPECT_FALSE(few.shownByUser);
    EXPECT_EQ(few.shownLayers, few.joint.chosenLayers);
}

} // namespace
