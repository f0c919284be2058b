#include "cli/FieldCommand.h"

#include "files/DataFile.h"
#include "files/XmlValueStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

using stakewell::files::DataFileContent;

class FieldCommand : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        DataFileContent content;
        content.FieldTexts = {"100", "10", "0.625", "4", "40", "0.2043", "1.5", "10", "50"};
        content.FOPPoints = {{}, {20, 10}, {40, 20}, {60, 24}, {70, 26}};
        stakewell::files::XmlValueStore store;
        store.FileName(Good());
        stakewell::files::WriteDataFile(store, content);
        ASSERT_FALSE(store.Write());
    }

    QString Good() const { return folder.filePath(QStringLiteral("site.xml")); }

    int Run(const QStringList& arguments) {
        const auto status = stakewell::cli::RunFieldCommand(
            QStringList{QStringLiteral("stakewell")} + arguments, out, err);
        EXPECT_TRUE(status.has_value());
        return status.value_or(-1);
    }

    QTemporaryDir folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(FieldCommand, ReportsTheDesignAndTheReadingsWithTheE2BoxesFirstValue) {
    EXPECT_EQ(Run({QStringLiteral("--report"), Good()}), 0);
    const std::string report = out.str();
    EXPECT_EQ(report.substr(0, 39), "\r\nGround System Conductivity Design\r\n\r\n");
    EXPECT_NE(report.find("   Earth Restivity      = 100 meter-Ohms\r\n"), std::string::npos);
    EXPECT_NE(report.find("Single Electrode Resistance = "), std::string::npos);
    EXPECT_NE(report.find("P2 = 60 Feet  24 Ohms\r\nP2 = 70 Feet  26 Ohms\r\nE2    = 50 feet\r\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(err.str(), "");
}

// A file whose wire depth is empty: the report prints no total built on the
// failed wire step, and says what is missing.
TEST_F(FieldCommand, ReportLeavesEmptyWhatTheInputsCannotSupport) {
    DataFileContent content;
    content.FieldTexts = {"100", "10", "0.625", "4", "60", "0.1019", "", "-2", "50"};
    const QString noDepth = folder.filePath(QStringLiteral("no-depth.xml"));
    stakewell::files::XmlValueStore store;
    store.FileName(noDepth);
    stakewell::files::WriteDataFile(store, content);
    ASSERT_FALSE(store.Write());
    EXPECT_EQ(Run({QStringLiteral("--report"), noDepth}), 0);
    const std::string report = out.str();
    EXPECT_NE(report.find("Electrode resistance = 9.687 Ohms\r\n"
                          "Wire resistance      =  Ohms\r\n"
                          "Mutual resistance    = 4.325 Ohms\r\n"
                          "Total resistance     =  Ohms\r\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("----------- Cautions ------------------------------------\r\n"
                          "Wire Depth: Enter the wire depth.\r\n"
                          "-------------------------------------------------------\r\n"),
              std::string::npos)
        << report;
}

TEST_F(FieldCommand, ReportTakesTheGivenE2) {
    EXPECT_EQ(
        Run({QStringLiteral("--report=") + Good(), QStringLiteral("--e2"), QStringLiteral("100")}),
        0);
    EXPECT_NE(out.str().find("E2    = 100 feet\r\n"), std::string::npos);
}

// Rounded as the graph window and its details show them.
TEST_F(FieldCommand, AnalysesOneLabelledValueALine) {
    EXPECT_EQ(
        Run({QStringLiteral("--analyse"), Good(), QStringLiteral("--e2"), QStringLiteral("100")}),
        0);
    const std::string listing = out.str();
    EXPECT_NE(listing.find("E2 distance: 100.0 feet\nReadings: 4\n"), std::string::npos);
    EXPECT_NE(listing.find("R at 62%: 24.400 Ohms (between 60.0 feet 24.000 Ohms and 70.0 feet "
                           "26.000 Ohms)\n"),
              std::string::npos)
        << listing;
    EXPECT_NE(listing.find("\u03bc: 0.4000\n"), std::string::npos) << listing;
    EXPECT_NE(listing.find("P_T: 64.326 feet\nR true: 24.865 Ohms (between 60.0 feet 24.000 Ohms "
                           "and 70.0 feet 26.000 Ohms)\nR true by the model: 24.907 Ohms\n"),
              std::string::npos)
        << listing;
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 19);
}

TEST_F(FieldCommand, FailuresGoToStandardErrorWithAnExitStatus) {
    EXPECT_EQ(Run({QStringLiteral("--analyse"), Good()}), 2);
    EXPECT_EQ(err.str(), "stakewell: --analyse needs the E2 distance: --e2 FEET\n");
    err.str({});
    EXPECT_EQ(
        Run({QStringLiteral("--analyse"), Good(), QStringLiteral("--e2"), QStringLiteral("ten")}),
        2);
    EXPECT_NE(err.str().find("--e2 needs a distance above 0 feet"), std::string::npos);
    err.str({});
    const QString missing = folder.filePath(QStringLiteral("missing.xml"));
    EXPECT_EQ(Run({QStringLiteral("--report"), missing}), 1);
    EXPECT_NE(err.str().find("stakewell: cannot read \"" + missing.toStdString() + "\""),
              std::string::npos)
        << err.str();
    EXPECT_EQ(out.str(), "");
}

TEST(FieldCommandAbsent, LeavesOtherArgumentsToTheWindow) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_FALSE(stakewell::cli::RunFieldCommand(
        {QStringLiteral("stakewell"), QStringLiteral("site.xml"), QStringLiteral("--e2")}, out,
        err));
    EXPECT_EQ(out.str() + err.str(), "");
}

