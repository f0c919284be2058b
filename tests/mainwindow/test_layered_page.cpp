#include "MainWindowDriver.h"

#include "CaseName.h"
#include "mainwindow/LayeredFigures.h"
#include "soil/SoilSurvey.h"
#include "soil/TwoLayerSoil.h"
#include "work/LayeredDesign.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace {

using stakewell::mainwindow::LayeredRowCount;

QString OhmsText(double ohms) {
    return QString::fromStdString(stakewell::calc::OhmsText(ohms));
}

constexpr int UniformColumn = 0;
constexpr int TwoLayerColumn = 1;
constexpr int LinearTotalRow = 1;
constexpr int PolygonTotalRow = 2;

class LayeredPage : public testing::Test {
protected:
    LayeredPage() {
        for (const auto& [field, text] : {std::pair{"tbxEarthRes", "150"},
                                          {"tbxElectLen", "10"},
                                          {"tbxElectDia", "0.625"},
                                          {"tbxNumElect", "4"},
                                          {"tbxWireLen", "40"},
                                          {"tbxWireDia", "0.1019"},
                                          {"tbxWireDepth", "2.5"}}) {
            form.Type(QLatin1String(field), QLatin1String(text));
        }
        form.SelectPage(QStringLiteral("Frame_Layers"));
    }

    void TypeModel(const char* upper, const char* lower, const char* depth) {
        form.Type(QStringLiteral("tbxUpperRes"), QLatin1String(upper));
        form.Type(QStringLiteral("tbxLowerRes"), QLatin1String(lower));
        form.Type(QStringLiteral("tbxUpperDepth"), QLatin1String(depth));
    }

    QTableWidget& Table() {
        return *form.Window().findChild<QTableWidget*>(QStringLiteral("grdLayered"));
    }
    QString Cell(int row, int column) { return Table().item(row, column)->text(); }
    bool Greyed(int row) {
        return !Table().item(row, TwoLayerColumn)->flags().testFlag(Qt::ItemIsEnabled);
    }
    bool Enabled(const char* button) { return form.Control(QLatin1String(button))->isEnabled(); }

    // Until the newest figures are in, the column stays greyed.
    void WaitForTheFigures() { QTRY_VERIFY_WITH_TIMEOUT(!Greyed(0), 5000); }

    // The figures computed here, from the work as it stands.
    stakewell::mainwindow::LayeredFigures Expected() {
        const auto inputs = stakewell::work::LayeredInputs(form.Window().Work());
        EXPECT_TRUE(inputs.has_value());
        return inputs ? stakewell::mainwindow::FiguresOf(*inputs)
                      : stakewell::mainwindow::LayeredFigures{};
    }

    MainWindowDriver form;
};

TEST_F(LayeredPage, TypingAModelFillsTheColumnAndItsEquivalentGivesTheTwoLayerTotal) {
    TypeModel("300", "100", "8.2");
    WaitForTheFigures();
    const stakewell::mainwindow::LayeredFigures expected = Expected();
    for (std::size_t row = 0; row < LayeredRowCount; ++row) {
        const auto& layered = stakewell::mainwindow::LayeredRows.at(row);
        EXPECT_EQ(Cell(static_cast<int>(row), TwoLayerColumn),
                  OhmsText(stakewell::mainwindow::TwoLayerOhms(expected.design.ohms, layered)))
            << "row " << row;
    }
    EXPECT_EQ(Cell(LinearTotalRow, UniformColumn), form.Text("lbLinearTotal"));
    EXPECT_EQ(Cell(PolygonTotalRow, UniformColumn), form.Text("lbRectTotal"));
    EXPECT_EQ(form.Text("lbSoilModel"), "Typed.");

    // Use in Design makes the uniform total the two-layer one; Undo takes it
    // back.
    const QString twoLayerTotal = Cell(LinearTotalRow, TwoLayerColumn);
    const QString equivalent = expected.linearEquivalent;
    ASSERT_FALSE(equivalent.isEmpty());
    EXPECT_TRUE(form.Text("lbLinearEquivalent").contains(equivalent));

    form.Click(QStringLiteral("cmdUseLinearEquivalent"));
    EXPECT_EQ(form.Text("tbxEarthRes"), equivalent);
    EXPECT_EQ(form.Text("lbLinearTotal"), twoLayerTotal);
    EXPECT_EQ(Cell(LinearTotalRow, UniformColumn), twoLayerTotal);

    form.Window().Work().History().undo();
    EXPECT_EQ(form.Text("tbxEarthRes"), "150");
}

