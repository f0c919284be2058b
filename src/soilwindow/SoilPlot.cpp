#include "soilwindow/SoilPlot.h"

#include "shared/DisplayPattern.h"
#include "shared/TextForm.h"
#include "soilwindow/SoilCells.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace stakewell::soilwindow {

namespace {

constexpr int CurveSamples = 160;
constexpr double LeftMargin = 64.0;
constexpr double RightMargin = 14.0;
constexpr double TopMargin = 10.0;
constexpr double BottomMargin = 40.0;
constexpr double FrameGap = 12.0;

const QColor Grid(0xDD, 0xDD, 0xDD);
const QColor Reading(0x1F, 0x4E, 0xA0);
const QColor Curve(0xC0, 0x30, 0x20);
const QColor Band(0xC0, 0x30, 0x20, 0x38);
const QColor Misfit(0xE0, 0x80, 0x20);

QString OhmMetres() {
    return QStringLiteral("\u03A9\u00B7m");
}

QString Figure(double value, const char* pattern) {
    return QString::fromStdString(shared::FormatPattern(value, pattern));
}

QString ResistivityFigure(double ohmMetres) {
    return QString::fromStdString(soil::FigureText(ohmMetres, 1));
}

QString TickText(double value) {
    return QString::fromStdString(shared::DoubleText(value));
}

} // namespace

SoilPlot::SoilPlot(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
}

double SoilPlot::InUnit(double metres) const {
    return metres / soil::Metres(1.0, unit);
}

void SoilPlot::Show(const soil::SoilSurvey& survey, const soil::SoilAnalysis& analysis) {
    array = survey.array;
    unit = survey.unit;
    points = analysis.points;
    fit = analysis.fit;
    std::vector<double> xs;
    std::vector<double> ys;
    for (const soil::SoilPoint& point : points) {
        xs.push_back(InUnit(point.metres));
        ys.push_back(point.ohmMetres);
    }
    spacings = LogScale(xs);
    if (fit) {
        for (int i = 0; i <= CurveSamples; ++i) {
            const double spacing = spacings.ValueAt(static_cast<double>(i) / CurveSamples);
            const soil::CurvePoint curve = soil::ModelCurveAt(*fit, soil::Metres(spacing, unit));
            ys.push_back(curve.ohmMetres);
            if (curve.plusMinus) {
                ys.push_back(curve.ohmMetres + *curve.plusMinus);
            }
        }
    }
    resistivities = LogScale(ys);
    update();
}

SoilPlot::Frames SoilPlot::FramesOf(const QRectF& area) {
    const double left = area.left() + LeftMargin;
    const double right = area.right() - RightMargin;
    const double bottom = area.bottom() - BottomMargin;
    const double misfitHeight = std::max(40.0, 0.22 * area.height());
    const QRectF misfit(QPointF(left, bottom - misfitHeight), QPointF(right, bottom));
    const QRectF curve(QPointF(left, area.top() + TopMargin),
                       QPointF(right, misfit.top() - FrameGap));
    return {curve, misfit};
}

// The misfit strip spans at least 10 % either way, and always the largest
// misfit, in steps of 5 %.
double SoilPlot::MisfitSpan() const {
    double largest = 10.0;
    if (fit) {
        for (const double residual : fit->residualsPercent) {
            if (std::isfinite(residual)) {
                largest = std::max(largest, std::ceil(std::abs(residual) / 5.0) * 5.0);
            }
        }
    }
    return largest;
}

QPointF SoilPlot::At(const QRectF& frame, double spacing, double ohmMetres) const {
    return {frame.left() + spacings.Fraction(spacing) * frame.width(),
            frame.bottom() - resistivities.Fraction(ohmMetres) * frame.height()};
}

void SoilPlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    if (points.empty()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(rect(), Qt::AlignCenter,
                         QStringLiteral("The readings are plotted once they can all be taken."));
        return;
    }
    const Frames frames = FramesOf(QRectF(rect()));
    PaintAxes(painter, frames);
    painter.save();
    painter.setClipRect(frames.curve);
    PaintCurve(painter, frames.curve);
    painter.restore();
    // A reading on a decade stands on the frame; it is drawn whole.
    PaintReadings(painter, frames.curve);
    PaintLegend(painter, frames.curve);
    PaintMisfits(painter, frames.misfit);
    if (pointerX) {
        painter.setPen(QPen(Qt::gray, 1.0, Qt::DashLine));
        for (const QRectF& frame : {frames.curve, frames.misfit}) {
            painter.drawLine(QPointF(*pointerX, frame.top()), QPointF(*pointerX, frame.bottom()));
        }
    }
}

