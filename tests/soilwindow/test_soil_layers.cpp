// The soil window's layered reading: traverses and readings left out typed in
// the table, the fits of one to four layers, the count the user keeps, the
// outliers, and a fit that arrives after the survey changed again.
#include "SoilWindowTest.h"

#include "mainwindow/PutWork.h"
#include "soil/LayeredEarth.h"
#include "soil/SurveyLayers.h"
#include "soilwindow/LayerFitter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

using stakewell::soil::LayerLines;
using stakewell::soil::LayerSurvey;
using stakewell::soil::SoilSurvey;

// Traverse, Left out and Flag follow the three figures of a Wenner reading.
constexpr int TraverseColumn = 3;
constexpr int LeftOutColumn = 4;
constexpr int FlagColumn = 5;

// 100 ohm-metres over 300 from 2 m down to 10 m and 30 below, read along two
// traverses of 15 spacings each, every reading off by up to 2 %; the reading
// `outlier` of the first (when given) reads 40 % high.
SoilSurvey ThreeLayerSurvey(std::optional<std::size_t> outlier = std::nullopt) {
    const stakewell::soil::LayeredEarth earth{{100.0, 300.0, 30.0}, {2.0, 8.0}};
    SoilSurvey survey;
    survey.unit = stakewell::soil::LengthUnit::Metres;
    for (const auto& [name, first] : {std::pair{"N-S", 1.0}, std::pair{"E-W", 1.15}}) {
        for (std::size_t i = 0; i < 15; ++i) {
            const double metres =
                std::round(first * std::pow(1.35, static_cast<double>(i)) * 100.0) / 100.0;
            const double noise = 0.02 * std::sin(1.7 * static_cast<double>(survey.readings.size()));
            const double scale = outlier && survey.readings.size() == *outlier ? 1.4 : 1.0;
            const double ohms = stakewell::soil::WennerApparent(earth, metres) /
                                (2.0 * std::numbers::pi * metres) * (1.0 + noise) * scale;
            survey.readings.push_back(
                {metres, QString::number(ohms, 'g', 4).toDouble(), std::nullopt, 0.0, name, false});
        }
    }
    return survey;
}

QString LayeredText(const SoilSurvey& survey) {
    QStringList lines;
    for (const std::string& line : LayerLines(survey, LayerSurvey(survey))) {
        lines.append(QString::fromStdString(line));
    }
    return lines.join(u'\n');
}