TEST_F(FieldCommand, TakesE2AndTheWireChoiceFromTheFile) {
    DataFileContent content;
    content.FieldTexts = {"100", "10", "0.625", "4", "40", "0.1019", "2.5", "10", "50"};
    content.FOPPoints = {{}, {20, 10}, {40, 20}, {60, 24}, {70, 26}, {90, 40}};
    content.Choices = {"80", "20", "15", 1, 0};
    const QString file = folder.filePath(QStringLiteral("kept.xml"));
    stakewell::files::XmlValueStore store;
    store.FileName(file);
    stakewell::files::WriteDataFile(store, content);
    ASSERT_FALSE(store.Write());

    EXPECT_EQ(Run({QStringLiteral("--analyse"), file}), 0) << err.str();
    EXPECT_NE(out.str().find("E2 distance: 80.0 feet\nReadings: 4\nLeft out: 1 reading at or "
                             "beyond E2"),
              std::string::npos)
        << out.str();
    out.str({});
    EXPECT_EQ(Run({QStringLiteral("--analyse"), file, QStringLiteral("--e2=100")}), 0);
    EXPECT_NE(out.str().find("E2 distance: 100.0 feet\nReadings: 5\nLeft out: none\n"),
              std::string::npos)
        << out.str();
    out.str({});
    EXPECT_EQ(Run({QStringLiteral("--report"), file}), 0);
    EXPECT_NE(
        out.str().find("   Wire Length, line    = 20 feet between electrodes, 60 feet in all"),
        std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("E2    = 80 feet\r\n"
                             "-------------------------------------------------------\r\n"
                             "----------- Fall of Potential Analysis ------------------\r\n"
                             "E2 distance: 80.0 feet\r\nReadings: 4\r\nLeft out: 1 reading at "
                             "or beyond E2"),
              std::string::npos)
        << out.str();
    out.str({});
    EXPECT_EQ(Run({QStringLiteral("--report"), file, QStringLiteral("--tolerance=7.5")}), 0);
    EXPECT_NE(out.str().find("\r\nTolerance: 7.5%\r\n"), std::string::npos) << out.str();
}

TEST_F(FieldCommand, ReportAndAnalyseTogetherAreRefused) {
    EXPECT_EQ(Run({QStringLiteral("--report"), Good(), QStringLiteral("--analyse"), Good(),
                   QStringLiteral("--e2"), QStringLiteral("100")}),
              2);
    EXPECT_EQ(err.str(), "stakewell: --report and --analyse cannot be given together\n");
    EXPECT_EQ(out.str(), "");
}