void SoilPlot::PaintAxes(QPainter& painter, const Frames& frames) const {
    const QFontMetricsF metrics(font());
    painter.setPen(Grid);
    for (const double tick : spacings.Ticks()) {
        const double x = At(frames.curve, tick, 1.0).x();
        painter.setPen(Grid);
        painter.drawLine(QPointF(x, frames.curve.top()), QPointF(x, frames.curve.bottom()));
        painter.drawLine(QPointF(x, frames.misfit.top()), QPointF(x, frames.misfit.bottom()));
        painter.setPen(Qt::black);
        const QString text = TickText(tick);
        painter.drawText(QPointF(x - metrics.horizontalAdvance(text) / 2.0,
                                 frames.misfit.bottom() + metrics.ascent() + 3.0),
                         text);
    }
    for (const double tick : resistivities.Ticks()) {
        const double y = At(frames.curve, 1.0, tick).y();
        painter.setPen(Grid);
        painter.drawLine(QPointF(frames.curve.left(), y), QPointF(frames.curve.right(), y));
        painter.setPen(Qt::black);
        const QString text = TickText(tick);
        painter.drawText(QPointF(frames.curve.left() - metrics.horizontalAdvance(text) - 4.0,
                                 y + metrics.ascent() / 2.0 - 1.0),
                         text);
    }
    const double span = MisfitSpan();
    for (const double tick : {-span, 0.0, span}) {
        const double y = frames.misfit.center().y() - tick / span * frames.misfit.height() / 2.0;
        painter.setPen(tick == 0.0 ? Qt::gray : Grid);
        painter.drawLine(QPointF(frames.misfit.left(), y), QPointF(frames.misfit.right(), y));
        painter.setPen(Qt::black);
        const QString text = TickText(tick) + QStringLiteral(" %");
        painter.drawText(QPointF(frames.misfit.left() - metrics.horizontalAdvance(text) - 4.0,
                                 y + metrics.ascent() / 2.0 - 1.0),
                         text);
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frames.curve);
    painter.drawRect(frames.misfit);

    const QString spacingTitle =
        (array == soil::SoilArray::Wenner ? QStringLiteral("Spacing a")
                                          : QStringLiteral("Half current spacing AB/2")) +
        QStringLiteral(" (%1)").arg(QLatin1String(soil::UnitWord(unit)));
    painter.drawText(QRectF(frames.misfit.left(), frames.misfit.bottom() + metrics.height() + 2.0,
                            frames.misfit.width(), metrics.height()),
                     Qt::AlignHCenter, spacingTitle);
    painter.save();
    painter.translate(metrics.height() * 0.2, frames.curve.center().y());
    painter.rotate(-90.0);
    painter.drawText(
        QRectF(-frames.curve.height() / 2.0, 0.0, frames.curve.height(), metrics.height()),
        Qt::AlignHCenter, QStringLiteral("Apparent resistivity (%1)").arg(OhmMetres()));
    painter.restore();
    painter.save();
    painter.translate(metrics.height() * 0.2, frames.misfit.center().y());
    painter.rotate(-90.0);
    painter.drawText(
        QRectF(-frames.misfit.height() / 2.0, 0.0, frames.misfit.height(), metrics.height()),
        Qt::AlignHCenter, QStringLiteral("Misfit"));
    painter.restore();
}

