// The soil window as an engineer works it: readings typed, mistakes refused,
// changes undone, and a figure taken into the design.
#include "SoilWindowTest.h"

#include "shared/DisplayPattern.h"
#include "soil/SoilDesign.h"
#include "soil/SoilSurvey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "CaseName.h"
#include "mainwindow/ModalAnswerer.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using stakewell::soil::AnalyseSoil;
using stakewell::soil::SoilLines;
using stakewell::soil::SoilReading;
using stakewell::soil::SoilSurvey;

// The survey the traverse's texts stand for, read as a person reads them.
SoilSurvey SurveyOf(const std::vector<std::pair<QString, QString>>& readings) {
    SoilSurvey survey;
    for (const auto& [spacing, ohms] : readings) {
        survey.readings.push_back(
            SoilReading{spacing.toDouble(), ohms.toDouble(), std::nullopt, 0.0});
    }
    return survey;
}

QString Joined(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) {
        texts.append(QString::fromStdString(line));
    }
    return texts.join(u'\n');
}

QString Figure(double value) {
    return QString::fromStdString(stakewell::shared::FormatPattern(value, "0.0"));
}

bool Marked(QTableWidgetItem* item) {
    return item->background().style() != Qt::NoBrush;
}

TEST_F(SoilWindowTest, ThePageButtonOpensOneSoilSurveyWindow) {
    ASSERT_TRUE(Window().isVisible());
    EXPECT_EQ(Window().windowTitle(), "Soil Survey");
    Window().close();
    form.Click("cmdSoilSurvey");
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(form.Window().findChildren<stakewell::soilwindow::frmSoil*>().size(), 1);
}

TEST_F(SoilWindowTest, TenTypedReadingsShowTheFiguresTheAnalysisGives) {
    form.Type("tbxElectLen", "10");
    TypeReadings(TwoLayerTraverse());
    const SoilSurvey survey = SurveyOf(TwoLayerTraverse());
    ASSERT_EQ(form.Window().Work().Soil(), survey);
    const auto analysis = AnalyseSoil(survey);
    ASSERT_TRUE(analysis.fit);
    // The layered model's lines follow the two-layer ones after a blank line.
    EXPECT_TRUE(ModelText().startsWith(
        Joined(SoilLines(survey, analysis, stakewell::soil::DesignRod{10.0})) + "\n\n"))
        << ModelText().toStdString();
    EXPECT_EQ(form.Text("lbMean"),
              Figure(stakewell::soil::MeanResistivity(analysis.points)) + " ohm-metres");
    EXPECT_EQ(form.Text("lbRod"),
              Figure(*stakewell::soil::RodResistivity(analysis.fit->soil, 10.0)) + " ohm-metres");
    EXPECT_EQ(form.Text("lbRodCaption"), "Rod of 10 feet:");
    EXPECT_EQ(form.Text("lbStatus"), "10 readings.");
}

TEST_F(SoilWindowTest, TheRodFigureFollowsTheDesignsElectrodeLength) {
    TypeReadings(TwoLayerTraverse());
    form.Type("tbxElectLen", "30");
    const auto analysis = AnalyseSoil(SurveyOf(TwoLayerTraverse()));
    EXPECT_EQ(form.Text("lbRod"),
              Figure(*stakewell::soil::RodResistivity(analysis.fit->soil, 30.0)) + " ohm-metres");
}

struct BadCell {
    const char* typed;
    const char* status;
};

class RefusedCell : public SoilWindowTest, public testing::WithParamInterface<BadCell> {};

