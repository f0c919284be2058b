#include "graph/TestReportPage.h"

#include "files/WholeFile.h"
#include "fop/AnalysisText.h"
#include "graph/PlotPainting.h"
#include "shared/TextForm.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace stakewell::graph {

namespace {

constexpr int PdfResolution = 300;
constexpr double ScreenDpi = 96.0;

// Lays text out downwards in one column, a line at a time.
class Column {
public:
    Column(QPainter& painter, const QRectF& area) : painter(painter), area(area), y(area.top()) {}

    void Font(const QFont& font) { painter.setFont(font); }

    // Long lines wrap at blanks within the column.
    void Line(const QString& text) {
        const QFontMetricsF metrics(painter.font(), painter.device());
        const QRectF room(area.left(), y, area.width(), area.bottom() - y);
        const QRectF needed = painter.boundingRect(room, Qt::TextWordWrap, text);
        if (needed.height() <= room.height()) {
            painter.drawText(room, Qt::TextWordWrap, text);
        }
        y += std::max(needed.height(), metrics.lineSpacing());
    }
    void Gap(double lines = 0.5) {
        y += QFontMetricsF(painter.font(), painter.device()).lineSpacing() * lines;
    }
    double Y() const { return y; }
    bool Fits(int lines) const {
        return y + QFontMetricsF(painter.font(), painter.device()).lineSpacing() * lines <=
               area.bottom();
    }

private:
    QPainter& painter;
    QRectF area;
    double y;
};

QFont Sized(QFont font, double points, bool bold = false) {
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QStringList DesignLines(const files::ReportContent& design) {
    files::ReportContent withoutPoints = design;
    withoutPoints.FallOfPotential = nullptr;
    withoutPoints.Soil = nullptr;
    withoutPoints.Site = {};
    QStringList lines =
        QString::fromUtf8(files::TextReport(withoutPoints)).split(QStringLiteral("\r\n"));
    // The report opens with an empty line and its title, which the page has
    // as its heading.
    while (!lines.isEmpty() &&
           (lines.front().isEmpty() ||
            lines.front() == QStringLiteral("Ground System Conductivity Design"))) {
        lines.removeFirst();
    }
    while (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

} // namespace

void PaintTestReport(QPainter& painter, const QRectF& page, qreal pixelWidth,
                     const TestReportContent& content, const PlotForReport& plot) {
    const QFont base = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    const double gutter = page.width() * 0.03;
    const double half = (page.width() - gutter) / 2.0;

    Column heading(painter, page);
    heading.Font(Sized(base, 15, true));
    heading.Line(QStringLiteral("Fall-of-Potential Test Report"));
    heading.Font(Sized(base, 9));
    const QString file = content.DataFileName.isEmpty()
                             ? QStringLiteral("(not saved)")
                             : QFileInfo(content.DataFileName).fileName();
    heading.Line(
        QStringLiteral("Data file: %1    Date: %2").arg(file, content.Date.toString(Qt::ISODate)));
    // The site record heads the report it files, when there is one.
    for (const QString& line : files::SiteRecordLines(content.Design.Site)) {
        heading.Line(line.simplified());
    }
    heading.Gap();

    const double graphTop = heading.Y();
    const QRectF graphArea(page.left(), graphTop, page.width(), page.height() * 0.36);
    painter.save();
    painter.setFont(Sized(base, 8));
    if (plot.State.fop.PointCount() >= 2 && HasUsableScale(plot.State.plot)) {
        PaintPlot(painter, graphArea, pixelWidth, plot.State, plot.Spans, plot.Analysis,
                  PlotLook::Output);
    }
    painter.restore();

    const double below = graphArea.bottom() + gutter / 2.0;
    const QRectF left(page.left(), below, half, page.bottom() - below);
    const QRectF right(page.left() + half + gutter, below, half, page.bottom() - below);

    Column analysis(painter, left);
    analysis.Font(Sized(base, 10, true));
    analysis.Line(QStringLiteral("Analysis"));
    analysis.Font(Sized(base, 7.5));
    for (const auto& line : fop::AnalysisLines(plot.Analysis)) {
        analysis.Line(QString::fromStdString(line.Label + ": " + line.Value));
    }
    analysis.Gap();
    analysis.Font(Sized(base, 10, true));
    analysis.Line(QStringLiteral("Four-Point Test"));
    analysis.Font(Sized(base, 7.5));
    using calc::SheetInput;
    using calc::SheetResult;
    const auto input = [&](SheetInput key) {
        return QString::fromStdString(content.Design.Inputs[key]);
    };
    const auto result = [&](SheetResult key) {
        return QString::fromStdString(content.Design.Results[key]);
    };
    analysis.Line(QStringLiteral("Measured resistance = %1 Ohms, E2 = %2")
                      .arg(input(SheetInput::FourPointOhms), input(SheetInput::FourPointE2)));
    analysis.Line(
        QStringLiteral("%1    %2").arg(result(SheetResult::ProbeP1), result(SheetResult::ProbeP2)));
    analysis.Line(QStringLiteral("Earth resistivity = %1 meter-Ohms")
                      .arg(result(SheetResult::FourPointResistivity)));

    Column design(painter, right);
    design.Font(Sized(base, 10, true));
    design.Line(QStringLiteral("Design"));
    mono.setPointSizeF(6.5);
    design.Font(mono);
    for (const QString& line : DesignLines(content.Design)) {
        design.Line(line);
    }
    design.Gap();
    design.Font(Sized(base, 10, true));
    const shared::UnitSystem units = plot.State.fop.Units;
    design.Line(QStringLiteral("Readings (E2 = %1 %2)")
                    .arg(QString::fromStdString(shared::DoubleText(plot.State.fop.FOPE2Distance)),
                         QLatin1String(shared::LengthWord(units))));
    design.Font(mono);
    const auto& points = plot.State.fop.FOPPoints();
    const int count = plot.State.fop.PointCount();
    for (int i = 1; i <= count; ++i) {
        if (!design.Fits(2) && i < count) {
            design.Line(QStringLiteral("... and %1 more").arg(count - i + 1));
            break;
        }
        const auto& point = points[static_cast<std::size_t>(i)];
        const bool leftOut = plot.State.fop.BeyondE2(point);
        design.Line(QStringLiteral("%1  %2 %3  %4 Ohms%5")
                        .arg(i, 5)
                        .arg(QString::fromStdString(shared::DoubleText(point.Distance)), 10)
                        .arg(QLatin1String(shared::LengthWord(units, true)))
                        .arg(QString::fromStdString(shared::DoubleText(point.Ohms)), 10)
                        .arg(leftOut ? QStringLiteral("  beyond E2, left out") : QString()));
    }
}

QString WriteTestReportPdf(const QString& fileName, const TestReportContent& content,
                           const PlotForReport& plot, Paper paper) {
    QByteArray document;
    {
        QBuffer buffer(&document);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setPageLayout(QPageLayout(PageSizeOf(paper), QPageLayout::Portrait,
                                         ReportMarginsMillimetres(), QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Fall-of-Potential Test Report"));
        writer.setCreator(QStringLiteral("Stakewell"));
        const QRect paintable = writer.pageLayout().paintRectPixels(PdfResolution);
        QPainter painter(&writer);
        PaintTestReportPages(writer, painter,
                             QRectF(0.0, 0.0, paintable.width(), paintable.height()),
                             PdfResolution / ScreenDpi, content, plot);
    }
    return files::WriteWholeFile(fileName, document).value_or(QString());
}

} // namespace stakewell::graph
