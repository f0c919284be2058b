#include "graph/TestReportPage.h"
#include "soilwindow/SoilReportPage.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

int PageCount(const QString& fileName) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// Ten readings of 400 ohm-metres over 120: the survey's page follows the
// test's, and without a survey there is none.
TEST(SoilReportPage, FollowsTheTestsPageOnlyForASurvey) {
    stakewell::soil::SoilSurvey soil;
    for (int i = 0; i < 10; ++i) {
        const double feet = 2.0 * std::pow(1.5, i);
        const double metres = feet * 0.3048;
        const double ohmMetres = stakewell::soil::ModelResistivity(
            stakewell::soil::SoilArray::Wenner, {400.0, 120.0, 2.0}, metres);
        soil.readings.push_back({feet, ohmMetres / (2.0 * M_PI * metres), std::nullopt, 0.0});
    }
    stakewell::fop::FallOfPotential survey;
    stakewell::fop::FopRefresh refresh;
    stakewell::graph::PlotState state{survey, refresh};
    const stakewell::graph::PlotSpans spans{};
    const stakewell::fop::Result analysis{};
    stakewell::graph::TestReportContent content;
    QTemporaryDir folder;
    const QString alone = folder.filePath(QStringLiteral("alone.pdf"));
    ASSERT_EQ(stakewell::graph::WriteTestReportPdf(alone, content, {state, spans, analysis},
                                                   stakewell::graph::Paper::A4),
              "");
    EXPECT_EQ(PageCount(alone), 1);

    content.FurtherPages.emplace_back([&soil](QPainter& painter, const QRectF& page, qreal pixel) {
        stakewell::soilwindow::PaintSoilReportPage(painter, page, pixel, soil,
                                                   stakewell::soil::DesignRod{10.0});
    });
    const QString surveyed = folder.filePath(QStringLiteral("surveyed.pdf"));
    ASSERT_EQ(stakewell::graph::WriteTestReportPdf(surveyed, content, {state, spans, analysis},
                                                   stakewell::graph::Paper::A4),
              "");
    EXPECT_EQ(PageCount(surveyed), 2);
}

} // namespace
