#include "graph/GraphCommands.h"
#include "graph/GraphWindowHost.h"
#include "graph/PlotPainting.h"
#include "graph/ReportPaper.h"
#include "graph/TestReportPage.h"
#include "graph/frmGraph.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSettings>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <tuple>
#include <vector>

namespace {

using stakewell::fop::FOPPoint;

// What an output of the plot holds that a test can read: its texts, its
// pixels, or both.
struct Rendered {
    QString text;
    QImage image;
};

enum class Output { SavedSvg, SavedPng, ReportPage };

struct OutputCase {
    const char* name;
    Output output;
};

void PrintTo(const OutputCase& c, std::ostream* os) {
    *os << c.name;
}

QByteArray ReadBytes(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Readings from 10 to 110 feet against an E2 of 100 feet, so one is left
// out, with the first reading the current point.
class SurveyOnGraph : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        std::vector<FOPPoint> points{{},         {10, 8},  {20, 11}, {30, 13}, {40, 14},
                                     {50, 14.5}, {60, 15}, {70, 16}, {80, 18}, {110, 30}};
        survey.Replace(std::move(points), 1);
        survey.FOPE2Distance = 100;
        stakewell::graph::frmGraph& graph = host.Window();
        graph.ClearGraph();
        graph.ComputePlotExtents();
        graph.DrawGraph();
    }
    void TearDown() override { host.Close(); }

    Rendered Render(Output output) {
        stakewell::graph::frmGraph& graph = host.Window();
        if (output == Output::SavedSvg) {
            QString name = folder.filePath(QStringLiteral("graph.svg"));
            graph.SaveGraph(name);
            return {QString::fromUtf8(ReadBytes(name)), {}};
        }
        if (output == Output::SavedPng) {
            QString name = folder.filePath(QStringLiteral("graph.png"));
            graph.SaveGraph(name);
            return {{}, QImage(name)};
        }
        // The report's page as its PDF paints it, on devices a test can read.
        const stakewell::graph::PlotSpans spans =
            stakewell::graph::ComputeExtents(state.fop, state.plot);
        stakewell::graph::ComputeLimits(state.plot);
        const stakewell::graph::TestReportContent content;
        const stakewell::graph::PlotForReport plot{state, spans, graph.Analysis()};
        const QRectF page(0, 0, 794, 1123);
        Rendered rendered;
        QByteArray drawing;
        {
            QBuffer buffer(&drawing);
            QSvgGenerator generator;
            generator.setOutputDevice(&buffer);
            generator.setSize(page.size().toSize());
            QPainter painter(&generator);
            stakewell::graph::PaintTestReport(painter, page, 1.0, content, plot);
        }
        rendered.text = QString::fromUtf8(drawing);
        rendered.image = QImage(page.size().toSize(), QImage::Format_RGB32);
        rendered.image.fill(Qt::white);
        QPainter painter(&rendered.image);
        stakewell::graph::PaintTestReport(painter, page, 1.0, content, plot);
        return rendered;
    }

    QTemporaryDir folder;
    stakewell::fop::FallOfPotential survey;
    stakewell::fop::FopRefresh refresh;
    stakewell::graph::PlotState state{survey, refresh};
    stakewell::graph::GraphWindowHost host{state};
};

class PlotOutputTest : public SurveyOnGraph, public testing::WithParamInterface<OutputCase> {};

