#include "graph/PlotPainting.h"

#include "analysis/AnalysisText.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <cmath>

namespace stakewell::graph {
namespace {

// Primitives further off the picture than this are invisible; skipping them
// keeps absurd extents from reaching the rasteriser.
constexpr double DrawableReach = 1.0e6;

const QColor Black{0x00, 0x00, 0x00};
const QColor White{0xFF, 0xFF, 0xFF};
const QColor Red{0xFF, 0x00, 0x00};
const QColor Green{0x00, 0xFF, 0x00};
// The analysis is drawn in colours of its own, apart from the plot's.
const QColor Band{0x00, 0x30, 0xC0};
const QColor TrueDistance{0xB0, 0x00, 0xB0};
const QColor LeftOut{0x80, 0x80, 0x80};

QPen CosmeticPen(const QColor& colour, qreal width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style, Qt::FlatCap);
    pen.setCosmetic(true);
    return pen;
}

bool Reachable(const QPointF& point, const QRectF& area) {
    return std::abs(point.x() - area.left()) < DrawableReach &&
           std::abs(point.y() - area.top()) < DrawableReach;
}

// Maps the user scale, whose top-left corner is (PlotLeft, PlotTop) and whose
// bottom-right corner is (PlotRight, PlotBottom), onto the area.
QTransform UserScale(const PlotExtents& plot, const QRectF& area) {
    const double left = plot.PlotLeft;
    const double top = plot.PlotTop;
    const double sx = area.width() / (static_cast<double>(plot.PlotRight) - left);
    const double sy = area.height() / (static_cast<double>(plot.PlotBottom) - top);
    return {sx, 0.0, 0.0, sy, area.left() - left * sx, area.top() - top * sy};
}

// Draws in the plot's user scale. Every primitive is mapped to the area first
// and dropped when it lies hopelessly far outside it.
class UserScalePainter {
public:
    UserScalePainter(QPainter& painter, const PlotExtents& plot, const QRectF& area,
                     qreal pixelWidth)
        : painter(painter), area(area), scale(UserScale(plot, area)), pixelWidth(pixelWidth) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
    }

    QPointF Map(double x, double y) const { return scale.map(QPointF(x, y)); }

    // Widths are in pixels of a plain screen.
    void SetPen(const QPen& pen) {
        QPen scaled = pen;
        scaled.setWidthF(pen.widthF() * pixelWidth);
        painter.setPen(scaled);
    }
    void SetFont(const QFont& font) { painter.setFont(font); }

    void Line(double x1, double y1, double x2, double y2) {
        const QPointF from = Map(x1, y1);
        const QPointF to = Map(x2, y2);
        if (Reachable(from, area) && Reachable(to, area)) {
            painter.drawLine(from, to);
        }
    }

    // The text's top-left corner at the user point.
    void Text(double x, double y, const QString& text) {
        const QPointF corner = Map(x, y);
        if (Reachable(corner, area)) {
            painter.drawText(corner + QPointF(0.0, painter.fontMetrics().ascent()), text);
        }
    }

    // Round dots `width` pixels of a plain screen across.
    void Dots(const std::vector<QPointF>& userPoints, const QColor& colour, int width) {
        if (auto* canvas = dynamic_cast<QImage*>(painter.device()); canvas != nullptr) {
            StampDots(*canvas, userPoints, colour, width);
            return;
        }
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const qreal radius = width * pixelWidth / 2.0;
        for (const QPointF& point : userPoints) {
            const QPointF centre = scale.map(point);
            if (area.adjusted(-radius, -radius, radius, radius).contains(centre)) {
                painter.drawEllipse(centre, radius, radius);
            }
        }
        painter.restore();
    }