void SoilPlot::PaintCurve(QPainter& painter, const QRectF& frame) const {
    if (!fit) {
        return;
    }
    QPainterPath curve;
    QPolygonF upper;
    QPolygonF lower;
    for (int i = 0; i <= CurveSamples; ++i) {
        const double spacing = spacings.ValueAt(static_cast<double>(i) / CurveSamples);
        const soil::CurvePoint point = soil::ModelCurveAt(*fit, soil::Metres(spacing, unit));
        if (!std::isfinite(point.ohmMetres)) {
            continue;
        }
        const QPointF at = At(frame, spacing, point.ohmMetres);
        if (curve.elementCount() == 0) {
            curve.moveTo(at);
        } else {
            curve.lineTo(at);
        }
        if (point.plusMinus) {
            // Below zero the band runs off the logarithmic axis; the clip
            // cuts it at the frame's foot.
            const double low = point.ohmMetres - *point.plusMinus;
            upper.append(At(frame, spacing, point.ohmMetres + *point.plusMinus));
            lower.prepend(low > 0.0 ? At(frame, spacing, low)
                                    : QPointF(at.x(), frame.bottom() + 1.0));
        }
    }
    if (!upper.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Band);
        painter.drawPolygon(upper + lower);
    }
    painter.setPen(QPen(Curve, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

void SoilPlot::PaintReadings(QPainter& painter, const QRectF& frame) const {
    painter.setPen(QPen(Reading, 1.5));
    painter.setBrush(Qt::white);
    for (const soil::SoilPoint& point : points) {
        painter.drawEllipse(At(frame, InUnit(point.metres), point.ohmMetres), 4.0, 4.0);
    }
}

void SoilPlot::PaintLegend(QPainter& painter, const QRectF& frame) const {
    const QFontMetricsF metrics(font());
    const double row = metrics.height() + 2.0;
    const QString band = QStringLiteral("Its 68 % band");
    const double width = metrics.horizontalAdvance(band) + 40.0;
    const QRectF box(frame.right() - width - 8.0, frame.top() + 8.0, width, 3.0 * row + 6.0);
    painter.setPen(Grid);
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    const double x = box.left() + 6.0;
    const double text = box.left() + 32.0;
    double y = box.top() + 3.0 + row / 2.0;
    painter.setPen(QPen(Reading, 1.5));
    painter.drawEllipse(QPointF(x + 10.0, y), 4.0, 4.0);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(text, y + metrics.ascent() / 2.0 - 1.0), QStringLiteral("Readings"));
    y += row;
    painter.setPen(QPen(Curve, 2.0));
    painter.drawLine(QPointF(x, y), QPointF(x + 20.0, y));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(text, y + metrics.ascent() / 2.0 - 1.0),
                     QStringLiteral("Two-layer fit"));
    y += row;
    painter.fillRect(QRectF(x, y - 4.0, 20.0, 8.0), Band);
    painter.drawText(QPointF(text, y + metrics.ascent() / 2.0 - 1.0), band);
}

void SoilPlot::PaintMisfits(QPainter& painter, const QRectF& frame) const {
    if (!fit) {
        return;
    }
    const double span = MisfitSpan();
    const double middle = frame.center().y();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Misfit);
    for (std::size_t i = 0; i < fit->points.size() && i < fit->residualsPercent.size(); ++i) {
        const double x = At(frame, InUnit(fit->points[i].metres), 1.0).x();
        const double y = middle - fit->residualsPercent[i] / span * frame.height() / 2.0;
        painter.drawRect(
            QRectF(QPointF(x - 3.0, std::min(y, middle)), QPointF(x + 3.0, std::max(y, middle))));
    }
}

QString SoilPlot::ReadOutAt(const QPointF& position) const {
    const Frames frames = FramesOf(QRectF(rect()));
    const bool inCurve = frames.curve.contains(position);
    if (points.empty() || !(inCurve || frames.misfit.contains(position))) {
        return {};
    }
    const double spacing =
        spacings.ValueAt((position.x() - frames.curve.left()) / frames.curve.width());
    QString text = tr("At %1 %2: ").arg(Figure(spacing, "0.00"), UnitName(unit));
    if (inCurve) {
        const double value =
            resistivities.ValueAt((frames.curve.bottom() - position.y()) / frames.curve.height());
        text += QStringLiteral("%1 %2").arg(ResistivityFigure(value), OhmMetres());
    } else {
        const double percent = (frames.misfit.center().y() - position.y()) /
                               (frames.misfit.height() / 2.0) * MisfitSpan();
        text += tr("misfit %1 %").arg(Figure(percent, "0.0"));
    }
    if (fit) {
        const soil::CurvePoint curve = soil::ModelCurveAt(*fit, soil::Metres(spacing, unit));
        text += tr("; model %1").arg(ResistivityFigure(curve.ohmMetres));
        if (curve.plusMinus) {
            text += QStringLiteral(" \u00B1 %1").arg(ResistivityFigure(*curve.plusMinus));
        }
        text += QStringLiteral(" %1").arg(OhmMetres());
    }
    return text;
}

void SoilPlot::mouseMoveEvent(QMouseEvent* event) {
    const QString text = ReadOutAt(event->position());
    pointerX = text.isEmpty() ? std::nullopt : std::optional(event->position().x());
    update();
    emit ReadOutChanged(text);
}

void SoilPlot::leaveEvent(QEvent* /*event*/) {
    pointerX.reset();
    update();
    emit ReadOutChanged({});
}

} // namespace stakewell::soilwindow
