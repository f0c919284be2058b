#include "MainWindowDriver.h"

#include "mainwindow/InputHint.h"

#include <QRadioButton>
#include <QSignalSpy>

#include "CaseName.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr std::array DesignFields = {"tbxEarthRes", "tbxElectLen", "tbxElectDia", "tbxNumElect",
                                     "tbxWireLen",  "tbxWireDia",  "tbxWireDepth"};

constexpr std::array DesignResults = {"lbOneElectRes", "lbLinearSpace",  "lbLinearElect",
                                      "lbLinearWire",  "LbLinearMutual", "lbLinearTotal",
                                      "lbRectSpace",   "lbRectElect",    "lbRectWire",
                                      "lbRectMutual",  "lbRectTotal"};

struct DesignCase {
    const char* title;
    std::array<const char*, 7> inputs;
    // nullptr: not stated for this case.
    std::array<const char*, 11> results;
};

void PrintTo(const DesignCase& c, std::ostream* os) {
    *os << c.title;
}

const std::vector<DesignCase> DesignCases = {
    {"first set",
     {"100", "10", "0.625", "4", "60", "0.1019", "2.5"},
     {"33.091", "20.00", "9.687", "9.945", "4.325", "7.069", "15.00", "9.900", "10.899", "5.279",
      "7.815"}},
    {"second set",
     {"100", "8", "0.5", "2", "20", "0.2576", "1.5"},
     {"41.364", "20.00", "21.987", "23.010", "8.403", "15.442", "10.00", "21.943", "25.873",
      "11.267", "17.435"}},
    {"third set",
     {"250", "10", "0.75", "6", "100", "0.3249", "2.5"},
     {"80.347", "20.00", "16.546", "14.737", "7.821", "11.679", "16.67", "16.890", "16.169",
      "9.253", "12.882"}},
    {"one electrode",
     {"100", "10", "0.625", "1", "60", "0.1019", "2.5"},
     {"33.091", "", "33.091", "9.945", "4.325", "9.026", "60.00", "33.091", "10.899", "5.279",
      "9.954"}},
    {"negative count reads as one",
     {"100", "10", "0.625", "-3", "60", "0.1019", "2.5"},
     {"33.091", "", "33.091", "9.945", "4.325", "9.026", "60.00", "33.091", "10.899", "5.279",
      "9.954"}},
    {"empty count",
     {"100", "10", "0.625", "", "60", "0.1019", "2.5"},
     {"33.091", "", "", "9.945", "4.325", "", "", "", "10.899", "5.279", ""}},
    {"zero electrode diameter",
     {"100", "10", "0", "4", "60", "0.1019", "2.5"},
     {"", "20.00", "", "9.945", "4.325", "", "15.00", "", "10.899", "5.279", ""}},
    {"empty wire depth",
     {"100", "10", "0.625", "4", "60", "0.1019", ""},
     {"33.091", "20.00", "9.687", "", "4.325", "", "15.00", "9.900", "", "5.279", ""}},
    {"largest count",
     {"100", "10", "0.625", "32767", "60", "0.1019", "2.5"},
     {nullptr, "0.00", "17.361", nullptr, nullptr, "8.252", "0.00", "17.313", nullptr, nullptr,
      "9.110"}},
};

class DesignTyping : public testing::TestWithParam<DesignCase> {};