TEST_F(LayeredPage, WithoutAModelOrWithTooManyRodsTheColumnIsEmptyAndThePageSaysWhy) {
    TypeModel("300", "100", "8.2");
    WaitForTheFigures();
    TypeModel("", "", "");
    EXPECT_EQ(form.Text("lbSoilModel"), "Type ρ1, ρ2 and h, or fit a soil survey.");
    for (int row = 0; row < static_cast<int>(LayeredRowCount); ++row) {
        EXPECT_EQ(Cell(row, TwoLayerColumn), "") << "row " << row;
        EXPECT_FALSE(Cell(row, UniformColumn).isEmpty()) << "row " << row;
    }
    EXPECT_FALSE(Enabled("cmdUseLinearEquivalent"));
    EXPECT_FALSE(Enabled("cmdUsePolygonEquivalent"));

    TypeModel("300", "100", "8.2");
    form.Type(QStringLiteral("tbxNumElect"), QStringLiteral("65"));
    WaitForTheFigures();
    EXPECT_EQ(form.Text("lbSoilModel"), "More than 64 rods are not computed in two layers.");
    EXPECT_EQ(Cell(LinearTotalRow, TwoLayerColumn), "");
}

TEST_F(LayeredPage, FiguresOfEarlierInputsAreGreyedAndCannotBeUsed) {
    TypeModel("300", "100", "8.2");
    WaitForTheFigures();
    ASSERT_TRUE(Enabled("cmdUseLinearEquivalent"));
    form.Append(QStringLiteral("tbxLowerRes"), QStringLiteral("0"));
    EXPECT_TRUE(Greyed(LinearTotalRow));
    EXPECT_FALSE(Enabled("cmdUseLinearEquivalent"));
    WaitForTheFigures();
    EXPECT_TRUE(Enabled("cmdUseLinearEquivalent"));
}

// A Wenner traverse over 400 ohm-metres down to 2 m and 120 below.
stakewell::soil::SoilSurvey TwoLayerSurvey() {
    using namespace stakewell::soil;
    const TwoLayerSoil soil{400.0, 120.0, 2.0};
    SoilSurvey survey;
    for (const double feet : {1.0, 2.0, 3.0, 5.0, 7.0, 10.0, 15.0, 20.0, 30.0, 50.0}) {
        const double metres = Metres(feet, LengthUnit::Feet);
        const double ohms =
            ModelResistivity(SoilArray::Wenner, soil, metres) / (2.0 * std::numbers::pi * metres);
        survey.readings.push_back(SoilReading{feet, ohms, std::nullopt, 0.0});
    }
    return survey;
}

TEST_F(LayeredPage, WithNothingTypedTheBoxesShowTheSurveysFitInTheWorksUnits) {
    form.Window().Work().ChangeSoil(TwoLayerSurvey());
    ASSERT_TRUE(form.Window().Work().LayeredSoil().soil.has_value());
    EXPECT_NEAR(form.Field("tbxUpperRes")->placeholderText().toDouble(), 400.0, 20.0);
    EXPECT_NEAR(form.Field("tbxLowerRes")->placeholderText().toDouble(), 120.0, 6.0);
    EXPECT_NEAR(form.Field("tbxUpperDepth")->placeholderText().toDouble(), 2.0 / 0.3048, 0.4)
        << "feet";
    WaitForTheFigures();
    EXPECT_FALSE(Cell(LinearTotalRow, TwoLayerColumn).isEmpty());

    form.Type(QStringLiteral("tbxUpperRes"), QStringLiteral("300"));
    EXPECT_EQ(form.Field("tbxLowerRes")->placeholderText(), "") << "a typed model is the model";
}

// The graph reads the test in the model as soon as the model is typed.
TEST_F(LayeredPage, TheGraphsAnalysisFollowsTheModel) {
    form.SelectTab(5);
    form.Type(QStringLiteral("tbxFOPE2"), QStringLiteral("50"));
    for (const auto& [feet, ohms] : {std::pair{"10", "24"},
                                     {"20", "27.6"},
                                     {"25", "28.3"},
                                     {"30", "29.2"},
                                     {"35", "30.6"},
                                     {"40", "33"}}) {
        form.Type(QStringLiteral("tbxFOPP2Feet"), QLatin1String(feet));
        form.Type(QStringLiteral("tbxFOPP2Ohms"), QLatin1String(ohms));
        form.Click(QStringLiteral("cmdFOPAdd"));
    }
    QWidget* graph = ShownGraphWindow();
    ASSERT_NE(graph, nullptr);
    const auto analysis = [graph] { return graph->findChild<QLabel*>("Panel_3")->toolTip(); };
    EXPECT_FALSE(analysis().contains("True-resistance position"));
    TypeModel("300", "100", "8.2");
    EXPECT_TRUE(analysis().contains("True-resistance position: ")) << analysis().toStdString();
    TypeModel("", "", "");
    EXPECT_FALSE(analysis().contains("True-resistance position"));
}

TEST_F(LayeredPage, ClosingWhileAComputationRunsNeitherWaitsNorCrashes) {
    auto owned = std::make_unique<stakewell::mainwindow::frmMain>();
    MainWindowDriver other(*owned);
    other.Type(QStringLiteral("tbxNumElect"), QStringLiteral("64"));
    other.Type(QStringLiteral("tbxElectLen"), QStringLiteral("30"));
    other.Type(QStringLiteral("tbxUpperRes"), QStringLiteral("1000"));
    other.Type(QStringLiteral("tbxLowerRes"), QStringLiteral("10"));
    other.Type(QStringLiteral("tbxUpperDepth"), QStringLiteral("3"));
    owned->close();
    owned.reset();
    QApplication::processEvents();
}

} // namespace
