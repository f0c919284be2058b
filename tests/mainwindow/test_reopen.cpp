// A test reopens exactly as it was taken: what the data file and the last run
// keep, and the field workflow around them, worked as a user does.
#include "MainWindowDriver.h"
#include "ModalAnswerer.h"

#include "cli/FieldCommand.h"
#include "files/DataFile.h"
#include "files/DataFileCheck.h"
#include "files/XmlValueStore.h"

#include <QApplication>
#include <QFile>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(STAKEWELL_OLD_FILES "/") + QLatin1String(name);
}

// The analysis panel of the graph in sight: its summary, or its whole listing.
QLabel* AnalysisPanel() {
    QWidget* graph = ShownGraphWindow();
    return graph == nullptr ? nullptr : graph->findChild<QLabel*>(QStringLiteral("Panel_3"));
}

QString AnalysisSummary() {
    return AnalysisPanel() == nullptr ? QString() : AnalysisPanel()->text();
}

bool Checked(MainWindowDriver& form, const char* name) {
    return qobject_cast<QRadioButton*>(form.Control(QLatin1String(name)))->isChecked();
}

void AddReading(MainWindowDriver& form, const QString& feet, const QString& ohms) {
    form.Type("tbxFOPP2Feet", feet);
    form.Type("tbxFOPP2Ohms", ohms);
    form.Click("cmdFOPAdd");
}

// What the window shows that a file written before the new items does not
// hold; such a file must leave all of it alone.
struct LeftAlone {
    explicit LeftAlone(MainWindowDriver& form)
        : texts{form.Text("tbxFOPE2"), form.Text("tbxWireBetween_0"),
                form.Text("tbxWireBetween_1")},
          betweenChosen(Checked(form, "WireLength_1")), gaugeChosen(Checked(form, "WireSize_1")) {}

    QStringList texts;
    bool betweenChosen;
    bool gaugeChosen;
};

struct OldFileCase {
    const char* file;
    const char* earthRes;
    const char* electrodeResistance;
    const char* pointLabel;
    std::vector<double> feet;
};

void PrintTo(const OldFileCase& c, std::ostream* os) {
    *os << c.file;
}

class OldFile : public testing::TestWithParam<OldFileCase> {};

TEST_P(OldFile, LoadsAsBeforeAndLeavesTheNewItemsAlone) {
    const OldFileCase& c = GetParam();
    MainWindowDriver form;
    form.SelectTab(2);
    form.Click("WireLength_1");
    form.Type("tbxWireBetween_0", "16");
    form.Type("tbxWireBetween_1", "17");
    form.Click("WireSize_1");
    form.Type("tbxWireAWG", "6");
    form.Type("tbxFOPE2", "77");
    const LeftAlone before(form);

    QString name = Fixture(c.file);
    form.Window().LoadDataFile(name);
    ASSERT_EQ(name, Fixture(c.file)) << "the file was read";
    const LeftAlone after(form);
    EXPECT_EQ(after.texts, before.texts);
    EXPECT_EQ(after.betweenChosen, before.betweenChosen);
    EXPECT_EQ(after.gaugeChosen, before.gaugeChosen);
    EXPECT_EQ(form.Text("tbxEarthRes"), c.earthRes);
    EXPECT_EQ(form.Text("tbxWireDia"), "0.1019");
    EXPECT_EQ(form.Text("tbxWireAWG"), "9") << "the gauge follows the loaded diameter";
    EXPECT_EQ(form.Text("lbOneElectRes"), c.electrodeResistance);
    EXPECT_EQ(form.Text("lbPoint"), c.pointLabel);
    std::vector<double> feet;
    for (const auto& point : form.Window().Work().Fop().FOPPoints()) {
        feet.push_back(point.Distance);
    }
    EXPECT_EQ(feet, c.feet) << "in the file's order, origin first";
    EXPECT_DOUBLE_EQ(form.Window().Work().Fop().FOPE2Distance, 77.0);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, OldFile,
    testing::Values(OldFileCase{"design-only.xml", "100", "33.091", "Point 0 of 0", {0}},
                    OldFileCase{"twelve-readings.xml",
                                "100",
                                "33.091",
                                "Point 12 of 12",
                                {0, 10, 20, 30, 40, 45, 50, 55, 60, 65, 70, 80, 90}},
                    OldFileCase{
                        "descending.xml", "250", "82.727", "Point 3 of 3", {0, 30, 20, 10}}),
    [](const testing::TestParamInfo<OldFileCase>& info) {
        std::string name = info.param.file;
        name = name.substr(0, name.find('.'));
        std::erase(name, '-');
        return name;
    });

