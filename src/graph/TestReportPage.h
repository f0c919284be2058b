#pragma once

#include "files/TextReport.h"
#include "fop/FopAnalysis.h"
#include "graph/PlotScale.h"
#include "graph/PlotState.h"
#include "graph/ReportPaper.h"

#include <QDate>
#include <QString>

#include <functional>
#include <vector>

class QPainter;
class QRectF;

namespace stakewell::graph {

// What the printed test report shows beside the graph and the analysis, as
// the main window holds it.
struct TestReportContent {
    // The design sheet with the four-point test among its inputs and results.
    files::ReportContent Design;
    QString DataFileName; // empty when the readings were never loaded or saved
    QDate Date;
    // Pages that follow the test's own, each painted into the page's
    // rectangle with the device units of one screen pixel; none is left blank.
    std::vector<std::function<void(QPainter&, const QRectF&, qreal)>> FurtherPages;
};

// The plot as the graph window's last refresh left it, with its analysis.
struct PlotForReport {
    const PlotState& State;
    const PlotSpans& Spans;
    const fop::Result& Analysis;
};

// One page: heading, design inputs and results, the graph with its markers,
// the analysis and its verdict, the four-point result and the readings, as
// many as the page holds. `pixelWidth` is the device units of one pixel of a
// plain screen.
void PaintTestReport(QPainter& painter, const QRectF& page, qreal pixelWidth,
                     const TestReportContent& content, const PlotForReport& plot);

// The test's page, then each further page, on a device that starts a page
// with `newPage`.
template <typename Device>
void PaintTestReportPages(Device& device, QPainter& painter, const QRectF& page, qreal pixelWidth,
                          const TestReportContent& content, const PlotForReport& plot) {
    PaintTestReport(painter, page, pixelWidth, content, plot);
    for (const auto& further : content.FurtherPages) {
        device.newPage();
        further(painter, page, pixelWidth);
    }
}

// Writes the pages on `paper` as a PDF file, whole or not at all; the reason
// when not.
QString WriteTestReportPdf(const QString& fileName, const TestReportContent& content,
                           const PlotForReport& plot, Paper paper);

} // namespace stakewell::graph