// The texts of an SVG drawing, one for each <text> element.
QStringList Texts(const QString& svg) {
    QStringList texts;
    const QRegularExpression element(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (const auto& match : element.globalMatch(svg)) {
        texts.append(match.captured(1).trimmed());
    }
    return texts;
}

TEST_P(PlotOutputTest, HoldsTitlesLegendAndRoundTicksButNoCurrentPoint) {
    const Rendered rendered = Render(GetParam().output);
    if (!rendered.text.isNull()) {
        const QStringList texts = Texts(rendered.text);
        for (const char* expected : {"Distance from E1 (feet)", "Resistance (ohms)", "Readings",
                                     "Readings at or beyond E2, left out", "62% of E2",
                                     "52% and 72% of E2", "Curve at 52%, 62% and 72% of E2"}) {
            EXPECT_TRUE(texts.contains(QLatin1String(expected)))
                << expected << " not in " << texts.join(QStringLiteral(" | ")).toStdString();
        }
        // From 4 to 116 feet and 6.7 to 31.3 ohms: the ticks step by 20 and 5.
        for (const char* tick : {"20", "40", "60", "80", "100", "10", "15", "25", "30"}) {
            EXPECT_TRUE(texts.contains(QLatin1String(tick))) << tick;
        }
        for (const char* windowGrid : {"11", "31", "51", "9", "13"}) {
            EXPECT_FALSE(texts.contains(QLatin1String(windowGrid))) << windowGrid;
        }
    }
    if (!rendered.image.isNull()) {
        int blackish = 0;
        for (int y = 0; y < rendered.image.height(); ++y) {
            for (int x = 0; x < rendered.image.width(); ++x) {
                const QColor pixel = rendered.image.pixelColor(x, y);
                ASSERT_NE(pixel, QColor(0xFF, 0x00, 0x00)) << "current point at " << x << "," << y;
                blackish += pixel == QColor(Qt::black) ? 1 : 0;
            }
        }
        EXPECT_GT(blackish, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(Outputs, PlotOutputTest,
                         testing::Values(OutputCase{"SavedSvg", Output::SavedSvg},
                                         OutputCase{"SavedPng", Output::SavedPng},
                                         OutputCase{"ReportPage", Output::ReportPage}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TerritoryCase {
    const char* name;
    QLocale::Territory territory;
    stakewell::graph::Paper paper;
};

void PrintTo(const TerritoryCase& c, std::ostream* os) {
    *os << c.name;
}

class LocalePaperTest : public testing::TestWithParam<TerritoryCase> {};

TEST_P(LocalePaperTest, LetterWhereOfficesUseIt) {
    EXPECT_EQ(stakewell::graph::LocalePaper(GetParam().territory), GetParam().paper);
}

using stakewell::graph::Paper;
INSTANTIATE_TEST_SUITE_P(
    Territories, LocalePaperTest,
    testing::Values(TerritoryCase{"UnitedStates", QLocale::UnitedStates, Paper::Letter},
                    TerritoryCase{"Canada", QLocale::Canada, Paper::Letter},
                    TerritoryCase{"Mexico", QLocale::Mexico, Paper::Letter},
                    TerritoryCase{"Germany", QLocale::Germany, Paper::A4},
                    TerritoryCase{"UnitedKingdom", QLocale::UnitedKingdom, Paper::A4},
                    TerritoryCase{"Any", QLocale::AnyTerritory, Paper::A4}),
    [](const auto& info) { return std::string(info.param.name); });

// A metric list's distances are metres on every output, on the same grid.
TEST_F(SurveyOnGraph, NamesMetresForAMetricList) {
    survey.Units = stakewell::shared::UnitSystem::Metric;
    host.Window().ClearGraph();
    host.Window().ComputePlotExtents();
    host.Window().DrawGraph();
    for (const Output output : {Output::SavedSvg, Output::ReportPage}) {
        const QStringList texts = Texts(Render(output).text);
        EXPECT_TRUE(texts.contains(QStringLiteral("Distance from E1 (metres)")))
            << texts.join(u'|').toStdString();
        for (const char* tick : {"20", "40", "60", "80", "100"}) {
            EXPECT_TRUE(texts.contains(QLatin1String(tick))) << tick;
        }
        if (output == Output::ReportPage) {
            EXPECT_TRUE(texts.contains(QStringLiteral("E2 distance: 100.0 metres")));
            EXPECT_TRUE(texts.contains(QStringLiteral("Readings (E2 = 100 metres)")));
            EXPECT_TRUE(texts.contains(QStringLiteral("1          10 Metres           8 Ohms")))
                << texts.join(u'|').toStdString();
        }
    }
    EXPECT_EQ(stakewell::graph::DistanceReadout(12500.0F, survey.Units), "12.5 Metres");
}

// The paper chosen in the menu is kept between runs and is the saved
// report's page.
TEST_F(SurveyOnGraph, SavedReportTakesTheRememberedPaper) {
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, folder.path());
    }
    stakewell::graph::GraphCommands commands;
    commands.ReportContent = [] { return stakewell::graph::TestReportContent{}; };
    host.Window().UseCommands(commands);
    for (const auto& [paper, width, height] :
         {std::tuple{Paper::Letter, 612L, 792L}, std::tuple{Paper::A4, 595L, 842L}}) {
        stakewell::graph::ChoosePaper(paper);
        EXPECT_EQ(stakewell::graph::ChosenPaper(), paper);
        QString name = folder.filePath(QStringLiteral("report.pdf"));
        host.Window().SaveReportPdf(name);
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+))"))
                .match(QString::fromLatin1(ReadBytes(name)));
        ASSERT_TRUE(box.hasMatch());
        EXPECT_EQ(std::lround(box.captured(1).toDouble()), width);
        EXPECT_EQ(std::lround(box.captured(2).toDouble()), height);
    }
}

// The site record heads the report when filled; an empty one adds no line.
TEST_F(SurveyOnGraph, TheSiteRecordHeadsTheReportOnlyWhenFilled) {
    const stakewell::graph::PlotSpans spans =
        stakewell::graph::ComputeExtents(state.fop, state.plot);
    stakewell::graph::ComputeLimits(state.plot);
    const stakewell::graph::PlotForReport plot{state, spans, host.Window().Analysis()};
    const auto texts = [&plot](const stakewell::files::SiteRecord& site) {
        stakewell::graph::TestReportContent content;
        content.Design.Site = site;
        QByteArray drawing;
        {
            QBuffer buffer(&drawing);
            QSvgGenerator generator;
            generator.setOutputDevice(&buffer);
            QPainter painter(&generator);
            stakewell::graph::PaintTestReport(painter, QRectF(0, 0, 794, 1123), 1.0, content, plot);
        }
        return Texts(QString::fromUtf8(drawing));
    };
    const QStringList filled = texts({"Substation 4", "A. Engineer", "", "", "Frost."});
    EXPECT_TRUE(filled.contains(QStringLiteral("Site: Substation 4")))
        << filled.join(u'|').toStdString();
    EXPECT_TRUE(filled.contains(QStringLiteral("Engineer: A. Engineer")));
    EXPECT_TRUE(filled.contains(QStringLiteral("Notes: Frost.")));
    for (const QString& text : texts({})) {
        EXPECT_FALSE(text.startsWith(QStringLiteral("Site:"))) << text.toStdString();
    }
}

} // namespace
