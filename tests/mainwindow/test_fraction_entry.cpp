#include "MainWindowDriver.h"

#include "files/DataFile.h"
#include "files/XmlValueStore.h"
#include "mainwindow/DiameterFraction.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "CaseName.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct FractionCase {
    const char* numerator;
    const char* denominator;
    const char* shown;
};

void PrintTo(const FractionCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(
        std::tuple(std::string(c.numerator), std::string(c.denominator)));
}

class FractionTyping : public testing::TestWithParam<FractionCase> {};

TEST_P(FractionTyping, ShowsTheQuotientRoundedToThreeDecimals) {
    MainWindowDriver form;
    const FractionCase& c = GetParam();
    form.Type("tbxNumer", c.numerator);
    form.Type("tbxDenom", c.denominator);
    EXPECT_EQ(form.Text("lbResult").toStdString(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, FractionTyping,
    testing::Values(FractionCase{"5", "8", "0.625"}, FractionCase{"1", "2", "0.5"},
                    FractionCase{"3", "1", "3.0"}, FractionCase{"2", "3", "0.667"},
                    FractionCase{"15", "16", "0.938"}, FractionCase{"1", "16", "0.063"},
                    FractionCase{"12345", "1", "12345.0"}, FractionCase{"0", "8", "0.0"},
                    FractionCase{"-5", "8", "-0.625"}, FractionCase{"5", "-8", "-0.625"},
                    FractionCase{"0", "-8", "0.0"}, FractionCase{"x", "8", "0.0"},
                    FractionCase{"5", "", "?"}, FractionCase{"5", "0", "?"},
                    FractionCase{"5", "0.0", "?"}, FractionCase{"5", "a", "?"},
                    FractionCase{"1E300", "1E-300", "?"}),
    [](const auto& info) {
        return CaseName(info.index, {info.param.numerator, info.param.denominator});
    });

TEST(FractionEntry, DeletingTheLastDenominatorDigitShowsAQuestionMarkAtOnce) {
    MainWindowDriver form;
    form.Backspace("tbxDenom");
    EXPECT_EQ(form.Text("lbResult"), "?");
}

TEST(FractionEntry, RetypingTheDenominatorUpdatesOnEveryKey) {
    MainWindowDriver form;
    form.Type("tbxDenom", "");
    EXPECT_EQ(form.Text("lbResult"), "?");
    form.Append("tbxDenom", "1");
    EXPECT_EQ(form.Text("lbResult"), "5.0");
    form.Append("tbxDenom", "6");
    EXPECT_EQ(form.Text("lbResult"), "0.313");
}

TEST(FractionEntry, ClickCopiesTheShownValueIntoTheDiameterAndRecalculates) {
    MainWindowDriver form;
    form.Type("tbxEarthRes", "100");
    form.Type("tbxElectLen", "10");
    QSignalSpy spy(&form.Window(), &stakewell::mainwindow::frmMain::Recalculated);
    form.Click("lbResult");
    EXPECT_EQ(form.Text("tbxElectDia"), "0.625");
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(form.Text("lbOneElectRes"), "33.091");

    form.Click("lbResult");
    EXPECT_EQ(form.Text("tbxElectDia"), "0.625");
    EXPECT_EQ(form.Text("lbOneElectRes"), "33.091");
}

TEST(FractionEntry, CopyTakesTheRoundedValueNotTheFullQuotient) {
    MainWindowDriver form;
    form.Type("tbxNumer", "1");
    form.Type("tbxDenom", "3");
    form.Click("lbResult");
    EXPECT_EQ(form.Text("tbxElectDia"), "0.333");
}

TEST(FractionEntry, DoubleClickCopiesToo) {
    MainWindowDriver form;
    form.Type("tbxDenom", "16");
    QLabel* result = form.Label("lbResult");
    // A double-click arrives as a click, then a second press that is the
    // double-click, then its release.
    const QPoint centre = result->rect().center();
    QTest::mouseClick(result, Qt::LeftButton, Qt::NoModifier, centre);
    form.Type("tbxElectDia", "");
    QTest::mouseDClick(result, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(result, Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(form.Text("tbxElectDia"), "0.313");
}

TEST(FractionEntry, ClickOnQuestionMarkLeavesTheDiameterAlone) {
    MainWindowDriver form;
    form.Type("tbxElectDia", "0.75");
    form.Type("tbxDenom", "0");
    ASSERT_EQ(form.Text("lbResult"), "?");
    QSignalSpy spy(&form.Window(), &stakewell::mainwindow::frmMain::Recalculated);
    form.Click("lbResult");
    EXPECT_EQ(form.Text("tbxElectDia"), "0.75");
    EXPECT_EQ(spy.count(), 0);
}

TEST(FractionEntry, FractionBoxesDoNotRecalculate) {
    MainWindowDriver form;
    QSignalSpy spy(&form.Window(), &stakewell::mainwindow::frmMain::Recalculated);
    form.Type("tbxNumer", "3");
    form.Type("tbxDenom", "4");
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(form.Text("tbxElectDia"), "");
}

struct DiameterCase {
    const char* diameter;
    const char* numerator; // nothing: the boxes are cleared
    const char* denominator;
};

class LoadedDiameter : public testing::TestWithParam<DiameterCase> {};

TEST_P(LoadedDiameter, ShowsItsFractionOrNone) {
    const DiameterCase& c = GetParam();
    const std::optional<stakewell::mainwindow::Fraction> fraction =
        stakewell::mainwindow::DiameterFraction(QString::fromUtf8(c.diameter));
    if (c.numerator == nullptr) {
        EXPECT_EQ(fraction, std::nullopt);
    } else {
        EXPECT_EQ(fraction, (stakewell::mainwindow::Fraction{c.numerator, c.denominator}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Diameters, LoadedDiameter,
    testing::Values(DiameterCase{"0.625", "5", "8"}, DiameterCase{"1.5", "3", "2"},
                    DiameterCase{" 0.3125 ", "5", "16"}, DiameterCase{"0.015625", "1", "64"},
                    DiameterCase{"0.0078125", nullptr, nullptr},
                    DiameterCase{"0.63", nullptr, nullptr},
                    DiameterCase{"-0.625", nullptr, nullptr}, DiameterCase{"5/8", nullptr, nullptr},
                    DiameterCase{"", nullptr, nullptr}),
    [](const auto& info) { return CaseName(info.index, {info.param.diameter}); });

// The boxes follow the loaded diameter, whatever they held before the load.
TEST(FractionEntry, ALoadShowsTheLoadedDiameterAsAFraction) {
    QTemporaryDir folder;
    MainWindowDriver form;
    form.Type("tbxNumer", "3");
    for (const auto& [diameter, numerator, denominator, shown] :
         std::vector<std::tuple<QString, QString, QString, QString>>{
             {"0.75", "3", "4", "0.75"}, {"0.63", "", "", "?"}, {"0.625", "5", "8", "0.625"}}) {
        stakewell::files::DataFileContent content;
        content
            .FieldTexts[static_cast<std::size_t>(stakewell::calc::SheetInput::ElectrodeDiameter)] =
            diameter;
        stakewell::files::XmlValueStore store;
        QString name = folder.filePath(QStringLiteral("site.xml"));
        store.FileName(name);
        stakewell::files::WriteDataFile(store, content);
        ASSERT_EQ(store.Write(), std::nullopt);
        form.Window().LoadDataFile(name);
        EXPECT_EQ(form.Text("tbxNumer"), numerator) << diameter.toStdString();
        EXPECT_EQ(form.Text("tbxDenom"), denominator) << diameter.toStdString();
        EXPECT_EQ(form.Text("lbResult"), shown) << diameter.toStdString();
        EXPECT_EQ(form.Text("tbxElectDia"), diameter);
    }
}

} // namespace
