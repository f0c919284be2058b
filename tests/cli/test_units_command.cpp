#include "CaseName.h"

#include "cli/FieldCommand.h"
#include "files/DataFile.h"
#include "files/TextReport.h"
#include "files/XmlValueStore.h"
#include "work/SiteWork.h"
#include "work/WorkReport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>

namespace {

using stakewell::files::DataFileContent;
using stakewell::shared::UnitSystem;

// A design, its readings under an E2 of 100 feet and a wire given between
// electrodes, and the same work as the window's switch turns it to metric.
class UnitsFiles : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        DataFileContent content;
        content.FieldTexts = {"100", "10", "0.625", "4", "40", "0.1019", "2.5", "10", "50"};
        content.FOPPoints = {{}, {20, 10}, {40, 20}, {60, 24}, {70, 26}, {90, 40}};
        content.Choices = {"100", "20", "15", 1, 0};
        Write(content, QStringLiteral("imperial.xml"));
        content.Choices.FOPE2.reset();
        Write(content, QStringLiteral("imperial-without-e2.xml"));

        stakewell::work::SiteWork work;
        work.Take(Read(QStringLiteral("imperial.xml")));
        imperialReport = ReportOf(work);
        ASSERT_TRUE(work.ChangeUnits(UnitSystem::Metric));
        metricReport = ReportOf(work);
        Write(work.Content(), QStringLiteral("metric.xml"));
    }

    QString File(const char* name) const { return folder.filePath(QLatin1String(name)); }

    int Run(QStringList arguments) {
        arguments.replaceInStrings(QStringLiteral("FOLDER/"), folder.path() + u'/');
        const auto status = stakewell::cli::RunFieldCommand(
            QStringList{QStringLiteral("stakewell")} + arguments, out, err);
        EXPECT_TRUE(status.has_value());
        return status.value_or(-1);
    }

    std::string imperialReport;
    std::string metricReport;
    std::ostringstream out;
    std::ostringstream err;

private:
    void Write(const DataFileContent& content, const QString& name) {
        stakewell::files::XmlValueStore store;
        store.FileName(folder.filePath(name));
        stakewell::files::WriteDataFile(store, content);
        ASSERT_FALSE(store.Write());
    }

    DataFileContent Read(const QString& name) const {
        return stakewell::files::ReadCheckedDataFile(folder.filePath(name)).Content.value();
    }

    static std::string ReportOf(const stakewell::work::SiteWork& work) {
        return stakewell::files::TextReport(stakewell::work::WorkReport(work, 5.0)).toStdString();
    }

    QTemporaryDir folder;
};

struct ReportCase {
    const char* name;
    QStringList arguments;
    UnitSystem reportedIn;
};

void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.name;
}

class UnitsReport : public UnitsFiles, public testing::WithParamInterface<ReportCase> {};

// The report of either file in either system is the window's report of the
// work switched to that system.
TEST_P(UnitsReport, IsTheWindowsReportOfTheWorkInTheUnitsAsked) {
    const ReportCase& c = GetParam();
    EXPECT_EQ(Run(c.arguments), 0) << err.str();
    EXPECT_EQ(out.str(), c.reportedIn == UnitSystem::Metric ? metricReport : imperialReport);
    EXPECT_EQ(err.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnitsReport,
    testing::Values(ReportCase{"ImperialAskedImperial",
                               {"--report", "FOLDER/imperial.xml", "--units", "imperial"},
                               UnitSystem::Imperial},
                    ReportCase{"ImperialAskedMetric",
                               {"--report", "FOLDER/imperial.xml", "--units=metric"},
                               UnitSystem::Metric},
                    ReportCase{"ImperialAskedMetricInCapitals",
                               {"--units", "METRIC", "--report", "FOLDER/imperial.xml"},
                               UnitSystem::Metric},
                    ReportCase{"MetricFile", {"--report", "FOLDER/metric.xml"}, UnitSystem::Metric},
                    ReportCase{"MetricAskedImperial",
                               {"--report", "FOLDER/metric.xml", "--units", "imperial"},
                               UnitSystem::Imperial}),
    [](const auto& info) { return CaseName(info.index, {info.param.name}); });

struct AnalysisCase {
    const char* name;
    QStringList arguments;
    const char* opening;
};

void PrintTo(const AnalysisCase& c, std::ostream* os) {
    *os << c.name;
}

class UnitsAnalysis : public UnitsFiles, public testing::WithParamInterface<AnalysisCase> {};

// --e2 is a distance in the units the work is reported in.
TEST_P(UnitsAnalysis, GivesItsDistancesInTheUnitsReported) {
    const AnalysisCase& c = GetParam();
    EXPECT_EQ(Run(c.arguments), 0) << err.str();
    EXPECT_EQ(out.str().substr(0, std::string(c.opening).size()), c.opening) << out.str();
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnitsAnalysis,
    testing::Values(AnalysisCase{"MetricFile",
                                 {"--analyse", "FOLDER/metric.xml"},
                                 "E2 distance: 30.48 metres\nReadings: 5\nLeft out: none\n"},
                    AnalysisCase{
                        "ImperialFileAskedMetricWithE2",
                        {"--analyse", "FOLDER/imperial.xml", "--units", "metric", "--e2", "25"},
                        "E2 distance: 25.0 metres\nReadings: 4\nLeft out: 1 reading"},
                    AnalysisCase{"MetricFileAskedImperial",
                                 {"--analyse", "FOLDER/metric.xml", "--units", "imperial"},
                                 "E2 distance: 100.0 feet\nReadings: 5\nLeft out: none\n"}),
    [](const auto& info) { return CaseName(info.index, {info.param.name}); });

struct RefusalCase {
    const char* name;
    QStringList arguments;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class UnitsRefusal : public UnitsFiles, public testing::WithParamInterface<RefusalCase> {};

TEST_P(UnitsRefusal, EndsWithStatusTwoAndTheReason) {
    const RefusalCase& c = GetParam();
    EXPECT_EQ(Run(c.arguments), 2);
    EXPECT_EQ(err.str(), std::string("stakewell: ") + c.message + "\n");
    EXPECT_EQ(out.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UnitsRefusal,
    testing::Values(RefusalCase{"UnknownUnits",
                                {"--report", "FOLDER/imperial.xml", "--units", "furlongs"},
                                "--units is metric or imperial, not \"furlongs\""},
                    RefusalCase{"MetricE2NotANumber",
                                {"--analyse", "FOLDER/metric.xml", "--e2", "ten"},
                                "--e2 needs a distance above 0 metres, not \"ten\""},
                    RefusalCase{
                        "ImperialFileWithoutE2AskedMetric",
                        {"--analyse", "FOLDER/imperial-without-e2.xml", "--units", "metric"},
                        "--analyse needs the E2 distance: --e2 METRES"}),
    [](const auto& info) { return CaseName(info.index, {info.param.name}); });

} // namespace