    // A hollow diamond the size of a large dot, centred on the user point.
    void Diamond(const QPointF& centre, const QColor& colour) {
        const qreal half = 5.0 * pixelWidth;
        const std::array<QPointF, 4> corners{centre + QPointF(0, -half), centre + QPointF(half, 0),
                                             centre + QPointF(0, half), centre + QPointF(-half, 0)};
        painter.save();
        painter.setPen(CosmeticPen(colour, 2.0 * pixelWidth));
        painter.setBrush(White);
        painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
        painter.restore();
    }

private:
    // A survey can hold tens of thousands of readings, most sharing a pixel
    // with a neighbour, so each dot is stamped from one pre-drawn image and
    // each pixel only once.
    void StampDots(const QImage& canvas, const std::vector<QPointF>& userPoints,
                   const QColor& colour, int width) {
        const qreal ratio = canvas.devicePixelRatio();
        const QImage dot = DotImage(colour, width, ratio);
        const int side = dot.width();
        const QRect visible(-side, -side, canvas.width() + side, canvas.height() + side);
        std::vector<bool> stamped(static_cast<std::size_t>(visible.width()) *
                                  static_cast<std::size_t>(visible.height()));
        for (const QPointF& point : userPoints) {
            const QPointF centre = scale.map(point) * ratio;
            if (!Reachable(centre, area)) {
                continue;
            }
            const QPoint corner(static_cast<int>(std::lround(centre.x() - side / 2.0)),
                                static_cast<int>(std::lround(centre.y() - side / 2.0)));
            if (!visible.contains(corner)) {
                continue;
            }
            const auto cell = static_cast<std::size_t>(corner.y() - visible.top()) *
                                  static_cast<std::size_t>(visible.width()) +
                              static_cast<std::size_t>(corner.x() - visible.left());
            if (stamped[cell]) {
                continue;
            }
            stamped[cell] = true;
            painter.drawImage(QPointF(corner.x() / ratio, corner.y() / ratio), dot);
        }
    }

    static QImage DotImage(const QColor& colour, int width, qreal ratio) {
        const double across = width * ratio;
        const int side = static_cast<int>(std::ceil(across)) + 2; // room for the antialiased rim
        QImage dot(side, side, QImage::Format_ARGB32_Premultiplied);
        dot.fill(Qt::transparent);
        QPainter dotPainter(&dot);
        dotPainter.setRenderHint(QPainter::Antialiasing);
        dotPainter.setPen(Qt::NoPen);
        dotPainter.setBrush(colour);
        dotPainter.drawEllipse(QRectF(1.0, 1.0, across, across));
        dotPainter.end();
        dot.setDevicePixelRatio(ratio);
        return dot;
    }

    QPainter& painter;
    QRectF area;
    QTransform scale;
    qreal pixelWidth;
};

QPointF UserPointOf(const survey::FOPPoint& point) {
    return {ToSingle(1000.0 * point.Feet), ToSingle(1000.0 * point.Ohms)};
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Dashed guides at 52% and 72% of E2, around the red 62% line, and at the
// true distance; a diamond on every value the analysis found.
std::vector<Marker> PaintAnalysis(UserScalePainter& painter, const PlotExtents& plot,
                                  const analysis::Result& analysis) {
    std::vector<Marker> markers;
    const auto guide = [&](double feet, const QColor& colour) {
        const double x = 1000.0 * feet;
        painter.SetPen(CosmeticPen(colour, 1, Qt::DashLine));
        painter.Line(x, plot.PlotTop, x, plot.PlotBottom);
    };
    const auto diamond = [&](double feet, double ohms, const QColor& colour, const QString& tip) {
        const QPointF at = painter.Map(ToSingle(1000.0 * feet), ToSingle(1000.0 * ohms));
        if (std::isfinite(at.x()) && std::isfinite(at.y())) {
            painter.Diamond(at, colour);
            markers.push_back({at, tip});
        }
    };
    const analysis::Flatness& flat = analysis.Flat;
    if (analysis.E2Distance > 0.0) {
        guide(flat.At52.Feet, Band);
        guide(flat.At72.Feet, Band);
    }
    const analysis::SlopeMethod& slope = analysis.Slope;
    if (slope.TrueDistance && slope.TrueOhms) {
        guide(*slope.TrueDistance, TrueDistance);
    }
    for (const analysis::CurveValue* value : {&flat.At52, &analysis.At62, &flat.At72}) {
        if (value->Ohms) {
            diamond(value->Feet, *value->Ohms, Band, Text(analysis::CurveValueTip(*value)));
        }
    }
    if (slope.TrueDistance && slope.TrueOhms) {
        diamond(*slope.TrueDistance, *slope.TrueOhms, TrueDistance,
                Text(analysis::TrueValueTip(slope)));
    }
    return markers;
}

} // namespace

