#include "soilwindow/SoilPlot.h"

#include "shared/DisplayPattern.h"
#include "shared/TextForm.h"
#include "soilwindow/SoilCells.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <utility>

#include <algorithm>
#include <array>
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
const QColor Curve(0xC0, 0x30, 0x20);
const QColor Band(0xC0, 0x30, 0x20, 0x30);
const QColor Layered(0x20, 0x80, 0x40);
const QColor LayeredBand(0x20, 0x80, 0x40, 0x30);
const QColor Misfit(0xE0, 0x80, 0x20);
const QColor LeftOutReading(0x99, 0x99, 0x99);
const QColor Outlier(0xE0, 0x10, 0x10);
constexpr double MarkerRadius = 4.0;

// Each traverse's colour and marker, the first the plain readings' own.
const std::array<QColor, 4> TraverseColours{QColor(0x1F, 0x4E, 0xA0), QColor(0x7B, 0x3F, 0xA0),
                                            QColor(0x1A, 0x8A, 0x8A), QColor(0x8A, 0x5A, 0x1A)};
enum class Marker { Circle, Square, Triangle, Diamond };

Marker MarkerOf(std::size_t traverse) {
    return static_cast<Marker>(traverse % 4);
}

QColor ColourOf(std::size_t traverse) {
    return TraverseColours.at(traverse % TraverseColours.size());
}

void DrawMarker(QPainter& painter, Marker marker, const QPointF& at) {
    constexpr double r = MarkerRadius;
    switch (marker) {
    case Marker::Circle:
        painter.drawEllipse(at, r, r);
        return;
    case Marker::Square:
        painter.drawRect(QRectF(at.x() - r * 0.85, at.y() - r * 0.85, r * 1.7, r * 1.7));
        return;
    case Marker::Triangle:
        painter.drawPolygon(QPolygonF{{at.x(), at.y() - r * 1.1},
                                      {at.x() + r, at.y() + r * 0.8},
                                      {at.x() - r, at.y() + r * 0.8}});
        return;
    case Marker::Diamond:
        break;
    }
    painter.drawPolygon(QPolygonF{{at.x(), at.y() - r * 1.2},
                                  {at.x() + r, at.y()},
                                  {at.x(), at.y() + r * 1.2},
                                  {at.x() - r, at.y()}});
}

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
    traverseNames.clear();
    traverseOf.clear();
    leftOut.clear();
    for (const soil::SoilReading& reading : survey.readings) {
        const auto known = std::find(traverseNames.begin(), traverseNames.end(), reading.traverse);
        traverseOf.push_back(static_cast<std::size_t>(known - traverseNames.begin()));
        if (known == traverseNames.end()) {
            traverseNames.push_back(reading.traverse);
        }
        leftOut.push_back(reading.leftOut);
    }
    outliers.clear();
    layeredResiduals.clear();
    layeredCount = 0;
    layeredCurve.clear();
    ownModels.clear();
    Rescale();
}

void SoilPlot::ShowLayers(const soil::SurveyLayers& layers) {
    outliers = layers.outliers;
    layeredResiduals = layers.residualsPercent;
    layeredCount = layers.shownLayers;
    layeredCurve = layers.curve;
    ownModels.clear();
    for (const soil::TraverseLayers& traverse : layers.traverses) {
        const auto known = std::find(traverseNames.begin(), traverseNames.end(), traverse.name);
        if (traverse.curve.empty() || known == traverseNames.end()) {
            continue;
        }
        OwnModel model{static_cast<std::size_t>(known - traverseNames.begin()), {}};
        for (const soil::LayeredCurvePoint& point : traverse.curve) {
            model.curve.push_back({point.metres, point.ohmMetres});
        }
        ownModels.push_back(std::move(model));
    }
    Rescale();
}

void SoilPlot::ShowOwnModels(bool shown) {
    ownModelsShown = shown;
    Rescale();
}

