#include "CaseName.h"

#include "files/DataFile.h"
#include "files/DataFileCheck.h"
#include "files/XmlValueStore.h"
#include "work/SiteWork.h"
#include "work/SoilModel.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

using stakewell::shared::UnitSystem;
using stakewell::soil::FitGrade;
using stakewell::soil::SoilFit;
using stakewell::soil::TwoLayerSoil;
using stakewell::work::SiteWork;
using stakewell::work::SoilModelText;
using stakewell::work::SoilModelTexts;

struct ModelCase {
    const char* name;
    SoilModelTexts typed;
    UnitSystem units;
    bool surveyFitted;
    // The line naming the model, which also shows its figures and source.
    std::string line;
};

void PrintTo(const ModelCase& row, std::ostream* os) {
    *os << row.name;
}

class ReadModel : public testing::TestWithParam<ModelCase> {};

TEST_P(ReadModel, TakesTheTypedSoilOrElseTheSurveys) {
    const ModelCase& row = GetParam();
    std::optional<SoilFit> fit;
    if (row.surveyFitted) {
        fit = SoilFit{};
        fit->soil = {127.0, 26.4, 19.41};
        fit->grade = FitGrade::Poor;
    }
    const auto model = stakewell::work::ReadSoilModel(row.typed, row.units, fit);
    EXPECT_EQ(stakewell::work::SoilModelLine(model, row.units), row.line);
    EXPECT_FALSE(model.soil && !model.problem.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadModel,
    testing::Values(
        ModelCase{"TypedMetricWithAComma",
                  {"300", "100", "2,5"},
                  UnitSystem::Metric,
                  false,
                  "Two-layer soil: 300.0 ohm-metres over 100.0 ohm-metres from 2.50 metres down, "
                  "typed"},
        ModelCase{"DepthTypedWithItsUnit",
                  {"300", "100", "2.5 m"},
                  UnitSystem::Imperial,
                  false,
                  "Two-layer soil: 300.0 ohm-metres over 100.0 ohm-metres from 8.20 feet down, "
                  "typed"},
        ModelCase{"NothingTypedTakesTheSurveysFit",
                  {},
                  UnitSystem::Metric,
                  true,
                  "Two-layer soil: 127.0 ohm-metres over 26.4 ohm-metres from 19.41 metres down, "
                  "the survey's fit, graded poor"},
        ModelCase{"NothingAtAll",
                  {},
                  UnitSystem::Imperial,
                  false,
                  "Two-layer soil: none, neither typed nor fitted to a survey"},
        ModelCase{"PartlyTypedIsNotTheSurveys",
                  {"300", "", "2.5"},
                  UnitSystem::Metric,
                  true,
                  "Two-layer soil: none, the lower resistivity is not given"},
        ModelCase{"LeadingDigitsAreNotAFigure",
                  {"300x", "100", "2.5"},
                  UnitSystem::Metric,
                  false,
                  "Two-layer soil: none, the upper resistivity: \"300x\" is not a number."},
        ModelCase{"ZeroDepth",
                  {"300", "100", "0"},
                  UnitSystem::Metric,
                  false,
                  "Two-layer soil: none, the upper layer's depth must be above 0"}),
    [](const testing::TestParamInfo<ModelCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// The typed soil is kept in the file, follows a change of units like every
// length, and counts as unsaved work; a file without it reads as none.
TEST(TypedSoil, IsKeptConvertedAndSaved) {
    SiteWork work;
    work.TypeSoilModel(SoilModelText::UpperResistivity, QStringLiteral("300"));
    work.TypeSoilModel(SoilModelText::LowerResistivity, QStringLiteral("100"));
    work.TypeSoilModel(SoilModelText::UpperDepth, QStringLiteral("10"));
    EXPECT_TRUE(work.Unsaved());
    ASSERT_TRUE(work.LayeredSoil().soil);
    EXPECT_DOUBLE_EQ(work.LayeredSoil().soil->upperDepthMetres, 3.048);

    ASSERT_TRUE(work.ChangeUnits(UnitSystem::Metric));
    EXPECT_EQ(work.SoilModelTyped()[2], QStringLiteral("3.048"));
    EXPECT_DOUBLE_EQ(work.LayeredSoil().soil->upperDepthMetres, 3.048);

    stakewell::files::XmlValueStore store;
    stakewell::files::WriteDataFile(store, work.Content());
    EXPECT_EQ(stakewell::files::DataFileDamage(store), std::nullopt);
    SiteWork loaded;
    loaded.Take(stakewell::files::ReadDataFile(store));
    EXPECT_EQ(loaded.SoilModelTyped(), work.SoilModelTyped());
    EXPECT_EQ(loaded.LayeredSoil(), work.LayeredSoil());

    work.History().undo();
    EXPECT_EQ(work.SoilModelTyped()[2], QStringLiteral("10"));
    work.MarkSaved();
    work.TypeSoilModel(SoilModelText::UpperDepth, QStringLiteral(""));
    EXPECT_TRUE(work.Unsaved());
    EXPECT_FALSE(work.LayeredSoil().soil);

    SiteWork none;
    stakewell::files::XmlValueStore without;
    stakewell::files::WriteDataFile(without, none.Content());
    EXPECT_EQ(stakewell::files::ReadDataFile(without).LayeredSoil, SoilModelTexts{});
}

} // namespace