std::vector<Marker> PaintPlot(QPainter& painter, const QRectF& area, qreal pixelWidth,
                              const SharedState& state, const PlotSpans& spans,
                              const analysis::Result& analysis) {
    const auto& fop = state.fop;
    const auto& plot = state.plot;
    const int n = fop.PointCount();
    UserScalePainter user(painter, plot, area, pixelWidth);

    user.SetPen(CosmeticPen(Black, 2));
    user.Line(plot.PlotLeft, plot.PlotTop, plot.PlotLeft, plot.PlotBottom);
    user.Line(plot.PlotLeft, plot.PlotBottom, plot.PlotRight, plot.PlotBottom);
    user.Line(plot.PlotRight, plot.PlotTop, plot.PlotLeft, plot.PlotTop);
    user.Line(plot.PlotRight, plot.PlotBottom, plot.PlotRight, plot.PlotTop);

    QFont labelFont = painter.font();
    labelFont.setPointSizeF(9.0);
    user.SetFont(labelFont);
    const QPen labelPen = CosmeticPen(Black, 2);
    const QPen gridPen = CosmeticPen(White, 2);
    for (const auto& line : GridLines(plot.MinFeet, plot.MaxFeet, spans.Feet)) {
        const double x = 1000.0 * line.Value;
        user.SetPen(labelPen);
        user.Text(x, plot.PlotTop, QString::fromStdString(line.Label));
        user.SetPen(gridPen);
        user.Line(x, plot.PlotBottom, x, plot.PlotTop);
    }
    for (const auto& line : GridLines(plot.MinOhms, plot.MaxOhms, spans.Ohms)) {
        const double y = 1000.0 * line.Value;
        user.SetPen(labelPen);
        user.Text(plot.PlotLeft, y, QString::fromStdString(line.Label));
        user.SetPen(gridPen);
        user.Line(plot.PlotLeft, y, plot.PlotRight, y);
    }

    const double x62 = SixtyTwoPercentX(fop);
    user.SetPen(CosmeticPen(Red, 1));
    user.Line(x62, plot.PlotTop, x62, plot.PlotBottom);

    std::vector<QPointF> measured;
    std::vector<QPointF> beyondE2;
    measured.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const survey::FOPPoint& point = fop.FOPPoints()[static_cast<std::size_t>(i)];
        (fop.BeyondE2(point) ? beyondE2 : measured).push_back(UserPointOf(point));
    }
    user.Dots(measured, Black, 4);
    // Readings the analysis leaves out stay in sight, as rings apart from
    // the readings it uses.
    user.Dots(beyondE2, LeftOut, 7);
    user.Dots(beyondE2, White, 3);

    if (fop.FOPCurrent() >= 0 && fop.FOPCurrent() <= n) {
        user.Dots({UserPointOf(fop.CurrentPoint())}, Red, 6);
    }
    return PaintAnalysis(user, plot, analysis);
}

void PaintCrossHair(QPainter& painter, const QRectF& area, qreal pixelWidth,
                    const PlotExtents& plot, float x, float y) {
    UserScalePainter user(painter, plot, area, pixelWidth);
    user.SetPen(CosmeticPen(Green, 1));
    user.Line(x, plot.PlotBottom, x, plot.PlotTop);
    user.Line(plot.PlotLeft, y, plot.PlotRight, y);
}

} // namespace stakewell::graph