// The axes hold every reading and every curve drawn, the bands too.
void SoilPlot::Rescale() {
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
    for (const soil::LayeredCurvePoint& point : layeredCurve) {
        ys.push_back(point.ohmMetres);
        if (std::isfinite(point.factor) && point.factor > 1.0) {
            ys.push_back(point.ohmMetres * point.factor);
            ys.push_back(point.ohmMetres / point.factor);
        }
    }
    if (ownModelsShown) {
        for (const OwnModel& model : ownModels) {
            for (const soil::SoilPoint& point : model.curve) {
                ys.push_back(point.ohmMetres);
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
    for (const double residual : ShownMisfits()) {
        if (std::isfinite(residual)) {
            largest = std::max(largest, std::ceil(std::abs(residual) / 5.0) * 5.0);
        }
    }
    return largest;
}

const std::vector<double>& SoilPlot::ShownMisfits() const {
    static const std::vector<double> none;
    if (!layeredResiduals.empty()) {
        return layeredResiduals;
    }
    return fit ? fit->residualsPercent : none;
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
    PaintLayeredCurve(painter, frames.curve);
    PaintOwnModels(painter, frames.curve);
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
    painter.setPen(QPen(Curve, 1.5, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

void SoilPlot::PaintLayeredCurve(QPainter& painter, const QRectF& frame) const {
    QPainterPath curve;
    QPolygonF upper;
    QPolygonF lower;
    for (const soil::LayeredCurvePoint& point : layeredCurve) {
        if (!std::isfinite(point.ohmMetres) || !(point.ohmMetres > 0.0)) {
            continue;
        }
        const double spacing = InUnit(point.metres);
        const QPointF at = At(frame, spacing, point.ohmMetres);
        if (curve.elementCount() == 0) {
            curve.moveTo(at);
        } else {
            curve.lineTo(at);
        }
        if (std::isfinite(point.factor)) {
            upper.append(At(frame, spacing, point.ohmMetres * point.factor));
            lower.prepend(At(frame, spacing, point.ohmMetres / point.factor));
        }
    }
    if (!upper.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(LayeredBand);
        painter.drawPolygon(upper + lower);
    }
    painter.setPen(QPen(Layered, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

void SoilPlot::PaintOwnModels(QPainter& painter, const QRectF& frame) const {
    if (!ownModelsShown) {
        return;
    }
    painter.setBrush(Qt::NoBrush);
    for (const OwnModel& model : ownModels) {
        QPainterPath curve;
        for (const soil::SoilPoint& point : model.curve) {
            if (!std::isfinite(point.ohmMetres) || !(point.ohmMetres > 0.0)) {
                continue;
            }
            const QPointF at = At(frame, InUnit(point.metres), point.ohmMetres);
            if (curve.elementCount() == 0) {
                curve.moveTo(at);
            } else {
                curve.lineTo(at);
            }
        }
        painter.setPen(QPen(ColourOf(model.traverse), 1.5, Qt::DotLine));
        painter.drawPath(curve);
    }
}

// Readings left out are hollow and grey; the rest filled in their
// traverse's colour.
void SoilPlot::PaintReadings(QPainter& painter, const QRectF& frame) const {
    const QFontMetricsF metrics(font());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF at = At(frame, InUnit(points[i].metres), points[i].ohmMetres);
        const std::size_t traverse = i < traverseOf.size() ? traverseOf[i] : 0;
        const bool out = i < leftOut.size() && leftOut[i];
        painter.setPen(QPen(out ? LeftOutReading : ColourOf(traverse), 1.5));
        painter.setBrush(out ? QBrush(Qt::white) : QBrush(ColourOf(traverse).lighter(150)));
        DrawMarker(painter, MarkerOf(traverse), at);
        if (i < outliers.size() && outliers[i]) {
            painter.setPen(QPen(Outlier, 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, MarkerRadius * 2.2, MarkerRadius * 2.2);
            painter.drawText(QPointF(at.x() + MarkerRadius * 2.6, at.y() - MarkerRadius * 1.5),
                             QStringLiteral("outlier?"));
        }
    }
}

// One row each of what the plot shows: the traverses by marker where there
// are several, readings left out and outliers where there are any, then the
// curves and their bands.
void SoilPlot::PaintLegend(QPainter& painter, const QRectF& frame) const {
    using Sample = std::function<void(const QPointF& left)>;
    std::vector<std::pair<Sample, QString>> rows;
    const auto marker = [&painter](std::size_t traverse) {
        return [&painter, traverse](const QPointF& left) {
            painter.setPen(QPen(ColourOf(traverse), 1.5));
            painter.setBrush(ColourOf(traverse).lighter(150));
            DrawMarker(painter, MarkerOf(traverse), left + QPointF(10.0, 0.0));
        };
    };
    if (traverseNames.size() > 1) {
        for (std::size_t t = 0; t < traverseNames.size(); ++t) {
            rows.emplace_back(marker(t), traverseNames[t].empty()
                                             ? QStringLiteral("Unnamed traverse")
                                             : QString::fromStdString(traverseNames[t]));
        }
    } else {
        rows.emplace_back(marker(0), QStringLiteral("Readings"));
    }
    if (std::find(leftOut.begin(), leftOut.end(), true) != leftOut.end()) {
        rows.emplace_back(
            [&painter](const QPointF& left) {
                painter.setPen(QPen(LeftOutReading, 1.5));
                painter.setBrush(Qt::white);
                DrawMarker(painter, Marker::Circle, left + QPointF(10.0, 0.0));
            },
            QStringLiteral("Left out"));
    }
    const auto line = [&painter](const QPen& pen) {
        return [&painter, pen](const QPointF& left) {
            painter.setPen(pen);
            painter.drawLine(left, left + QPointF(20.0, 0.0));
        };
    };
    if (fit) {
        rows.emplace_back(line(QPen(Curve, 1.5, Qt::DashLine)), QStringLiteral("2 layers"));
    }
    if (!layeredCurve.empty()) {
        rows.emplace_back(line(QPen(Layered, 2.0)),
                          layeredCount == 1 ? QStringLiteral("1 layer")
                                            : QStringLiteral("%1 layers").arg(layeredCount));
    }
    if (ownModelsShown && !ownModels.empty()) {
        rows.emplace_back(line(QPen(Qt::darkGray, 1.5, Qt::DotLine)),
                          QStringLiteral("Each traverse's own model"));
    }
    if (fit || !layeredCurve.empty()) {
        rows.emplace_back(
            [this, &painter](const QPointF& left) {
                painter.fillRect(QRectF(left.x(), left.y() - 4.0, 9.0, 8.0), Band);
                painter.fillRect(QRectF(left.x() + 11.0, left.y() - 4.0, 9.0, 8.0),
                                 layeredCurve.empty() ? Band : LayeredBand);
            },
            QStringLiteral("68 % band"));
    }

    const QFontMetricsF metrics(font());
    const double row = metrics.height() + 2.0;
    double widest = 0.0;
    for (const auto& entry : rows) {
        widest = std::max(widest, metrics.horizontalAdvance(entry.second));
    }
    const QRectF box =
        LegendBox(frame, QSizeF(widest + 40.0, static_cast<double>(rows.size()) * row + 6.0));
    painter.setPen(Grid);
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    double y = box.top() + 3.0 + row / 2.0;
    for (const auto& [sample, text] : rows) {
        sample(QPointF(box.left() + 6.0, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(box.left() + 32.0, y + metrics.ascent() / 2.0 - 1.0), text);
        y += row;
    }
}

// The corner of the frame where the legend hides the fewest readings and
// points of the layered curve, the top right where none is better.
QRectF SoilPlot::LegendBox(const QRectF& frame, const QSizeF& size) const {
    constexpr double Inset = 8.0;
    const double left = frame.left() + Inset;
    const double right = frame.right() - Inset - size.width();
    const double top = frame.top() + Inset;
    const double bottom = frame.bottom() - Inset - size.height();
    std::optional<QRectF> best;
    std::size_t fewest = 0;
    for (const QPointF& corner :
         {QPointF(right, top), QPointF(left, top), QPointF(right, bottom), QPointF(left, bottom)}) {
        const QRectF box(corner, size);
        const QRectF near = box.adjusted(-MarkerRadius, -MarkerRadius, MarkerRadius, MarkerRadius);
        std::size_t hidden = 0;
        for (const soil::SoilPoint& point : points) {
            hidden += near.contains(At(frame, InUnit(point.metres), point.ohmMetres)) ? 1 : 0;
        }
        for (const soil::LayeredCurvePoint& point : layeredCurve) {
            hidden += box.contains(At(frame, InUnit(point.metres), point.ohmMetres)) ? 1 : 0;
        }
        if (!best || hidden < fewest) {
            best = box;
            fewest = hidden;
        }
    }
    return *best;
}

void SoilPlot::PaintMisfits(QPainter& painter, const QRectF& frame) const {
    const double span = MisfitSpan();
    const double middle = frame.center().y();
    painter.setPen(Qt::NoPen);
    const bool layered = !layeredResiduals.empty();
    const std::vector<soil::SoilPoint>& at = layered ? points : fit ? fit->points : points;
    const std::vector<double>& misfits = ShownMisfits();
    for (std::size_t i = 0; i < at.size() && i < misfits.size(); ++i) {
        painter.setBrush(layered && i < leftOut.size() && leftOut[i] ? QColor(Qt::lightGray)
                                                                     : Misfit);
        const double x = At(frame, InUnit(at[i].metres), 1.0).x();
        const double y = middle - misfits[i] / span * frame.height() / 2.0;
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
    if (const std::optional<double> layered = LayeredAt(soil::Metres(spacing, unit))) {
        text +=
            (layeredCount == 1 ? tr("; 1 layer %1 %2") : tr("; %1 layers %2 %3").arg(layeredCount))
                .arg(ResistivityFigure(*layered), OhmMetres());
    }
    return text;
}

// Between two of the curve's spacings the model is read as the plot draws
// it: straight on the logarithmic axes.
std::optional<double> SoilPlot::LayeredAt(double metres) const {
    const auto above = std::find_if(
        layeredCurve.begin(), layeredCurve.end(),
        [metres](const soil::LayeredCurvePoint& point) { return point.metres >= metres; });
    if (above == layeredCurve.end() || (above == layeredCurve.begin() && above->metres > metres)) {
        return std::nullopt;
    }
    if (above->metres == metres) {
        return above->ohmMetres;
    }
    const auto below = std::prev(above);
    const double t = std::log(metres / below->metres) / std::log(above->metres / below->metres);
    return below->ohmMetres * std::pow(above->ohmMetres / below->ohmMetres, t);
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