TEST_F(SoilWindowTest, ATypedTraverseAndATickedLeftOutAreUndoneAndRefitted) {
    TypeReadings(TwoLayerTraverse());
    ASSERT_TRUE(WaitForLayers());
    TypeCell(0, TraverseColumn, " N-S ");
    EXPECT_EQ(Table().item(0, TraverseColumn)->text(), "N-S");
    Table().item(2, LeftOutColumn)->setCheckState(Qt::Checked);
    const SoilSurvey typed = form.Window().Work().Soil();
    EXPECT_EQ(typed.readings[0].traverse, "N-S");
    EXPECT_TRUE(typed.readings[2].leftOut);
    EXPECT_EQ(Table().item(2, 0)->foreground().color(), QColor(Qt::gray));
    EXPECT_TRUE(Window().Fitting());
    ASSERT_TRUE(WaitForLayers());
    EXPECT_TRUE(ModelText().endsWith(LayeredText(typed))) << ModelText().toStdString();
    // "N-S" and the unnamed traverse.
    EXPECT_TRUE(Window().findChild<QCheckBox*>("chkOwnModels")->isEnabled());

    Activate();
    QTest::keyClick(&Window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(form.Window().Work().Soil().readings[2].leftOut);
    EXPECT_EQ(Table().item(2, LeftOutColumn)->checkState(), Qt::Unchecked);
    QTest::keyClick(&Window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Window().Work().Soil().readings[0].traverse, "");
    ASSERT_TRUE(WaitForLayers());
    EXPECT_TRUE(ModelText().endsWith(LayeredText(form.Window().Work().Soil())));
    EXPECT_FALSE(Window().findChild<QCheckBox*>("chkOwnModels")->isEnabled());
}

TEST_F(SoilWindowTest, TheModelTableMarksTheDatasChoiceAndTheUsersIsKeptAndUndone) {
    const SoilSurvey survey = ThreeLayerSurvey();
    PutSurvey(form.Window(), survey);
    EXPECT_TRUE(ModelText().endsWith(QStringLiteral("Fitting...")));
    ASSERT_TRUE(WaitForLayers());
    const stakewell::soil::SurveyLayers layers = LayerSurvey(survey);
    auto& models = *Window().findChild<QTableWidget*>("grdModels");
    ASSERT_EQ(models.rowCount(), static_cast<int>(layers.joint.fits.size()));
    const int chosen = static_cast<int>(layers.joint.chosenLayers) - 1;
    ASSERT_GE(chosen, 0);
    EXPECT_TRUE(models.item(chosen, 4)->text().contains("chosen by the data"));
    EXPECT_TRUE(models.item(chosen, 0)->font().bold());
    EXPECT_TRUE(Window().findChild<QCheckBox*>("chkOwnModels")->isEnabled());

    auto& count = *Window().findChild<QComboBox*>("cboLayers");
    count.setCurrentIndex(1);
    emit count.activated(1);
    EXPECT_EQ(form.Window().Work().Soil().chosenLayers, 1U);
    ASSERT_TRUE(WaitForLayers());
    EXPECT_TRUE(ModelText().contains("Layers chosen: 1")) << ModelText().toStdString();
    EXPECT_TRUE(models.item(0, 0)->font().bold());
    EXPECT_TRUE(models.item(chosen, 4)->text().contains("chosen by the data"));

    form.Window().Work().History().undo();
    EXPECT_EQ(form.Window().Work().Soil().chosenLayers, 0U);
    EXPECT_EQ(count.currentIndex(), 0);
    ASSERT_TRUE(WaitForLayers());
    EXPECT_TRUE(models.item(chosen, 0)->font().bold());
}

// Each change starts a fit while the last is still running: only the last
// survey's is shown, once, with its outlier flagged.
TEST_F(SoilWindowTest, AFitOfASurveySinceChangedIsNeverShown) {
    QSignalSpy shown(&Window(), &stakewell::soilwindow::frmSoil::LayersShown);
    const SoilSurvey first = ThreeLayerSurvey();
    const SoilSurvey last = ThreeLayerSurvey(6);
    PutSurvey(form.Window(), first);
    PutSurvey(form.Window(), ThreeLayerSurvey(20));
    PutSurvey(form.Window(), last);
    ASSERT_TRUE(WaitForLayers());
    QTest::qWait(300);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_TRUE(ModelText().endsWith(LayeredText(last)));
    ASSERT_TRUE(LayerSurvey(last).outliers.at(6));
    for (int row = 0; row < Table().rowCount(); ++row) {
        EXPECT_EQ(Table().item(row, FlagColumn)->text(), row == 6 ? "outlier?" : "") << row;
    }
}

// A Schlumberger reading has MN where a Wenner one has its probe depth; the
// traverse follows either.
TEST_F(SoilWindowTest, ATraverseTypedForASchlumbergerReadingKeepsItsMN) {
    form.Click("cmdAddRow");
    form.Click("optSchlumberger");
    TypeCell(0, 0, "20");
    TypeCell(0, 1, "2");
    TypeCell(0, TraverseColumn, "E-W");
    const stakewell::soil::SoilReading& reading = form.Window().Work().Soil().readings.at(0);
    EXPECT_EQ(reading.traverse, "E-W");
    EXPECT_EQ(reading.potentialSpacing, 2.0);
    TypeCell(0, TraverseColumn, "");
    EXPECT_EQ(form.Window().Work().Soil().readings.at(0).traverse, "");
}

TEST(LayerFitter, IsDestroyedWhileFittingWithoutWaitingForIt) {
    auto fitter = std::make_unique<stakewell::soilwindow::LayerFitter>();
    int told = 0;
    QObject::connect(fitter.get(), &stakewell::soilwindow::LayerFitter::Fitted,
                     [&told] { ++told; });
    fitter->Fit(ThreeLayerSurvey());
    fitter->Fit(ThreeLayerSurvey(3));
    EXPECT_TRUE(fitter->Busy());
    QElapsedTimer clock;
    clock.start();
    fitter.reset();
    EXPECT_LT(clock.elapsed(), 100);
    QTest::qWait(200);
    EXPECT_EQ(told, 0);
}

} // namespace
