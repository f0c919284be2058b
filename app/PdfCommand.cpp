#include "PdfCommand.h"

#include "cli/DataFileSheet.h"
#include "files/TextReport.h"
#include "fop/FopAnalysis.h"
#include "graph/PlotScale.h"
#include "graph/PlotState.h"
#include "graph/TestReportPage.h"
#include "shared/Units.h"
#include "soilwindow/SoilReportPage.h"

#include <QApplication>
#include <QDate>

#include <array>
#include <cmath>
#include <memory>
#include <ostream>

namespace stakewell::app {

namespace {

struct PdfRequest {
    QString dataFile;
    QString pdfFile;
    graph::Paper paper = graph::LocalePaper(QLocale::system().territory());
    // Checked once the file tells the unit it is given in.
    std::optional<QString> e2;
    std::optional<shared::UnitSystem> units;
};

struct Failure {
    int status;
    QString message;
};

// The option's value, given as --option=value or as the next argument.
std::optional<QString> ValueOf(const QStringList& arguments, qsizetype& i, const QString& option) {
    const QString& argument = arguments[i];
    if (argument.startsWith(option + u'=')) {
        return argument.mid(option.size() + 1);
    }
    if (argument == option && i + 1 < arguments.size()) {
        return arguments[++i];
    }
    return std::nullopt;
}

std::optional<Failure> Read(const QStringList& arguments, PdfRequest& request) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--pdf")) {
            if (!request.dataFile.isEmpty() || i + 2 >= arguments.size()) {
                return Failure{2, QStringLiteral("--pdf needs one data file and one PDF file")};
            }
            request.dataFile = arguments[++i];
            request.pdfFile = arguments[++i];
        } else if (argument.section(u'=', 0, 0) == QStringLiteral("--paper")) {
            const std::optional<QString> name = ValueOf(arguments, i, QStringLiteral("--paper"));
            const std::optional<graph::Paper> paper =
                name ? graph::PaperNamed(*name) : std::nullopt;
            if (!paper) {
                return Failure{2, QStringLiteral("--paper is a4 or letter")};
            }
            request.paper = *paper;
        } else if (argument.section(u'=', 0, 0) == QStringLiteral("--e2")) {
            request.e2 = ValueOf(arguments, i, QStringLiteral("--e2")).value_or(QString());
        } else if (argument.section(u'=', 0, 0) == QStringLiteral("--units")) {
            const std::optional<QString> name = ValueOf(arguments, i, QStringLiteral("--units"));
            request.units = name ? cli::UnitsNamed(*name) : std::nullopt;
            if (!request.units) {
                return Failure{2, cli::UnitsRefusal(name.value_or(QString()))};
            }
        } else {
            return Failure{2, QStringLiteral("\"%1\" does not go with --pdf, which takes only "
                                             "--paper, --e2 and --units")
                                  .arg(argument)};
        }
    }
    return std::nullopt;
}

graph::TestReportContent ReportOf(const PdfRequest& request,
                                  const files::DataFileContent& content) {
    graph::TestReportContent report;
    report.Design = cli::DesignOf(content);
    report.DataFileName = request.dataFile;
    report.Date = QDate::currentDate();
    if (content.Soil.Exists()) {
        report.FurtherPages.emplace_back(
            [soil = content.Soil, rod = report.Design.Rod](QPainter& painter, const QRectF& page,
                                                           qreal pixelWidth) {
                soilwindow::PaintSoilReportPage(painter, page, pixelWidth, soil, rod);
            });
    }
    return report;
}

std::optional<Failure> Write(const PdfRequest& request) {
    const files::CheckedDataFile file = files::ReadCheckedDataFile(request.dataFile);
    if (!file.Content) {
        return Failure{
            1, QStringLiteral("cannot read \"%1\": %2").arg(request.dataFile, file.Problem)};
    }
    const files::DataFileContent content =
        cli::InUnits(*file.Content, request.units.value_or(file.Content->Units));
    double e2 = cli::FileE2(content);
    if (request.e2) {
        bool ok = false;
        e2 = request.e2->trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(e2) || !(e2 > 0.0)) {
            return Failure{2, QStringLiteral("--e2 needs a distance above 0 %1")
                                  .arg(QLatin1String(shared::LengthWord(content.Units)))};
        }
    }

    // Text on a page needs the fonts of a GUI application, and the survey's
    // page paints its plot widget, which needs a widget application; there
    // may be no display to connect either to.
    std::unique_ptr<QApplication> fonts;
    static int argc = 1;
    static std::array<char, 10> name{"stakewell"};
    static std::array<char*, 2> argv{name.data(), nullptr};
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        fonts = std::make_unique<QApplication>(argc, argv.data());
    }

    // The plot as the graph window computes it for the same readings.
    const fop::FallOfPotential readings = cli::PointsOf(content, e2);
    fop::FopRefresh unused;
    graph::PlotState state(readings, unused);
    const graph::PlotSpans spans = graph::ComputeExtents(state.fop, state.plot);
    graph::ComputeLimits(state.plot);
    const graph::TestReportContent report = ReportOf(request, content);
    const std::optional<soil::TwoLayerSoil> layers =
        report.Design.Layered ? report.Design.Layered->Soil : std::nullopt;
    const fop::Result analysis =
        layers ? fop::AnalyseInSoil(state.fop, e2, *layers, fop::DefaultTolerancePercent)
               : fop::Analyse(state.fop, e2, fop::DefaultTolerancePercent);
    const QString problem =
        graph::WriteTestReportPdf(request.pdfFile, report, {state, spans, analysis}, request.paper);
    if (!problem.isEmpty()) {
        return Failure{1, QStringLiteral("cannot write \"%1\": %2").arg(request.pdfFile, problem)};
    }
    return std::nullopt;
}

} // namespace

std::optional<int> RunPdfCommand(const QStringList& arguments, std::ostream& err) {
    if (!arguments.contains(QStringLiteral("--pdf"))) {
        return std::nullopt;
    }
    PdfRequest request;
    std::optional<Failure> failure = Read(arguments, request);
    if (!failure) {
        failure = Write(request);
    }
    if (failure) {
        err << "stakewell: " << failure->message.toStdString() << '\n';
        return failure->status;
    }
    return 0;
}

} // namespace stakewell::app
