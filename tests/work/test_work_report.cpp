#include "CaseName.h"

#include "files/TextReport.h"
#include "work/SiteWork.h"
#include "work/WorkReport.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using stakewell::calc::SheetInput;
using stakewell::shared::UnitSystem;
using stakewell::work::SiteWork;

struct DesignCase {
    const char* name;
    bool between; // the wire given by its length between electrodes
};

void PrintTo(const DesignCase& c, std::ostream* os) {
    *os << c.name;
}

void TypeDesign(SiteWork& work, bool between) {
    const std::array<const char*, stakewell::calc::SheetInputCount> typed{
        "100", "10", "0.625", "4", "40", "0.2043", "1.5", "10", "50"};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        work.TypeInput(static_cast<SheetInput>(i), QLatin1String(typed.at(i)));
    }
    if (between) {
        work.ChooseWireLength(1);
        work.TypeBetween(0, QStringLiteral("20"));
        work.TypeBetween(1, QStringLiteral("15"));
    }
    work.TypeE2(QStringLiteral("100"));
    work.ImportReadings({{10, 8}, {30, 11}, {60, 14}, {70, 15}});
}

QStringList ReportLines(const SiteWork& work) {
    return QString::fromUtf8(stakewell::files::TextReport(stakewell::work::WorkReport(work, 5.0)))
        .split(QStringLiteral("\r\n"));
}

class MetricReport : public testing::TestWithParam<DesignCase> {};

// The report of a work switched to metric tells the same design: each line
// that named feet or inches names metres or millimetres, and every
// resistance reads as before.
TEST_P(MetricReport, GivesTheSameResistancesInMetresAndMillimetres) {
    SiteWork work;
    TypeDesign(work, GetParam().between);
    const QStringList imperial = ReportLines(work);
    ASSERT_TRUE(work.ChangeUnits(UnitSystem::Metric));
    const QStringList metric = ReportLines(work);

    const qsizetype analysis = imperial.indexOf(
        QStringLiteral("----------- Fall of Potential Analysis ------------------"));
    ASSERT_GT(analysis, 30);
    ASSERT_EQ(metric.indexOf(imperial[analysis]), analysis);
    int resistances = 0;
    for (qsizetype i = 0; i < analysis; ++i) {
        if (imperial[i].contains(QStringLiteral(" feet")) ||
            imperial[i].contains(QStringLiteral(" Feet"))) {
            EXPECT_TRUE(metric[i].contains(QStringLiteral(" metres")) ||
                        metric[i].contains(QStringLiteral(" Metres")))
                << metric[i].toStdString();
        } else if (imperial[i].contains(QStringLiteral(" inches"))) {
            EXPECT_TRUE(metric[i].endsWith(QStringLiteral(" millimetres")))
                << metric[i].toStdString();
        } else {
            EXPECT_EQ(metric[i], imperial[i]);
            resistances += imperial[i].endsWith(QStringLiteral(" Ohms")) ? 1 : 0;
        }
        EXPECT_FALSE(metric[i].contains(QStringLiteral("feet"), Qt::CaseInsensitive) ||
                     metric[i].contains(QStringLiteral("inches")))
            << metric[i].toStdString();
    }
    EXPECT_EQ(resistances, 9);
    EXPECT_TRUE(metric.contains(QStringLiteral("   Electrode Length     = 3.048 metres")));
    EXPECT_TRUE(metric.contains(QStringLiteral("   Electrode Diameter   = 15.875 millimetres")));
    EXPECT_TRUE(metric.contains(QStringLiteral("P2 = 9.144 Metres  11 Ohms")));
    EXPECT_TRUE(metric.contains(QStringLiteral("E2    = 30.48 metres")));
}

INSTANTIATE_TEST_SUITE_P(Designs, MetricReport,
                         testing::Values(DesignCase{"TotalWireLength", false},
                                         DesignCase{"WireBetweenElectrodes", true}),
                         [](const auto& info) { return CaseName(info.index, {info.param.name}); });

} // namespace