TEST_P(RefusedCell, IsMarkedExplainedAndLeavesNoFigure) {
    TypeReadings(TwoLayerTraverse());
    TypeCell(2, 1, GetParam().typed);
    EXPECT_TRUE(Marked(Table().item(2, 1)));
    EXPECT_FALSE(Marked(Table().item(2, 0)));
    EXPECT_FALSE(Marked(Table().item(2, 2)));
    EXPECT_EQ(form.Text("lbStatus"), GetParam().status);
    EXPECT_TRUE(ModelText().startsWith("No soil model: Reading 3: "));
    EXPECT_FALSE(ModelText().contains("Upper layer"));
    EXPECT_EQ(form.Text("lbMean"), "none");
    for (const char* use :
         {"cmdUseMean", "cmdUseMidRange", "cmdUseRod", "cmdUseLinear", "cmdUsePolygon"}) {
        EXPECT_FALSE(form.Control(use)->isEnabled()) << use;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, RefusedCell,
    testing::Values(BadCell{"12x", "Reading 3: the resistance \"12x\" is not a number."},
                    BadCell{"1,5",
                            "Reading 3: the resistance \"1,5\" is not a number. Did you mean "
                            "1.5? Write the decimal point as \".\"."},
                    BadCell{"0", "Reading 3: The resistance must be above 0 Ohms."},
                    BadCell{"-4", "Reading 3: The resistance must be above 0 Ohms."},
                    BadCell{"", "Reading 3: the resistance is not typed yet."},
                    BadCell{"2e9", "Reading 3: The resistance must be at most 1000000000 Ohms "
                                   "(10^9), the most the fit takes."}),
    [](const testing::TestParamInfo<BadCell>& info) {
        return CaseName(info.index, {info.param.typed});
    });

TEST_F(SoilWindowTest, ARefusedCellTypedRightIsTakenAgain) {
    TypeReadings(TwoLayerTraverse());
    TypeCell(2, 1, "abc");
    TypeCell(2, 1, TwoLayerTraverse()[2].second);
    EXPECT_FALSE(Marked(Table().item(2, 1)));
    EXPECT_EQ(form.Window().Work().Soil(), SurveyOf(TwoLayerTraverse()));
    EXPECT_TRUE(ModelText().startsWith("Upper layer resistivity: "));
}

TEST_F(SoilWindowTest, MNOutsideABIsMarkedAtItsCell) {
    form.Click("optSchlumberger");
    form.Click("cmdAddRow");
    TypeCell(0, 0, "10");
    TypeCell(0, 1, "30");
    TypeCell(0, 2, "5");
    EXPECT_TRUE(Marked(Table().item(0, 1)));
    EXPECT_FALSE(Marked(Table().item(0, 0)));
    EXPECT_FALSE(Marked(Table().item(0, 2)));
    EXPECT_TRUE(form.Text("lbStatus").startsWith("Reading 1: MN/2 must be below AB/2"));
}

TEST_F(SoilWindowTest, PastedCsvBecomesReadingsAfterTheCurrentOne) {
    TypeReadings({{"1", "60"}, {"20", "2"}});
    Table().setCurrentCell(0, 0);
    QApplication::clipboard()->setText("Spacing,Resistance\n5,10\n10;x\n");
    ModalAnswerer answerer;
    QTest::keyClick(&Table(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(answerer.Messages().size(), 1);
    EXPECT_TRUE(answerer.Messages()[0].startsWith("No readings were taken from the pasted text"));
    EXPECT_EQ(Table().rowCount(), 2);

    Activate();
    QApplication::clipboard()->setText("Spacing,Resistance\n5,10\n10,6\n");
    QTest::keyClick(&Table(), Qt::Key_V, Qt::ControlModifier);
    std::vector<double> spacings;
    for (const SoilReading& reading : form.Window().Work().Soil().readings) {
        spacings.push_back(reading.spacing);
    }
    EXPECT_EQ(spacings, (std::vector<double>{1, 5, 10, 20}));
}

TEST_F(SoilWindowTest, CtrlZUndoesAnEditAndCtrlYRedoesIt) {
    TypeReadings(TwoLayerTraverse());
    TypeCell(4, 1, "99");
    QTest::keyClick(&Table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Table().item(4, 1)->text(), TwoLayerTraverse()[4].second);
    EXPECT_EQ(form.Window().Work().Soil(), SurveyOf(TwoLayerTraverse()));
    QTest::keyClick(&Table(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Table().item(4, 1)->text(), "99");
    EXPECT_EQ(form.Window().Work().Soil().readings[4].ohms, 99.0);
}

TEST_F(SoilWindowTest, TheArrayChoiceIsUndoneWithItsHeadings) {
    TypeReadings(TwoLayerTraverse());
    form.Click("optSchlumberger");
    EXPECT_EQ(Table().horizontalHeaderItem(1)->text(), "MN (feet)");
    EXPECT_EQ(form.Window().Work().Soil().array, stakewell::soil::SoilArray::Schlumberger);
    form.Click("cmdUndo");
    EXPECT_EQ(Table().horizontalHeaderItem(1)->text(), "Resistance (ohms)");
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(form.Control("optWenner"))->isChecked());
    EXPECT_EQ(form.Window().Work().Soil(), SurveyOf(TwoLayerTraverse()));
    form.Click("cmdRedo");
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(form.Control("optSchlumberger"))->isChecked());
}

TEST_F(SoilWindowTest, DeleteRemovesTheSelectedReadingsAndUndoPutsThemBack) {
    TypeReadings(TwoLayerTraverse());
    Table().clearSelection();
    Table().setRangeSelected(QTableWidgetSelectionRange(1, 0, 3, 2), true);
    Table().setFocus();
    QTest::keyClick(&Table(), Qt::Key_Delete);
    EXPECT_EQ(form.Window().Work().Soil().readings.size(), 7U);
    EXPECT_EQ(form.Window().Work().Soil().readings[1].spacing, 7.0);
    form.Click("cmdUndo");
    EXPECT_EQ(form.Window().Work().Soil(), SurveyOf(TwoLayerTraverse()));
}

TEST_F(SoilWindowTest, UseInDesignWritesTheFigureAndIsUndone) {
    form.Type("tbxEarthRes", "250");
    form.Type("tbxElectLen", "10");
    form.Type("tbxElectDia", "0.625");
    TypeReadings(TwoLayerTraverse());
    const QString before = form.Text("lbOneElectRes");
    const auto analysis = AnalyseSoil(SurveyOf(TwoLayerTraverse()));
    const QString mean = Figure(stakewell::soil::MeanResistivity(analysis.points));
    form.Click("cmdUseMean");
    EXPECT_EQ(form.Text("tbxEarthRes"), mean);
    EXPECT_NE(form.Text("lbOneElectRes"), before);
    form.Click("cmdUndoUse");
    EXPECT_EQ(form.Text("tbxEarthRes"), "250");
    EXPECT_EQ(form.Text("lbOneElectRes"), before);
    EXPECT_FALSE(form.Control("cmdUndoUse")->isEnabled());
}

// Uniform soil read at three spacings: the fit meets them exactly.
const std::vector<std::pair<QString, QString>> ThreeReadings{
    {"3", "7.85"}, {"10", "1.6"}, {"40", "0.29"}};

// 100 ohm-metres read 25 % high and low by turns: no two layers come near.
std::vector<std::pair<QString, QString>> ScatteredReadings() {
    std::vector<std::pair<QString, QString>> readings;
    int turn = 1;
    for (const double feet : {2.0, 3.0, 5.0, 7.0, 10.0, 15.0, 20.0, 30.0}) {
        const double ohms = 100.0 / (2.0 * std::numbers::pi * feet * 0.3048) * (1.0 + 0.25 * turn);
        readings.emplace_back(QString::number(feet), QString::number(ohms, 'g', 4));
        turn = -turn;
    }
    return readings;
}

struct UseCase {
    const char* name;
    std::vector<std::pair<QString, QString>> readings;
    const char* button;
    bool enabled;
    const char* question; // what the question names, or "" for none asked
    QMessageBox::StandardButton answer;
    bool written;
};

class UseInDesign : public SoilWindowTest, public testing::WithParamInterface<UseCase> {};

TEST_P(UseInDesign, AsksBeforeTakingAFigureFromAFitTheReadingsDoNotSupport) {
    const UseCase& c = GetParam();
    form.Type("tbxEarthRes", "250");
    form.Type("tbxElectLen", "10");
    form.Type("tbxElectDia", "0.625");
    form.Type("tbxNumElect", "4");
    form.Type("tbxWireLen", "40");
    form.Type("tbxWireDia", "0.2");
    form.Type("tbxWireDepth", "2.5");
    TypeReadings(c.readings);
    ASSERT_EQ(form.Control(c.button)->isEnabled(), c.enabled);
    if (!c.enabled) {
        return;
    }
    const QString label = QString::fromLatin1(c.button).replace(QStringLiteral("cmdUse"), "lb");
    const QString figure = form.Text(label).section(u' ', 0, 0);
    ModalAnswerer answerer;
    answerer.AnswerMessagesWith(c.answer);
    form.Click(c.button);
    const QStringList& questions = answerer.Messages();
    if (*c.question == '\0') {
        EXPECT_TRUE(questions.isEmpty()) << questions.join(u'|').toStdString();
    } else {
        ASSERT_EQ(questions.size(), 1);
        EXPECT_TRUE(questions[0].contains(c.question)) << questions[0].toStdString();
        EXPECT_TRUE(questions[0].contains(figure + " ohm-metres")) << questions[0].toStdString();
    }
    EXPECT_EQ(form.Text("tbxEarthRes"), c.written ? figure : QStringLiteral("250"));
}

INSTANTIATE_TEST_SUITE_P(
    Figures, UseInDesign,
    testing::Values(
        UseCase{"rod_from_a_good_fit", TwoLayerTraverse(), "cmdUseRod", true, "", QMessageBox::No,
                true},
        UseCase{"rod_from_three_readings_declined", ThreeReadings, "cmdUseRod", true,
                "The two-layer fit is not assessed: three readings fit any two-layer model "
                "exactly.",
                QMessageBox::No, false},
        UseCase{"rod_from_three_readings_taken", ThreeReadings, "cmdUseRod", true, "not assessed",
                QMessageBox::Yes, true},
        UseCase{"rod_from_a_poor_fit_declined", ScatteredReadings(), "cmdUseRod", true,
                "The two-layer fit is poor", QMessageBox::No, false},
        UseCase{"rod_from_a_poor_fit_taken", ScatteredReadings(), "cmdUseRod", true,
                "The two-layer fit is poor", QMessageBox::Yes, true},
        UseCase{"mean_from_three_readings", ThreeReadings, "cmdUseMean", true, "", QMessageBox::No,
                true},
        UseCase{"linear_design_from_a_good_fit", TwoLayerTraverse(), "cmdUseLinear", true, "",
                QMessageBox::No, true},
        UseCase{"polygon_design_from_a_poor_fit_declined", ScatteredReadings(), "cmdUsePolygon",
                true, "the polygon design's figure from that fit", QMessageBox::No, false},
        UseCase{"rod_without_a_fit",
                {{"3", "7.85"}, {"10", "1.6"}},
                "cmdUseRod",
                false,
                "",
                QMessageBox::No,
                false}),
    [](const testing::TestParamInfo<UseCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// 2 pi 1e-5 ohms times the mean spacing, 5.715 m: 0.00035908 ohm-metres.
TEST_F(SoilWindowTest, ATinyResistivityShowsItsDigitsAndIsTakenAsShown) {
    TypeReadings({{"5", "0.00001"}, {"10", "0.00001"}, {"20", "0.00001"}, {"40", "0.00001"}});
    EXPECT_EQ(form.Text("lbMean"), "0.00036 ohm-metres");
    ASSERT_TRUE(form.Control("cmdUseMean")->isEnabled());
    form.Click("cmdUseMean");
    EXPECT_EQ(form.Text("tbxEarthRes"), "0.00036");
}

TEST_F(SoilWindowTest, ARodOfOneFootIsNamedInTheSingular) {
    form.Type("tbxElectLen", "1");
    EXPECT_EQ(form.Text("lbRodCaption"), "Rod of 1 foot:");
}

TEST_F(SoilWindowTest, TheDesignBoxsOwnUndoTakesTheFigureBack) {
    form.Type("tbxEarthRes", "250");
    TypeReadings(TwoLayerTraverse());
    form.Click("cmdUseMidRange");
    EXPECT_NE(form.Text("tbxEarthRes"), "250");
    QTest::keyClick(form.Field("tbxEarthRes"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Text("tbxEarthRes"), "250");
}

TEST_F(SoilWindowTest, UndoUseLeavesAFigureTypedSince) {
    TypeReadings(TwoLayerTraverse());
    form.Click("cmdUseMean");
    form.Type("tbxEarthRes", "77");
    form.Click("cmdUndoUse");
    EXPECT_EQ(form.Text("tbxEarthRes"), "77");
    EXPECT_TRUE(form.Text("lbUsed").contains("left as it is"));
}

TEST_F(SoilWindowTest, ShowSurveyRereadsTheSharedSurvey) {
    form.Click("cmdAddRow");
    TypeCell(0, 0, "5");
    PutSurvey(form.Window(), SurveyOf(TwoLayerTraverse()));
    EXPECT_EQ(Table().rowCount(), 10);
    EXPECT_EQ(Table().item(9, 0)->text(), "50");
    EXPECT_FALSE(form.Control("cmdUndo")->isEnabled());
}

TEST_F(SoilWindowTest, ThePointerReadOutNamesSpacingResistivityAndModel) {
    TypeReadings(TwoLayerTraverse());
    QWidget* plot = form.Control("picSoil");
    const QPointF middle(plot->width() / 2.0, plot->height() / 3.0);
    QMouseEvent move(QEvent::MouseMove, middle, plot->mapToGlobal(middle), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    const QString readOut = form.Text("lbPointer");
    EXPECT_TRUE(readOut.startsWith("At ")) << readOut.toStdString();
    EXPECT_TRUE(readOut.contains(" feet: ")) << readOut.toStdString();
    EXPECT_TRUE(readOut.contains("; model ")) << readOut.toStdString();
}

// A survey typed in the window is kept by the data file, and a load shows the
// file's survey in the window; a file without one leaves none behind.
TEST_F(SoilWindowTest, TheDataFileKeepsTheTypedSurveyAndALoadShowsIt) {
    TypeReadings(TwoLayerTraverse());
    QTemporaryDir folder;
    QString surveyed = folder.filePath(QStringLiteral("surveyed.xml"));
    form.Window().SaveDataFile(surveyed);
    PutSurvey(form.Window(), {});
    ASSERT_EQ(Table().rowCount(), 0);

    form.Window().LoadDataFile(surveyed);
    EXPECT_EQ(form.Window().Work().Soil(), SurveyOf(TwoLayerTraverse()));
    EXPECT_EQ(Table().rowCount(), 10);
    EXPECT_EQ(Table().item(9, 0)->text(), "50");

    QString older = folder.filePath(QStringLiteral("older.xml"));
    PutSurvey(form.Window(), {});
    form.Window().SaveDataFile(older);
    form.Window().LoadDataFile(surveyed);
    form.Window().LoadDataFile(older);
    EXPECT_FALSE(form.Window().Work().Soil().Exists());
    EXPECT_EQ(Table().rowCount(), 0);
}

} // namespace
