#include "SoilWindowTest.h"

#include "soil/TwoLayerSoil.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <numbers>

SoilWindowTest::SoilWindowTest() {
    form.SelectTab(6);
    form.Click("cmdSoilSurvey");
    window = form.Window().findChild<stakewell::soilwindow::frmSoil*>("frmSoil");
    EXPECT_NE(window, nullptr);
    // The window's keys answer only while it is the active one.
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

void SoilWindowTest::Activate() {
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

QTableWidget& SoilWindowTest::Table() {
    return *window->findChild<QTableWidget*>("grdReadings");
}

QString SoilWindowTest::ModelText() {
    return window->findChild<QPlainTextEdit*>("tbxModel")->toPlainText();
}

void SoilWindowTest::TypeCell(int row, int column, const QString& text) {
    QTableWidget& table = Table();
    table.setCurrentCell(row, column);
    table.edit(table.currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(table.indexWidget(table.currentIndex()));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate lets the editor see Enter before it takes the text, by a
    // call it posts.
    QCoreApplication::processEvents();
}

void SoilWindowTest::TypeReadings(const std::vector<std::pair<QString, QString>>& readings) {
    for (const auto& [spacing, ohms] : readings) {
        const int row = Table().rowCount();
        Table().setCurrentCell(row - 1, 0);
        form.Click("cmdAddRow");
        TypeCell(row, 0, spacing);
        TypeCell(row, 1, ohms);
    }
}

bool SoilWindowTest::WaitForLayers() {
    return window->Fitting()
               ? QSignalSpy(window, &stakewell::soilwindow::frmSoil::LayersShown).wait(120000)
               : true;
}

void stakewell::soil::PrintTo(const SoilSurvey& survey, std::ostream* os) {
    *os << (survey.array == stakewell::soil::SoilArray::Wenner ? "Wenner" : "Schlumberger")
        << " in " << stakewell::soil::UnitWord(survey.unit) << ":";
    for (const stakewell::soil::SoilReading& reading : survey.readings) {
        *os << " (" << reading.spacing << ", " << reading.ohms << ", "
            << reading.probeDepth.value_or(-1.0) << ", " << reading.potentialSpacing << ")";
    }
}

std::vector<std::pair<QString, QString>> TwoLayerTraverse() {
    using namespace stakewell::soil;
    const TwoLayerSoil soil{400.0, 120.0, 2.0};
    const std::vector<double> feet = {1, 2, 3, 5, 7, 10, 15, 20, 30, 50};
    const std::vector<double> noise = {0.01, -0.02,  0.015, 0.0, -0.01,
                                       0.02, -0.015, 0.01,  0.0, -0.01};
    std::vector<std::pair<QString, QString>> readings;
    for (std::size_t i = 0; i < feet.size(); ++i) {
        const double metres = Metres(feet[i], LengthUnit::Feet);
        const double ohms = ModelResistivity(SoilArray::Wenner, soil, metres) /
                            (2.0 * std::numbers::pi * metres) * (1.0 + noise[i]);
        readings.emplace_back(QString::number(feet[i]), QString::number(ohms, 'g', 4));
    }
    return readings;
}
