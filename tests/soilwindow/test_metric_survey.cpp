#include "SoilWindowTest.h"

#include "soil/SoilSurvey.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

namespace {

using stakewell::shared::UnitSystem;
using stakewell::soil::LengthUnit;

bool Chosen(stakewell::soilwindow::frmSoil& window, const char* option) {
    return window.findChild<QAbstractButton*>(option)->isChecked();
}

TEST_F(SoilWindowTest, ANewSurveyInAMetricWorkIsTakenInMetres) {
    form.Window().Work().ChangeUnits(UnitSystem::Metric);
    EXPECT_TRUE(Chosen(Window(), "optMetres"));
    TypeReadings({{"3,5", "12,25"}});
    const stakewell::soil::SoilSurvey& survey = form.Window().Work().Soil();
    EXPECT_EQ(survey.unit, LengthUnit::Metres);
    ASSERT_EQ(survey.readings.size(), 1U);
    EXPECT_EQ(survey.readings[0].spacing, 3.5);
    EXPECT_EQ(survey.readings[0].ohms, 12.25);
    // Begun, the survey keeps its unit whatever the work's.
    form.Window().Work().ChangeUnits(UnitSystem::Imperial);
    EXPECT_EQ(form.Window().Work().Soil().unit, LengthUnit::Metres);
    EXPECT_TRUE(Chosen(Window(), "optMetres"));
}

TEST_F(SoilWindowTest, AnAmbiguousCommaInAMetricSurveyIsRefusedWithTheReason) {
    form.Window().Work().ChangeUnits(UnitSystem::Metric);
    TypeReadings({{"3", "1,000"}});
    EXPECT_EQ(form.Text("lbStatus"),
              "Reading 1: the resistance \"1,000\" could be read as 1 or as 1000: write 1.000 or "
              "1000.");
}

// A rod typed in metres is the same rod: the same figure, named in metres.
TEST_F(SoilWindowTest, TheRodIsTheDesignsElectrodeInEitherUnitSystem) {
    TypeReadings(TwoLayerTraverse());
    form.Type("tbxElectLen", "10");
    EXPECT_EQ(form.Text("lbRodCaption"), "Rod of 10 feet:");
    const QString figure = form.Text("lbRod");
    ASSERT_NE(figure, "none");
    form.Window().Work().ChangeUnits(UnitSystem::Metric);
    EXPECT_EQ(form.Text("lbRodCaption"), "Rod of 3.048 metres:");
    EXPECT_EQ(form.Text("lbRod"), figure);
    EXPECT_TRUE(ModelText().contains("Resistivity for a rod of 3.048 metres: " +
                                     figure.section(u' ', 0, 0)))
        << ModelText().toStdString();
}

} // namespace
