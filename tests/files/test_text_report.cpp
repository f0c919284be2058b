#include "files/TextReport.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <numbers>

#include <array>
#include <limits>
#include <ostream>
#include <string>

namespace {

using stakewell::files::ReportContent;

const char* const Head = "\r\n"
                         "Ground System Conductivity Design\r\n"
                         "\r\n"
                         "Input Data:\r\n";

const char* const Results = "\r\n"
                            "-------------------------------------------------------\r\n"
                            "Results:\r\n"
                            "\r\n"
                            "Single Electrode Resistance = 25.6 Ohms\r\n"
                            "\r\n"
                            "------------- Linear Case -------------------------------\r\n"
                            "Electrode spacing    = 10.00 feet\r\n"
                            "Electrode resistance = 7.1 Ohms\r\n"
                            "Wire resistance      = 8.2 Ohms\r\n"
                            "Mutual resistance    = 1.3 Ohms\r\n"
                            "Total resistance     = 4.4 Ohms\r\n"
                            "\r\n"
                            "------------- Rectangular Case --------------------------\r\n"
                            "Electrode spacing    = 7.50 feet\r\n"
                            "Electrode resistance = 6.1 Ohms\r\n"
                            "Wire resistance      =  Ohms\r\n"
                            "Mutual resistance    = 1.1 Ohms\r\n"
                            "Total resistance     = 3.9 Ohms\r\n"
                            "-------------------------------------------------------\r\n";

ReportContent Content(const stakewell::fop::FallOfPotential* fop) {
    ReportContent content;
    content.Inputs = {{"100 \xCE\xA9\xC2\xB7m", "10", "5/8", "4", "40", "0.2043", ""}};
    content.Results = {
        {"25.6", "10.00", "7.1", "8.2", "1.3", "4.4", "7.50", "6.1", "", "1.1", "3.9"}};
    content.FallOfPotential = fop;
    // The design's rod, as the work reads it from the electrode length.
    content.Rod = {10.0};
    return content;
}

std::string Inputs() {
    return "   Earth Restivity      = 100 \xCE\xA9\xC2\xB7m meter-Ohms\r\n"
           "   Electrode Length     = 10 feet\r\n"
           "   Electrode Diameter   = 5/8 inches\r\n"
           "   Number of Electrodes = 4\r\n"
           "   Wire Length          = 40 feet\r\n"
           "   Wire Diameter        = 0.2043 inches\r\n"
           "   Wire Depth           =  feet\r\n";
}

stakewell::fop::FallOfPotential Readings(int count) {
    stakewell::fop::FallOfPotential fop;
    fop.FOPE2Distance = 100.0;
    const std::array<stakewell::fop::FOPPoint, 2> readings{{{10.0, 5.0}, {20.0, 7.5}}};
    for (int i = 0; i < count; ++i) {
        fop.AddPoint(readings.at(i).Distance, readings.at(i).Ohms);
    }
    return fop;
}

TEST(TextReport, WithoutReadingsEndsAfterTheResults) {
    const std::string expected = std::string(Head) + Inputs() + Results;
    EXPECT_EQ(stakewell::files::TextReport(Content(nullptr)).toStdString(), expected);
    const stakewell::fop::FallOfPotential one = Readings(1);
    EXPECT_EQ(stakewell::files::TextReport(Content(&one)).toStdString(), expected);
}

// After the specified lines and any analysis, each note is a line of its own, named by the line it
// is about; an input or figure without a note adds nothing.
// A soil typed but not read gives its line alone; figures the soil cannot
// give are left empty as the uniform blocks leave theirs.
TEST(TextReport, ASoilModelFollowsTheUniformBlocksWithWhatItGives) {
    ReportContent content = Content(nullptr);
    stakewell::files::LayeredReport unread;
    unread.SoilLine = "Two-layer soil: none, the lower resistivity is not given";
    content.Layered = unread;
    EXPECT_EQ(stakewell::files::TextReport(content).toStdString(),
              std::string(Head) + Inputs() + Results +
                  "----------- Two-Layer Soil ------------------------------\r\n"
                  "Two-layer soil: none, the lower resistivity is not given\r\n"
                  "-------------------------------------------------------\r\n");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    stakewell::files::LayeredReport layered;
    layered.SoilLine = "Two-layer soil: 300.0 ohm-metres over 100.0 ohm-metres from 8.2 feet "
                       "down, typed";
    layered.Soil = stakewell::soil::TwoLayerSoil{300.0, 100.0, 2.5};
    layered.Ohms = {20.1234, {9.0, 12.5, 4.25, 7.0005}, {8.0, nan, nan, nan}};
    layered.LinearEquivalent = "123.46";
    content.Layered = layered;
    EXPECT_EQ(stakewell::files::TextReport(content).toStdString(),
              std::string(Head) + Inputs() + Results +
                  "----------- Two-Layer Soil ------------------------------\r\n" +
                  layered.SoilLine +
                  "\r\n"
                  "Single Electrode Resistance = 20.123 Ohms\r\n"
                  "\r\n"
                  "------------- Linear Case, Two-Layer Soil ---------------\r\n"
                  "Electrode resistance = 9.000 Ohms\r\n"
                  "Wire resistance      = 12.500 Ohms\r\n"
                  "Mutual resistance    = 4.250 Ohms\r\n"
                  "Total resistance     = 7.001 Ohms\r\n"
                  "Equivalent resistivity = 123.46 meter-Ohms\r\n"
                  "\r\n"
                  "------------- Rectangular Case, Two-Layer Soil ----------\r\n"
                  "Electrode resistance = 8.000 Ohms\r\n"
                  "Wire resistance      =  Ohms\r\n"
                  "Mutual resistance    =  Ohms\r\n"
                  "Total resistance     =  Ohms\r\n"
                  "Equivalent resistivity =  meter-Ohms\r\n"
                  "-------------------------------------------------------\r\n");
}

TEST(TextReport, NotesFollowTheResultsOneLineEach) {
    using stakewell::calc::SheetInput;
    using stakewell::calc::SheetResult;
    ReportContent content = Content(nullptr);
    content.Notes.Inputs[SheetInput::WireDepth] = "Enter the wire depth.";
    content.Notes.Inputs[SheetInput::FourPointOhms] = "Not in this report.";
    content.Notes.Results[SheetResult::LinearTotal] = "First caution.\nSecond caution.";
    content.Notes.Results[SheetResult::PolygonElectrodes] = "Third caution.";
    const std::string expected = std::string(Head) + Inputs() + Results +
                                 "----------- Cautions ------------------------------------\r\n"
                                 "Wire Depth: Enter the wire depth.\r\n"
                                 "Linear Case, Total resistance: First caution.\r\n"
                                 "Linear Case, Total resistance: Second caution.\r\n"
                                 "Rectangular Case, Electrode resistance: Third caution.\r\n"
                                 "-------------------------------------------------------\r\n";
    EXPECT_EQ(stakewell::files::TextReport(content).toStdString(), expected);
}

const char* const AnalysisHeader = "----------- Fall of Potential Analysis ------------------\r\n";

TEST(TextReport, TwoReadingsAddTheFallOfPotentialSectionThenItsAnalysis) {
    const stakewell::fop::FallOfPotential two = Readings(2);
    const std::string specified = std::string(Head) + Inputs() + Results +
                                  "----------- Fall of Potential Case ----------------------\r\n"
                                  "E1(P1)= 0 feet\r\n"
                                  "P2 = 10 Feet  5 Ohms\r\n"
                                  "P2 = 20 Feet  7.5 Ohms\r\n"
                                  "E2    = 100 feet\r\n"
                                  "-------------------------------------------------------\r\n";
    const std::string report = stakewell::files::TextReport(Content(&two)).toStdString();
    EXPECT_EQ(report.substr(0, specified.size()), specified);
    const QStringList analysis = QString::fromStdString(report.substr(specified.size()))
                                     .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(analysis.size(), 21);
    EXPECT_EQ(analysis.front().toStdString() + "\r\n", AnalysisHeader);
    EXPECT_EQ(analysis[1], QStringLiteral("E2 distance: 100.0 feet"));
    EXPECT_EQ(analysis[4], QStringLiteral("R at 62%: none (no reading beyond 62% of E2)"));
    EXPECT_EQ(analysis[11], QStringLiteral("R1 at 20%: 7.500 Ohms (read at 20.0 feet 7.500 Ohms)"));
    EXPECT_EQ(analysis.back(), QString(55, u'-'));
}

TEST(TextReport, BetweenElectrodesStatesTheLengthsTheResultsCameFrom) {
    ReportContent content = Content(nullptr);
    content.WireBetween = stakewell::files::WireBetweenReport{"20", "15", 60.0F, 60.0F};
    const std::string report = stakewell::files::TextReport(content).toStdString();
    EXPECT_NE(report.find("   Number of Electrodes = 4\r\n"
                          "   Wire Length, line    = 20 feet between electrodes, 60 feet in all\r\n"
                          "   Wire Length, polygon = 15 feet between electrodes, 60 feet in all\r\n"
                          "   Wire Diameter        = "),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find("40 feet"), std::string::npos) << "the total-length box is not used";
}

TEST(TextReport, ReadingsAtOrBeyondE2AreCountedAsLeftOut) {
    stakewell::fop::FallOfPotential fop = Readings(2);
    fop.FOPE2Distance = 20.0;
    const std::string report = stakewell::files::TextReport(Content(&fop)).toStdString();
    EXPECT_NE(report.find("E2    = 20 feet\r\n"
                          "-------------------------------------------------------\r\n" +
                          std::string(AnalysisHeader) +
                          "E2 distance: 20.0 feet\r\n"
                          "Readings: 1\r\n"
                          "Left out: 1 reading at or beyond E2, which no test against it can "
                          "have taken\r\n"),
              std::string::npos)
        << report;
}

// Uniform soil of 100 ohm-metres read at four spacings: the survey's section
// follows everything else, and a survey without readings adds nothing.
TEST(TextReport, ASoilSurveyAddsItsSectionLastAndOnlyWhenItExists) {
    using stakewell::soil::SoilReading;
    stakewell::soil::SoilSurvey soil;
    ReportContent content = Content(nullptr);
    content.Soil = &soil;
    const std::string withoutSurvey = std::string(Head) + Inputs() + Results;
    EXPECT_EQ(stakewell::files::TextReport(content).toStdString(), withoutSurvey);

    for (const double feet : {5.0, 10.0, 20.0, 40.0}) {
        const double ohms = 100.0 / (2.0 * std::numbers::pi * feet * 0.3048);
        soil.readings.push_back(SoilReading{feet, ohms, std::nullopt, 0.0});
    }
    const QStringList lines =
        QString::fromUtf8(stakewell::files::TextReport(content)).split(QStringLiteral("\r\n"));
    const qsizetype start =
        lines.indexOf(QStringLiteral("----------- Soil Survey ---------------------------------"));
    ASSERT_EQ(start,
              QString::fromStdString(withoutSurvey).split(QStringLiteral("\r\n")).size() - 1);
    EXPECT_EQ(lines[start + 1], QStringLiteral("Wenner traverse, lengths in feet"));
    EXPECT_TRUE(lines[start + 2].startsWith(QStringLiteral("Reading 1: a = 5 feet, R = 10.44")));
    for (const char* expected : {"Fit: good", "Mean apparent resistivity: 100.0 ohm-metres",
                                 "Resistivity for a rod of 10 feet: 100.0 ohm-metres",
                                 "Apparent resistivity at 40 feet: 100.0 ohm-metres"}) {
        EXPECT_TRUE(lines.contains(QLatin1String(expected))) << expected;
    }
    EXPECT_EQ(lines.indexOf(QStringLiteral("Layers chosen: 1")),
              lines.indexOf(QStringLiteral("Apparent resistivity at 40 feet: 100.0 ohm-metres")) +
                  1)
        << "the layered lines follow the two-layer ones";
    EXPECT_EQ(lines[lines.size() - 2],
              QStringLiteral("-------------------------------------------------------"));
}

// A reading names its traverse only beside another traverse, and says when
// it is left out of the fit.
TEST(TextReport, ASoilReadingIsMarkedWithItsTraverseAndWhenLeftOut) {
    using stakewell::soil::SoilReading;
    stakewell::soil::SoilSurvey soil;
    soil.readings = {{5.0, 2.0, std::nullopt, 0.0, "N\xE2\x80\x93S", false},
                     {10.0, 1.0, 0.5, 0.0, "N\xE2\x80\x93S", true},
                     {20.0, 0.5, std::nullopt, 0.0, "N\xE2\x80\x93S", false}};
    const auto reading = [&soil](qsizetype index) {
        return stakewell::files::SoilReportLines(soil, {10.0}).at(2 + index).toStdString();
    };
    EXPECT_EQ(reading(1), "Reading 2: a = 10, b = 0.5 feet, R = 1 Ohms, left out");
    soil.readings[2].traverse.clear();
    EXPECT_EQ(reading(2), "Reading 3: a = 20 feet, R = 0.5 Ohms, unnamed traverse");
}

// Only the fields filled in are printed, the notes' further lines under
// their first; an empty record leaves the report as it was.
TEST(TextReport, ASiteRecordFollowsTheSpecifiedLinesOnlyWhenFilled) {
    ReportContent content = Content(nullptr);
    content.Site.Engineer = QStringLiteral("   ");
    const std::string unfilled = std::string(Head) + Inputs() + Results;
    EXPECT_EQ(stakewell::files::TextReport(content).toStdString(), unfilled);

    content.Site = {"Substation 4", "A. Engineer", "", "Meter 7", "Dry.\n  Frost at 0.5 m. "};
    EXPECT_EQ(stakewell::files::TextReport(content).toStdString(),
              unfilled + "----------- Site Record ---------------------------------\r\n"
                         "Site:       Substation 4\r\n"
                         "Engineer:   A. Engineer\r\n"
                         "Instrument: Meter 7\r\n"
                         "Notes:      Dry.\r\n"
                         "            Frost at 0.5 m.\r\n"
                         "-------------------------------------------------------\r\n");
}

// The same design typed in metres and millimetres: each length names its
// unit in words, the resistances and the readings' resistances as they were.
TEST(TextReport, AMetricWorkGivesItsLengthsInMetresAndMillimetres) {
    ReportContent content;
    content.Units = stakewell::shared::UnitSystem::Metric;
    content.Inputs = {{"100", "3.048", "15.875", "4", "12.192", "5.189", "0.4572"}};
    content.Results = {
        {"25.6", "3.05", "7.1", "8.2", "1.3", "4.4", "2.29", "6.1", "5.0", "1.1", "3.9"}};
    stakewell::fop::FallOfPotential fop;
    fop.Units = stakewell::shared::UnitSystem::Metric;
    fop.FOPE2Distance = 30.48;
    fop.AddPoint(3.048, 5.0);
    fop.AddPoint(6.096, 7.5);
    content.FallOfPotential = &fop;
    const std::string report = stakewell::files::TextReport(content).toStdString();
    for (const char* line :
         {"   Electrode Length     = 3.048 metres\r\n",
          "   Electrode Diameter   = 15.875 millimetres\r\n",
          "   Wire Depth           = 0.4572 metres\r\n", "Electrode spacing    = 3.05 metres\r\n",
          "Electrode spacing    = 2.29 metres\r\n",
          "E1(P1)= 0 metres\r\nP2 = 3.048 Metres  5 Ohms\r\n", "E2    = 30.48 metres\r\n",
          "E2 distance: 30.48 metres\r\n"}) {
        EXPECT_NE(report.find(line), std::string::npos) << line << report;
    }
    EXPECT_EQ(report.find("feet"), std::string::npos) << report;
}

struct BetweenCase {
    const char* name;
    stakewell::shared::UnitSystem units;
    const char* line;
    const char* polygon;
    const char* expected;
};

void PrintTo(const BetweenCase& c, std::ostream* os) {
    *os << c.name;
}

class BetweenElectrodes : public testing::TestWithParam<BetweenCase> {};

// Four electrodes: three spans in a line, four around the polygon, in the
// unit the spans were typed in.
TEST_P(BetweenElectrodes, StatesTheSpansAndTotalsInTheWorksUnit) {
    const BetweenCase& c = GetParam();
    ReportContent content = Content(nullptr);
    content.Units = c.units;
    content.WireBetween = stakewell::files::BetweenReport("4", {c.line, c.polygon}, c.units);
    const std::string report = stakewell::files::TextReport(content).toStdString();
    EXPECT_NE(report.find(c.expected), std::string::npos) << report;
}

using stakewell::shared::UnitSystem;

INSTANTIATE_TEST_SUITE_P(
    Units, BetweenElectrodes,
    testing::Values(
        BetweenCase{
            "MetresWithDecimalCommas", UnitSystem::Metric, "6,1", "4,5",
            "   Wire Length, line    = 6,1 metres between electrodes, 18.3 metres in all\r\n"
            "   Wire Length, polygon = 4,5 metres between electrodes, 18 metres in all\r\n"},
        BetweenCase{"FeetTypedInAMetricBox", UnitSystem::Metric, "20 ft", "",
                    "   Wire Length, line    = 20 ft metres between electrodes, 18.288 metres in "
                    "all\r\n"
                    "   Wire Length, polygon =  metres between electrodes, 0 metres in all\r\n"}),
    [](const auto& info) { return CaseName(info.index, {info.param.name}); });

} // namespace