TEST_P(DesignTyping, TypedInputsShowTheResults) {
    MainWindowDriver form;
    const DesignCase& c = GetParam();
    for (std::size_t i = 0; i < DesignFields.size(); ++i) {
        form.Type(DesignFields.at(i), c.inputs.at(i));
    }
    for (std::size_t i = 0; i < DesignResults.size(); ++i) {
        if (c.results.at(i) != nullptr) {
            EXPECT_EQ(form.Text(DesignResults.at(i)).toStdString(), c.results.at(i))
                << DesignResults.at(i);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, DesignTyping, testing::ValuesIn(DesignCases),
                         [](const testing::TestParamInfo<DesignCase>& info) {
                             std::string name = info.param.title;
                             for (char& ch : name) {
                                 if (std::isalnum(static_cast<unsigned char>(ch)) == 0) {
                                     ch = '_';
                                 }
                             }
                             return name;
                         });

TEST(Recalculation, EveryKeystrokeInAFieldRecalculatesOnce) {
    MainWindowDriver form;
    QSignalSpy spy(&form.Window(), &stakewell::mainwindow::frmMain::Recalculated);
    for (const char* field :
         {"tbxEarthRes", "tbxElectLen", "tbxElectDia", "tbxNumElect", "tbxWireDepth", "tbxMVal",
          "tbx4ptE2", "tbxWireLen", "tbxWireBetween_0", "tbxWireBetween_1", "tbxWireDia"}) {
        spy.clear();
        form.Append(field, "12");
        EXPECT_EQ(spy.count(), 2) << field;
    }
}

// A data file's work is taken whole: the results are computed once, with
// the gauge from the loaded diameter.
TEST(Recalculation, ADataFileIsTakenWholeAndRecalculatedOnce) {
    MainWindowDriver form;
    stakewell::files::DataFileContent content = form.Window().Work().Content();
    content.FieldTexts[0] = QStringLiteral("100");
    content.FieldTexts[5] = QStringLiteral("0.1019");
    QSignalSpy spy(&form.Window(), &stakewell::mainwindow::frmMain::Recalculated);
    form.Window().Work().Take(content);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(form.Text("tbxEarthRes"), "100");
    EXPECT_EQ(form.Text("tbxWireAWG"), "9") << "the conversion still runs";
}

TEST(Recalculation, BetweenElectrodesBoxesRecalculateWithoutChangingAnyResult) {
    MainWindowDriver form;
    const DesignCase& first = DesignCases.front();
    for (std::size_t i = 0; i < DesignFields.size(); ++i) {
        form.Type(DesignFields.at(i), first.inputs.at(i));
    }
    QSignalSpy spy(&form.Window(), &stakewell::mainwindow::frmMain::Recalculated);
    form.Type("tbxWireBetween_0", "7");
    form.Type("tbxWireBetween_1", "9");
    EXPECT_EQ(spy.count(), 2);
    for (std::size_t i = 0; i < DesignResults.size(); ++i) {
        EXPECT_EQ(form.Text(DesignResults.at(i)).toStdString(), first.results.at(i));
    }
}

class WireSize : public testing::Test {
protected:
    void SetUp() override { form.SelectTab(2); }

    void Choose(const char* option) { form.Click(option); }
    bool Checked(const char* option) {
        return form.Window().findChild<QRadioButton*>(option)->isChecked();
    }

    MainWindowDriver form;
    QSignalSpy recalculations{&form.Window(), &stakewell::mainwindow::frmMain::Recalculated};
};

TEST_F(WireSize, GaugeKeystrokesWriteTheDiameterAndRecalculateOnceEach) {
    Choose("WireSize_1");
    ASSERT_TRUE(Checked("WireSize_1"));
    EXPECT_FALSE(form.Field("tbxWireAWG")->isReadOnly());
    EXPECT_TRUE(form.Field("tbxWireDia")->isReadOnly());
    recalculations.clear();

    form.Append("tbxWireAWG", "1");
    EXPECT_EQ(form.Text("tbxWireDia"), "0.2893");
    EXPECT_EQ(recalculations.count(), 1);
    form.Append("tbxWireAWG", "0");
    EXPECT_EQ(form.Text("tbxWireDia"), "0.1019");
    EXPECT_EQ(recalculations.count(), 2);
    EXPECT_EQ(form.Text("tbxWireAWG"), "10") << "the written diameter does not write back";
}

TEST_F(WireSize, DiameterKeystrokesWriteTheGauge) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"0.1019", "9"}, {"0", "err"},     {"", "err"},     {"0.5", "0000+"},
        {"0.1", "10"},   {"0.3648", "00"}, {"-0.1", "err"},
    };
    for (const auto& [diameter, gauge] : cases) {
        form.Type("tbxWireDia", diameter);
        EXPECT_EQ(form.Text("tbxWireAWG"), gauge) << diameter.toStdString();
    }
}