// Written by the program before damaged files were refused: every item it
// keeps, an E2 typed with its unit and a survey cell left empty. It loads,
// in the window and on the command line, as it did.
TEST(Reopen, AFileWithEveryItemLoadsAsItDid) {
    MainWindowDriver form;
    const ModalAnswerer answerer;
    QString name = Fixture("every-item.xml");
    form.Window().LoadDataFile(name);
    EXPECT_EQ(answerer.Messages(), QStringList());
    EXPECT_EQ(form.Text("lbOneElectRes"), "33.091");
    EXPECT_EQ(form.Text("lbPoint"), "Point 6 of 6");
    EXPECT_EQ(form.Text("tbxFOPE2"), "100 ft");
    EXPECT_DOUBLE_EQ(form.Window().Work().Fop().FOPE2Distance, 100.0);
    EXPECT_EQ(form.Text("tbxWireBetween_0"), "16");
    EXPECT_TRUE(Checked(form, "WireSize_1"));
    EXPECT_EQ(form.Window().Work().Soil().readings.size(), 4U);

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(stakewell::cli::RunFieldCommand({"stakewell", "--report", name}, out, err), 0)
        << err.str();
    EXPECT_NE(out.str().find("Site:       North substation"), std::string::npos) << out.str();
}

// The engineer's day: twelve readings against E2 = 100 ft, saved, reopened.
TEST(Reopen, ATestComesBackAgainstItsOwnE2) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("site.xml"));
    QString analysed;
    {
        MainWindowDriver form;
        form.SelectTab(5);
        form.Type("tbxFOPE2", "100");
        for (const auto& [feet, ohms] :
             {std::pair{"10", "14.1"}, std::pair{"20", "21.6"}, std::pair{"30", "26.4"},
              std::pair{"40", "29.8"}, std::pair{"45", "31"}, std::pair{"50", "31.9"},
              std::pair{"55", "32.4"}, std::pair{"60", "32.7"}, std::pair{"65", "33.1"},
              std::pair{"70", "33.6"}, std::pair{"80", "35.2"}, std::pair{"90", "39.5"}}) {
            AddReading(form, feet, ohms);
        }
        ASSERT_EQ(form.Text("lbPoint"), "Point 12 of 12");
        analysed = AnalysisSummary();
        QString name = file;
        form.Window().SaveDataFile(name);
    }
    MainWindowDriver reopened;
    reopened.SelectTab(5);
    QString name = file;
    reopened.Window().LoadDataFile(name);
    EXPECT_EQ(reopened.Text("tbxFOPE2"), "100");
    EXPECT_EQ(reopened.Text("lb62Pct"), "62.0");
    EXPECT_EQ(AnalysisSummary(), analysed);
    EXPECT_FALSE(analysed.contains("left out")) << analysed.toStdString();
    // The loaded E2 is in force at once: a reading just below it is taken.
    AddReading(reopened, "99", "41");
    EXPECT_EQ(reopened.Text("lbPoint"), "Point 13 of 13");
}

TEST(Reopen, ReadingsBeyondAShortenedE2AreLeftOutAndSaidToBe) {
    MainWindowDriver form;
    form.SelectTab(5);
    form.Type("tbxFOPE2", "100");
    for (const char* feet : {"30", "50", "62", "70", "80"}) {
        AddReading(form, feet, "20");
    }
    form.Type("tbxFOPE2", "60");
    EXPECT_TRUE(AnalysisSummary().startsWith("3 at or beyond E2 left out; R62 "))
        << AnalysisSummary().toStdString();
    const QString listing = AnalysisPanel()->toolTip();
    EXPECT_TRUE(listing.contains("Readings: 2\nLeft out: 3 readings at or beyond E2"))
        << listing.toStdString();
}

TEST(Reopen, ARepeatedDistanceIsTakenAndToldOf) {
    MainWindowDriver form;
    form.SelectTab(5);
    form.Type("tbxFOPE2", "100");
    AddReading(form, "30", "10");
    AddReading(form, "62", "20");
    AddReading(form, "62", "22");
    EXPECT_EQ(form.Text("lbPoint"), "Point 3 of 3");
    EXPECT_EQ(QToolTip::text(), "Added. A reading at 62 Feet was already in the list: the "
                                "analysis uses the mean of the readings there.");
    QToolTip::hideText();
    const QString listing = AnalysisPanel()->toolTip();
    EXPECT_TRUE(listing.contains("R at 62%: 21.000 Ohms (read at 62.0 feet 21.000 Ohms [the mean "
                                 "of 2 readings])"))
        << listing.toStdString();
}

struct Choices {
    QString e2;
    QString between0;
    QString between1;
    bool between = false;
    bool gauge = false;
    bool operator==(const Choices&) const = default;
};

void PrintTo(const Choices& c, std::ostream* os) {
    *os << "E2 \"" << c.e2.toStdString() << "\", between \"" << c.between0.toStdString() << "\" \""
        << c.between1.toStdString() << "\"" << (c.between ? ", between chosen" : "")
        << (c.gauge ? ", gauge chosen" : "");
}

