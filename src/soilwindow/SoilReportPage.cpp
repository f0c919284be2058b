#include "soilwindow/SoilReportPage.h"

#include "shared/TextForm.h"
#include "soilwindow/SoilPlot.h"

#include <QFontDatabase>
#include <QPainter>

#include <algorithm>

namespace stakewell::soilwindow {
namespace {

QFont Sized(QFont font, double points, bool bold = false) {
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Writes lines downwards from `top`, as many as fit above `bottom`; returns
// where the next would go.
double Lines(QPainter& painter, double left, double top, double bottom, const QStringList& lines) {
    const double spacing = QFontMetricsF(painter.font(), painter.device()).lineSpacing();
    double y = top;
    for (const QString& line : lines) {
        if (y + spacing > bottom) {
            break;
        }
        painter.drawText(QPointF(left, y + spacing * 0.8), line);
        y += spacing;
    }
    return y;
}

// Each line broken between words to the width, the rest of it indented.
QStringList Wrapped(const QPainter& painter, const QStringList& lines, double width) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    QStringList wrapped;
    for (const QString& line : lines) {
        QString current;
        for (const QString& word : line.split(u' ')) {
            const QString longer = current.isEmpty() ? word : current + u' ' + word;
            if (!current.trimmed().isEmpty() && metrics.horizontalAdvance(longer) > width) {
                wrapped.append(current);
                current = QStringLiteral("    ") + word;
            } else {
                current = longer;
            }
        }
        wrapped.append(current);
    }
    return wrapped;
}

QString Number(double value) {
    return QString::fromStdString(shared::DoubleText(value));
}

// A reading's traverse and whether it is left out, after its figures.
QString Marks(const soil::SoilReading& reading, bool namesTraverse) {
    QString marks;
    if (namesTraverse) {
        marks = QStringLiteral("  %1").arg(QString::fromStdString(reading.traverse), -8);
    }
    if (reading.leftOut) {
        marks += QStringLiteral("  left out");
    }
    return marks;
}

QStringList ReadingLines(const soil::SoilSurvey& survey) {
    const bool wenner = survey.array == soil::SoilArray::Wenner;
    const bool namesTraverse = soil::SeveralTraverses(survey);
    const QString unit = QLatin1String(soil::UnitWord(survey.unit));
    QStringList lines{wenner ? QStringLiteral("   %1 %2 %3")
                                   .arg(QStringLiteral("a (%1)").arg(unit), 13)
                                   .arg(QStringLiteral("R (ohms)"), 18)
                                   .arg(QStringLiteral("b (%1)").arg(unit), 12)
                             : QStringLiteral("   %1 %2 %3")
                                   .arg(QStringLiteral("AB/2 (%1)").arg(unit), 13)
                                   .arg(QStringLiteral("MN (%1)").arg(unit), 12)
                                   .arg(QStringLiteral("R (ohms)"), 18)};
    if (namesTraverse) {
        lines.front() += QStringLiteral("  Traverse");
    }
    int number = 0;
    for (const soil::SoilReading& reading : survey.readings) {
        QString line = QStringLiteral("%1 ").arg(++number, 2);
        if (wenner) {
            line += QStringLiteral("%1 %2 %3")
                        .arg(Number(reading.spacing), 10)
                        .arg(Number(reading.ohms), 18)
                        .arg(reading.probeDepth ? Number(*reading.probeDepth) : QString(), 12);
        } else {
            line += QStringLiteral("%1 %2 %3")
                        .arg(Number(reading.spacing), 10)
                        .arg(Number(reading.potentialSpacing), 12)
                        .arg(Number(reading.ohms), 18);
        }
        lines.append(line + Marks(reading, namesTraverse));
    }
    return lines;
}

} // namespace

void PaintSoilReportPage(QPainter& painter, const QRectF& page, qreal pixelWidth,
                         const soil::SoilSurvey& survey, std::optional<soil::DesignRod> rod) {
    const soil::SoilAnalysis analysis = soil::AnalyseSoil(survey);
    const soil::SurveyLayers layers = soil::LayerSurvey(survey);
    const QFont base = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    painter.save();
    painter.setFont(Sized(base, 15, true));
    double y =
        Lines(painter, page.left(), page.top(), page.bottom(), {QStringLiteral("Soil Survey")});
    painter.setFont(Sized(base, 9));
    const QString kind = survey.array == soil::SoilArray::Wenner
                             ? QStringLiteral("Wenner traverse")
                             : QStringLiteral("Schlumberger sounding");
    y = Lines(painter, page.left(), y, page.bottom(),
              {QStringLiteral("%1 of %2 readings, lengths in %3")
                   .arg(kind)
                   .arg(survey.readings.size())
                   .arg(QLatin1String(soil::UnitWord(survey.unit)))});

    // The window's own plot, drawn at screen size and scaled onto the page,
    // so that the page shows what the engineer saw.
    const QRectF plotArea(page.left(), y + page.height() * 0.01, page.width(),
                          page.height() * 0.45);
    SoilPlot plot;
    plot.resize(static_cast<int>(plotArea.width() / pixelWidth),
                static_cast<int>(plotArea.height() / pixelWidth));
    plot.Show(survey, analysis);
    plot.ShowLayers(layers);
    painter.save();
    painter.translate(plotArea.topLeft());
    painter.scale(pixelWidth, pixelWidth);
    plot.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();

    const double below = plotArea.bottom() + page.height() * 0.02;
    const double gutter = page.width() * 0.03;
    const double half = (page.width() - gutter) / 2.0;
    painter.setFont(Sized(base, 10, true));
    const double modelTop =
        Lines(painter, page.left(), below, page.bottom(), {QStringLiteral("Two-layer model")});
    painter.setFont(Sized(base, 7.5));
    QStringList model;
    for (const std::string& line : soil::SoilLines(survey, analysis, rod)) {
        if (line.rfind("Apparent resistivity at ", 0) != 0) {
            model.append(QString::fromStdString(line));
        }
    }
    painter.save();
    painter.setClipRect(QRectF(page.left(), modelTop, half, page.bottom() - modelTop));
    const double layersHeading =
        Lines(painter, page.left(), modelTop, page.bottom(), Wrapped(painter, model, half));
    painter.setFont(Sized(base, 10, true));
    const double layersTop = Lines(painter, page.left(), layersHeading + page.height() * 0.01,
                                   page.bottom(), {QStringLiteral("Layered model")});
    painter.setFont(Sized(base, 7.5));
    QStringList layered;
    for (const std::string& line : soil::LayerLines(survey, layers)) {
        layered.append(QString::fromStdString(line));
    }
    Lines(painter, page.left(), layersTop, page.bottom(), Wrapped(painter, layered, half));
    painter.restore();

    const double right = page.left() + half + gutter;
    painter.setFont(Sized(base, 10, true));
    const double readingsTop =
        Lines(painter, right, below, page.bottom(), {QStringLiteral("Readings")});
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    painter.setFont(Sized(mono, 6.5));
    QStringList readings = ReadingLines(survey);
    const double spacing = QFontMetricsF(painter.font(), painter.device()).lineSpacing();
    const auto room = static_cast<qsizetype>((page.bottom() - readingsTop) / spacing);
    if (readings.size() > room && room > 1) {
        const qsizetype shown = room - 1;
        const qsizetype more = readings.size() - shown;
        readings = readings.mid(0, shown);
        readings.append(QStringLiteral("... and %1 more").arg(more));
    }
    Lines(painter, right, readingsTop, page.bottom(), readings);
    painter.restore();
}

} // namespace stakewell::soilwindow