TEST_F(WireSize, DiameterKeystrokesRecalculateOnceEach) {
    form.Append("tbxWireDia", "0.1019");
    EXPECT_EQ(recalculations.count(), 6);
}

TEST_F(WireSize, ChoosingGaugeKeepsTheDiameterEvenWhenTheGaugeReadsErr) {
    form.Type("tbxWireDia", "0");
    ASSERT_EQ(form.Text("tbxWireAWG"), "err");
    recalculations.clear();
    Choose("WireSize_1");
    EXPECT_EQ(form.Text("tbxWireDia"), "0");
    EXPECT_EQ(recalculations.count(), 1);
}

// Gauge 1 is 0.2893 in, whose gauge is shown as "0"; going back to Gauge must
// not turn the wire into 1/0's 0.3249 in.
TEST_F(WireSize, SwitchingDiameterAndGaugeNeverChangesTheWire) {
    const DesignCase& first = DesignCases.front();
    for (std::size_t i = 0; i < DesignFields.size(); ++i) {
        form.Type(DesignFields.at(i), first.inputs.at(i));
    }
    Choose("WireSize_1");
    form.Type("tbxWireAWG", "1");
    ASSERT_EQ(form.Text("tbxWireDia"), "0.2893");
    const QString total = form.Text("lbLinearTotal");
    for (const char* option : {"WireSize_0", "WireSize_1", "WireSize_0", "WireSize_1"}) {
        Choose(option);
        EXPECT_EQ(form.Text("tbxWireDia"), "0.2893") << option;
        EXPECT_EQ(form.Text("lbLinearTotal"), total) << option;
    }
    EXPECT_EQ(form.Text("tbxWireAWG"), "0") << "the gauge shown for 0.2893 in";
}

TEST_F(WireSize, ChoosingDiameterRederivesTheGaugeEvenWithoutAChange) {
    form.Type("tbxWireDia", "0.25");
    Choose("WireSize_1");
    form.Type("tbxWireAWG", "10");
    ASSERT_EQ(form.Text("tbxWireDia"), "0.1019");
    recalculations.clear();
    Choose("WireSize_0");
    EXPECT_EQ(form.Text("tbxWireAWG"), "9");
    EXPECT_EQ(recalculations.count(), 1);
    EXPECT_TRUE(form.Field("tbxWireAWG")->isReadOnly());
    EXPECT_FALSE(form.Field("tbxWireDia")->isReadOnly());

    recalculations.clear();
    Choose("WireSize_0");
    EXPECT_EQ(recalculations.count(), 1) << "a click on the chosen option still recalculates";
}

TEST_F(WireSize, LockedGaugeBoxIgnoresTyping) {
    form.Type("tbxWireDia", "0.25");
    form.Append("tbxWireAWG", "7");
    EXPECT_EQ(form.Text("tbxWireAWG"), "2");
}

TEST_F(WireSize, WireLengthOptionsSwitchWhichLengthBoxesAreLocked) {
    Choose("WireLength_1");
    EXPECT_EQ(recalculations.count(), 1);
    EXPECT_TRUE(form.Field("tbxWireLen")->isReadOnly());
    EXPECT_FALSE(form.Field("tbxWireBetween_0")->isReadOnly());
    EXPECT_FALSE(form.Field("tbxWireBetween_1")->isReadOnly());
    Choose("WireLength_0");
    EXPECT_EQ(recalculations.count(), 2);
    EXPECT_FALSE(form.Field("tbxWireLen")->isReadOnly());
    EXPECT_TRUE(form.Field("tbxWireBetween_0")->isReadOnly());
    EXPECT_TRUE(form.Field("tbxWireBetween_1")->isReadOnly());
    EXPECT_TRUE(Checked("WireLength_0"));
    EXPECT_FALSE(Checked("WireLength_1"));
    EXPECT_TRUE(Checked("WireSize_0")) << "the two pairs are separate groups";
}

struct FourPointCase {
    const char* e2;
    const char* measured;
    const char* p1;
    const char* p2;
    const char* resistivity; // nullptr: not stated
};