Choices Shown(MainWindowDriver& form) {
    return {form.Text("tbxFOPE2"), form.Text("tbxWireBetween_0"), form.Text("tbxWireBetween_1"),
            Checked(form, "WireLength_1"), Checked(form, "WireSize_1")};
}

QString RandomText(QRandomGenerator& random) {
    static const QString alphabet = QStringLiteral("0123456789.,- eE&<>\"'");
    QString text;
    const int length = static_cast<int>(random.bounded(8));
    for (int i = 0; i < length; ++i) {
        text.append(alphabet.at(static_cast<int>(random.bounded(alphabet.size()))));
    }
    return text;
}

void Enter(MainWindowDriver& form, const Choices& c) {
    form.SelectTab(2);
    form.Click(c.between ? "WireLength_1" : "WireLength_0");
    form.Click(c.gauge ? "WireSize_1" : "WireSize_0");
    form.Click("WireLength_1");
    form.Type("tbxWireBetween_0", c.between0);
    form.Type("tbxWireBetween_1", c.between1);
    form.Click(c.between ? "WireLength_1" : "WireLength_0");
    form.SelectTab(5);
    form.Type("tbxFOPE2", c.e2);
}

// What a save keeps of the choices: an E2 box holding no distance above 0
// is saved empty, so that the file loads again.
Choices Reopened(Choices c) {
    if (!stakewell::files::IsStorableE2(c.e2)) {
        c.e2.clear();
    }
    return c;
}

TEST(Reopen, RandomChoicesSurviveSaveAndLoadAndTheNextStart) {
    QRandomGenerator random(16);
    QTemporaryDir folder;
    const QString lastConfig = folder.filePath(QStringLiteral("LastConfig.xml"));
    for (int round = 0; round < 12; ++round) {
        const Choices c{RandomText(random), RandomText(random), RandomText(random),
                        random.bounded(2) == 1, random.bounded(2) == 1};
        QString saved = folder.filePath(QStringLiteral("round.xml"));
        {
            auto* window = new stakewell::mainwindow::frmMain(lastConfig);
            MainWindowDriver form(*window);
            Enter(form, c);
            ASSERT_EQ(Shown(form), c);
            form.Window().SaveDataFile(saved);
            window->close();
            delete window;
        }
        MainWindowDriver loaded;
        loaded.Window().LoadDataFile(saved);
        EXPECT_EQ(Shown(loaded), Reopened(c)) << "after save and load, round " << round;
        stakewell::mainwindow::frmMain next(lastConfig);
        MainWindowDriver started(next);
        EXPECT_EQ(Shown(started), Reopened(c)) << "after close and start, round " << round;
    }
}

// Each start shows the graph and closes: its placement must not creep.
TEST(Reopen, TenStartsWriteTheSamePlacement) {
    QTemporaryDir folder;
    const QString lastConfig = folder.filePath(QStringLiteral("LastConfig.xml"));
    std::vector<QStringList> placements;
    for (int start = 0; start < 10; ++start) {
        {
            stakewell::mainwindow::frmMain window(lastConfig);
            window.show();
            MainWindowDriver form(window);
            form.SelectTab(5);
            ASSERT_NE(ShownGraphWindow(), nullptr);
            QCoreApplication::processEvents();
            form.Click("cmdEnd");
        }
        stakewell::files::XmlValueStore store;
        store.FileName(lastConfig);
        ASSERT_EQ(store.Read(), std::nullopt);
        QStringList placement;
        for (const char* item : {"frmMain/Top", "frmMain/Left", "frmGraph/Top", "frmGraph/Left",
                                 "frmGraph/Height", "frmGraph/Width"}) {
            placement << store.GetValue(QStringLiteral("Data/Stakewell/") + QLatin1String(item));
        }
        placements.push_back(placement);
    }
    for (std::size_t start = 1; start < placements.size(); ++start) {
        EXPECT_EQ(placements[start], placements[0]) << "start " << start + 1;
    }
}

TEST(Keys, TheFopTabLeavesTheFocusInTheMainWindowAndCtrlYRedoes) {
    MainWindowDriver form;
    form.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.Window()));
    form.SelectTab(5);
    ASSERT_NE(ShownGraphWindow(), nullptr);
    EXPECT_EQ(QApplication::activeWindow(), &form.Window());
    form.Type("tbxFOPE2", "100");
    AddReading(form, "30", "10");
    AddReading(form, "40", "12");
    QWidget* button = form.Control("cmdFOPAdd");
    QTest::keyClick(button, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Text("lbPoint"), "Point 1 of 1");
    QTest::keyClick(button, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form.Text("lbPoint"), "Point 2 of 2");
    // From a box with nothing of its own to redo, the key reaches the list.
    QTest::keyClick(button, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(form.Control("tbxMVal"), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form.Text("lbPoint"), "Point 2 of 2");
}

} // namespace