// A work with a two-layer soil typed (300 ohm-metres over 100 from 8.2 feet
// down) and readings rising past the 62% point towards E2 at 100 feet.
class LayeredFieldCommand : public FieldCommand {
protected:
    void SetUp() override {
        FieldCommand::SetUp();
        DataFileContent content;
        content.FieldTexts = {"100", "10", "0.625", "4", "60", "0.1019", "2.5", "", "50"};
        content.FOPPoints = {{},         {10, 18.0}, {20, 21.5}, {30, 23.0}, {40, 24.0},
                             {50, 24.8}, {60, 25.6}, {70, 26.6}, {80, 28.4}, {90, 33.0}};
        content.Choices.FOPE2 = QStringLiteral("100");
        content.LayeredSoil = {QStringLiteral("300"), QStringLiteral("100"), QStringLiteral("8.2")};
        stakewell::files::XmlValueStore store;
        store.FileName(Layered());
        stakewell::files::WriteDataFile(store, content);
        ASSERT_FALSE(store.Write());
    }

    QString Layered() const { return folder.filePath(QStringLiteral("layered.xml")); }
};

// The report's two-layer block is the text report's; here it is enough that
// the file's soil reaches it and the analysis.
TEST_F(LayeredFieldCommand, ReportAddsTheDesignInTheSoilAndTheTruePosition) {
    EXPECT_EQ(Run({QStringLiteral("--report"), Layered()}), 0) << err.str();
    const std::string report = out.str();
    for (const char* line :
         {"Two-layer soil: 300.0 ohm-metres over 100.0 ohm-metres from 8.20 feet down, typed\r\n",
          "Total resistance     = 13.125 Ohms\r\nEquivalent resistivity = 185.67 meter-Ohms\r\n",
          "True-resistance position: 60.8 % of E2\r\n"}) {
        EXPECT_NE(report.find(line), std::string::npos) << line << report;
    }
}

// Right after the 62% line; against an E2 three times as far the position
// lies beyond every reading, which is said, not extrapolated.
TEST_F(LayeredFieldCommand, AnalysePrintsTheTruePositionOrWhyThereIsNoValue) {
    EXPECT_EQ(Run({QStringLiteral("--analyse"), Layered()}), 0) << err.str();
    EXPECT_NE(out.str().find("26.600 Ohms)\n"
                             "True-resistance position: 60.8 % of E2\n"
                             "R at the true-resistance position: 25.679 Ohms (between 60.0 feet "
                             "25.600 Ohms and 70.0 feet 26.600 Ohms)\n"
                             "R at 52%: "),
              std::string::npos)
        << out.str();
    out.str({});
    EXPECT_EQ(Run({QStringLiteral("--analyse"), Layered(), QStringLiteral("--e2=300")}), 0);
    EXPECT_NE(out.str().find("True-resistance position: 61.7 % of E2\n"
                             "R at the true-resistance position: none (the true-resistance "
                             "position lies outside the readings)\n"),
              std::string::npos)
        << out.str();
}

// A file of an earlier version, with readings and no soil: every line as it
// printed before the two-layer soil was read.
TEST(OldFieldFile, ReportsAndAnalysesAsBefore) {
    const QString file = QStringLiteral(STAKEWELL_OLD_FILES "/twelve-readings.xml");
    for (const char* mode : {"report", "analyse"}) {
        std::ifstream expected(std::string(STAKEWELL_CLI_EXPECTED "/twelve-readings-") + mode +
                                   ".txt",
                               std::ios::binary);
        ASSERT_TRUE(expected) << mode;
        const std::string before{std::istreambuf_iterator<char>(expected),
                                 std::istreambuf_iterator<char>()};
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(stakewell::cli::RunFieldCommand({QStringLiteral("stakewell"),
                                                   QStringLiteral("--") + QLatin1String(mode), file,
                                                   QStringLiteral("--e2"), QStringLiteral("100")},
                                                  out, err),
                  0);
        EXPECT_EQ(out.str(), before) << mode;
    }
}

} // namespace