void PrintTo(const FourPointCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(std::tuple(std::string(c.e2), std::string(c.measured)));
}

class FourPointTyping : public testing::TestWithParam<FourPointCase> {};

TEST_P(FourPointTyping, TypedSpacingAndResistanceShowProbesAndResistivity) {
    MainWindowDriver form;
    const FourPointCase& c = GetParam();
    form.Type("tbx4ptE2", c.e2);
    form.Type("tbxMVal", c.measured);
    EXPECT_EQ(form.Text("lbP1").toStdString(), c.p1);
    EXPECT_EQ(form.Text("lbP2").toStdString(), c.p2);
    if (c.resistivity != nullptr) {
        EXPECT_EQ(form.Text("lbEarthRes").toStdString(), c.resistivity);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, FourPointTyping,
    testing::Values(FourPointCase{"50", "", "P1 = 16.7", "P2 = 33.3", ""},
                    FourPointCase{"100", "10", "P1 = 33.3", "P2 = 66.7", "638.37"},
                    FourPointCase{"300", "100", "P1 = 100.0", "P2 = 200.0", "19,151.13"},
                    FourPointCase{"1", "", "P1 = .3", "P2 = .7", ""},
                    FourPointCase{"", "", "", "", ""}, FourPointCase{"-50", "", "", "", ""},
                    FourPointCase{"100", "-2", "P1 = 33.3", "P2 = 66.7", ""}),
    [](const auto& info) {
        return CaseName(info.index, {info.param.e2, info.param.measured});
    });

TEST(FourPointLabels, GrowWithTheirTextSoNothingIsCutOff) {
    MainWindowDriver form;
    form.Type("tbx4ptE2", "123456789");
    for (const char* name : {"lbP1", "lbP2"}) {
        QLabel* label = form.Label(name);
        EXPECT_GE(label->width(), label->sizeHint().width()) << name;
    }
}

} // namespace

namespace {

// A caution is seen on the figure itself, in the amber of the input hints
// with the reason in its tool tip, and goes once the inputs are sound again.
TEST(ResultCautions, RodsCloserThanTheyAreLongMarkTheirFigures) {
    MainWindowDriver form;
    const DesignCase& first = DesignCases.front();
    for (std::size_t i = 0; i < DesignFields.size(); ++i) {
        form.Type(DesignFields.at(i), first.inputs.at(i));
    }
    form.Type("tbxNumElect", "100");
    QLabel* electrodes = form.Label("lbLinearElect");
    EXPECT_EQ(electrodes->text(), "7.546");
    EXPECT_EQ(electrodes->toolTip(), "The electrodes stand closer together than they are long: the "
                                     "approximation no longer holds here.");
    EXPECT_EQ(electrodes->grab().toImage().pixelColor(3, 3),
              stakewell::mainwindow::InputHint::Tint());
    EXPECT_EQ(form.Label("lbLinearWire")->toolTip(), "");

    form.Type("tbxNumElect", "4");
    EXPECT_EQ(electrodes->toolTip(), "");
    EXPECT_EQ(electrodes->grab().toImage().pixelColor(3, 3), QColor(Qt::white));
}

// The field that empties a figure says what it lacks.
TEST(ResultCautions, AnEmptyDepthNamesWhatIsMissing) {
    MainWindowDriver form;
    const DesignCase& first = DesignCases.front();
    for (std::size_t i = 0; i < DesignFields.size(); ++i) {
        form.Type(DesignFields.at(i), first.inputs.at(i));
    }
    form.Type("tbxWireDepth", "");
    EXPECT_EQ(form.Text("lbLinearTotal"), "");
    EXPECT_EQ(form.Field("tbxWireDepth")->toolTip(), "Enter the wire depth.");
    EXPECT_EQ(form.Field("tbxWireDepth")->palette().color(QPalette::Base),
              stakewell::mainwindow::InputHint::Tint());
    form.Type("tbxWireDepth", "2.5");
    EXPECT_EQ(form.Text("lbLinearTotal"), "7.069");
    EXPECT_EQ(form.Field("tbxWireDepth")->toolTip(), "");
}

} // namespace
