#include "graph/PlotPainting.h"

#include "fop/AnalysisText.h"
#include "shared/TextForm.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
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
// The probe position that reads the true resistance in the soil model.
const QColor InSoil{0x00, 0x80, 0x40};
const QColor LeftOut{0x80, 0x80, 0x80};
// A printed plot has no current point, and its 62% line is a darker red
// than the window's, which marks the current point there.
const QColor PrintedSixtyTwo{0xC0, 0x00, 0x00};
const QColor GridGrey{0xD8, 0xD8, 0xD8};
constexpr double OutputPoints = 9.0;

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

    // The text beside the user point, its top at the point: to the right,
    // or to the left where the right would run past the area's edge.
    void TextBeside(double x, double y, const QString& text) {
        const QPointF at = Map(x, y);
        const qreal gap = 3.0 * pixelWidth;
        const qreal width = painter.fontMetrics().horizontalAdvance(text);
        const qreal left =
            at.x() + gap + width > area.right() ? at.x() - gap - width : at.x() + gap;
        const QPointF corner(left, at.y());
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

QPointF UserPointOf(const fop::FOPPoint& point) {
    return {ToSingle(1000.0 * point.Distance), ToSingle(1000.0 * point.Ohms)};
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Drawn even where no reading stands on both sides of it: the line shows
// where the next reading is wanted.
void PaintTruePosition(UserScalePainter& painter, const PlotExtents& plot,
                       const fop::TruePosition& position) {
    const double x = 1000.0 * position.At.Distance;
    painter.SetPen(CosmeticPen(InSoil, 2, Qt::DashDotLine));
    painter.Line(x, plot.PlotTop, x, plot.PlotBottom);
    // Clear of the distances written along the top.
    const double y = plot.PlotBottom + 0.1 * (plot.PlotTop - plot.PlotBottom);
    painter.TextBeside(x, y,
                       QStringLiteral("%1% (true, two-layer)")
                           .arg(QString::fromStdString(shared::DoubleText(
                               std::round(*position.Fraction * 1000.0) / 10.0))));
}

// Dashed guides at 52% and 72% of E2, around the red 62% line, and at the
// true distance; the true-resistance position in the soil model; a diamond
// on every value the analysis found.
std::vector<Marker> PaintAnalysis(UserScalePainter& painter, const PlotExtents& plot,
                                  const fop::Result& analysis) {
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
    const fop::Flatness& flat = analysis.Flat;
    if (analysis.E2Distance > 0.0) {
        guide(flat.At52.Distance, Band);
        guide(flat.At72.Distance, Band);
    }
    const fop::SlopeMethod& slope = analysis.Slope;
    const fop::CurveValue& atTrue = slope.AtTrueDistance;
    if (atTrue.Ohms) {
        guide(atTrue.Distance, TrueDistance);
    }
    const bool inSoil = analysis.InSoil && analysis.InSoil->Fraction;
    if (inSoil) {
        PaintTruePosition(painter, plot, *analysis.InSoil);
    }
    for (const fop::CurveValue* value : {&flat.At52, &analysis.At62, &flat.At72}) {
        if (value->Ohms) {
            diamond(value->Distance, *value->Ohms, Band,
                    Text(fop::CurveValueTip(*value, analysis.Units)));
        }
    }
    if (atTrue.Ohms) {
        diamond(atTrue.Distance, *atTrue.Ohms, TrueDistance,
                Text(fop::TrueValueTip(slope, analysis.Units)));
    }
    if (inSoil && analysis.InSoil->At.Ohms) {
        const fop::CurveValue& value = analysis.InSoil->At;
        diamond(value.Distance, *value.Ohms, InSoil,
                Text(fop::CurveValueTip(value, analysis.Units)));
    }
    return markers;
}

// What the readings part of a plot holds, found once so that the legend of
// a printed plot names exactly what is drawn.
struct PlotItems {
    std::vector<QPointF> Measured;
    std::vector<QPointF> BeyondE2;
    bool SixtyTwo = false;
    bool Band = false;
    bool CurveValues = false;
    bool TrueValue = false;
    bool TruePosition = false;
};

PlotItems ItemsOf(const PlotState& state, const fop::Result& analysis) {
    const auto& fop = state.fop;
    const int n = fop.PointCount();
    PlotItems items;
    items.Measured.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const fop::FOPPoint& point = fop.FOPPoints()[static_cast<std::size_t>(i)];
        (fop.BeyondE2(point) ? items.BeyondE2 : items.Measured).push_back(UserPointOf(point));
    }
    items.SixtyTwo = Placeable(fop.FOPE2Distance);
    items.Band = analysis.E2Distance > 0.0;
    items.CurveValues = analysis.Flat.At52.Ohms || analysis.At62.Ohms || analysis.Flat.At72.Ohms;
    items.TrueValue = analysis.Slope.AtTrueDistance.Ohms.has_value();
    items.TruePosition = analysis.InSoil && analysis.InSoil->Fraction;
    return items;
}

// The 62% line, the readings in use and those left out, then the analysis.
void PaintReadings(UserScalePainter& user, const PlotExtents& plot, const PlotState& state,
                   const PlotItems& items, const QColor& sixtyTwoColour, bool withCurrent) {
    const auto& fop = state.fop;
    const double x62 = SixtyTwoPercentX(fop);
    user.SetPen(CosmeticPen(sixtyTwoColour, 1));
    user.Line(x62, plot.PlotTop, x62, plot.PlotBottom);

    user.Dots(items.Measured, Black, 4);
    // Readings the analysis leaves out stay in sight, as rings apart from
    // the readings it uses.
    user.Dots(items.BeyondE2, LeftOut, 7);
    user.Dots(items.BeyondE2, White, 3);

    if (withCurrent && fop.FOPCurrent() >= 0 && fop.FOPCurrent() <= fop.PointCount()) {
        user.Dots({UserPointOf(fop.CurrentPoint())}, Red, 6);
    }
}

// One line of a printed plot's legend: the look of what it names, drawn in
// a box the height of a line of text.
struct LegendEntry {
    enum class Symbol { Dot, Ring, Line, DashedLine, DashDotLine, Diamond, DashedDiamond };
    Symbol Look;
    QColor Colour;
    QString Text;
};

std::vector<LegendEntry> LegendOf(const PlotItems& items) {
    using Symbol = LegendEntry::Symbol;
    std::vector<LegendEntry> legend;
    if (!items.Measured.empty()) {
        legend.push_back({Symbol::Dot, Black, QStringLiteral("Readings")});
    }
    if (!items.BeyondE2.empty()) {
        legend.push_back(
            {Symbol::Ring, LeftOut, QStringLiteral("Readings at or beyond E2, left out")});
    }
    if (items.SixtyTwo) {
        legend.push_back({Symbol::Line, PrintedSixtyTwo, QStringLiteral("62% of E2")});
    }
    if (items.Band) {
        legend.push_back({Symbol::DashedLine, Band, QStringLiteral("52% and 72% of E2")});
    }
    if (items.CurveValues) {
        legend.push_back(
            {Symbol::Diamond, Band, QStringLiteral("Curve at 52%, 62% and 72% of E2")});
    }
    if (items.TrueValue) {
        legend.push_back(
            {Symbol::DashedDiamond, TrueDistance, QStringLiteral("True distance (slope method)")});
    }
    if (items.TruePosition) {
        legend.push_back({Symbol::DashDotLine, InSoil,
                          QStringLiteral("True-resistance position (two-layer soil)")});
    }
    return legend;
}

void PaintSymbol(QPainter& painter, const QRectF& box, const LegendEntry& entry, qreal pixelWidth) {
    using Symbol = LegendEntry::Symbol;
    const QPointF centre = box.center();
    painter.save();
    switch (entry.Look) {
    case Symbol::Dot:
    case Symbol::Ring: {
        const bool ring = entry.Look == Symbol::Ring;
        const qreal radius = (ring ? 3.5 : 2.0) * pixelWidth;
        painter.setPen(Qt::NoPen);
        painter.setBrush(entry.Colour);
        painter.drawEllipse(centre, radius, radius);
        if (ring) {
            painter.setBrush(White);
            painter.drawEllipse(centre, 1.5 * pixelWidth, 1.5 * pixelWidth);
        }
        break;
    }
    case Symbol::Line:
    case Symbol::DashedLine:
    case Symbol::DashDotLine:
    case Symbol::DashedDiamond: {
        const Qt::PenStyle style = entry.Look == Symbol::Line          ? Qt::SolidLine
                                   : entry.Look == Symbol::DashDotLine ? Qt::DashDotLine
                                                                       : Qt::DashLine;
        QPen pen = CosmeticPen(entry.Colour, pixelWidth, style);
        painter.setPen(pen);
        painter.drawLine(QPointF(box.left(), centre.y()), QPointF(box.right(), centre.y()));
        if (entry.Look != Symbol::DashedDiamond) {
            break;
        }
        [[fallthrough]];
    }
    case Symbol::Diamond: {
        const qreal half = 5.0 * pixelWidth;
        const std::array<QPointF, 4> corners{centre + QPointF(0, -half), centre + QPointF(half, 0),
                                             centre + QPointF(0, half), centre + QPointF(-half, 0)};
        painter.setPen(CosmeticPen(entry.Colour, 2.0 * pixelWidth));
        painter.setBrush(White);
        painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
        break;
    }
    }
    painter.restore();
}

// The room a printed plot gives its frame, its ticks and titles and its
// legend, all measured in the device's own units.
class OutputLayout {
public:
    OutputLayout(const QPainter& painter, const QRectF& area, const PlotExtents& plot,
                 const std::vector<LegendEntry>& legend)
        : metrics(painter.font(), painter.device()), area(area),
          feet(RoundTicks(plot.PlotLeft / 1000.0, plot.PlotRight / 1000.0, MostFeetTicks)),
          ohms(RoundTicks(plot.PlotBottom / 1000.0, plot.PlotTop / 1000.0, MostOhmsTicks)) {
        const double line = metrics.height();
        gap = 0.4 * line;
        tick = 0.5 * gap;
        double widestOhms = 0.0;
        for (const double value : ohms.Values) {
            widestOhms = std::max(widestOhms, metrics.horizontalAdvance(OhmsLabel(value)));
        }
        double widestFeet = gap;
        for (const double value : feet.Values) {
            widestFeet = std::max(widestFeet, metrics.horizontalAdvance(FeetLabel(value)));
        }
        const double left = area.left() + line + 2.0 * gap + widestOhms + tick;
        const double right = area.right() - widestFeet / 2.0 - gap;
        FlowLegend(legend, left, right - left);
        const double below = tick + 2.0 * line + 4.0 * gap + legendHeight;
        frame = QRectF(QPointF(left, area.top() + line / 2.0 + gap),
                       QPointF(right, area.bottom() - below));
    }

    const QRectF& Frame() const { return frame; }
    bool Usable() const { return frame.width() > 0.0 && frame.height() > 0.0; }

    void PaintAxes(QPainter& painter, UserScalePainter& user, qreal pixelWidth,
                   shared::UnitSystem units) const {
        const double line = metrics.height();
        painter.setPen(CosmeticPen(Black, pixelWidth));
        for (const double value : feet.Values) {
            const double x = user.Map(1000.0 * value, 0.0).x();
            painter.drawLine(QPointF(x, frame.bottom()), QPointF(x, frame.bottom() + tick));
            painter.drawText(
                QRectF(x - area.width() / 2.0, frame.bottom() + tick, area.width(), line),
                Qt::AlignHCenter | Qt::AlignTop, FeetLabel(value));
        }
        for (const double value : ohms.Values) {
            const double y = user.Map(0.0, 1000.0 * value).y();
            painter.drawLine(QPointF(frame.left() - tick, y), QPointF(frame.left(), y));
            painter.drawText(QRectF(area.left(), y - line / 2.0,
                                    frame.left() - tick - gap / 2.0 - area.left(), line),
                             Qt::AlignRight | Qt::AlignVCenter, OhmsLabel(value));
        }
        const double titleTop = frame.bottom() + tick + line + gap;
        painter.drawText(
            QRectF(frame.left(), titleTop, frame.width(), line), Qt::AlignCenter,
            QStringLiteral("Distance from E1 (%1)").arg(QLatin1String(shared::LengthWord(units))));
        painter.save();
        painter.translate(area.left() + gap + line / 2.0, frame.center().y());
        painter.rotate(-90.0);
        painter.drawText(QRectF(-frame.height() / 2.0, -line / 2.0, frame.height(), line),
                         Qt::AlignCenter, QStringLiteral("Resistance (ohms)"));
        painter.restore();
    }

    void PaintGrid(QPainter& painter, UserScalePainter& user, qreal pixelWidth) const {
        painter.setPen(CosmeticPen(GridGrey, pixelWidth));
        for (const double value : feet.Values) {
            const double x = user.Map(1000.0 * value, 0.0).x();
            painter.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
        }
        for (const double value : ohms.Values) {
            const double y = user.Map(0.0, 1000.0 * value).y();
            painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
        }
    }

    void PaintLegend(QPainter& painter, const std::vector<LegendEntry>& legend,
                     qreal pixelWidth) const {
        const double line = metrics.height();
        const double top = frame.bottom() + tick + 2.0 * line + 3.0 * gap;
        painter.setPen(CosmeticPen(Black, pixelWidth));
        for (std::size_t i = 0; i < legend.size(); ++i) {
            const QPointF at = places[i] + QPointF(0.0, top);
            PaintSymbol(painter, QRectF(at, QSizeF(SymbolWidth(), line)), legend[i], pixelWidth);
            painter.setPen(CosmeticPen(Black, pixelWidth));
            painter.drawText(QRectF(at + QPointF(SymbolWidth() + gap, 0.0),
                                    QSizeF(metrics.horizontalAdvance(legend[i].Text) + gap, line)),
                             Qt::AlignLeft | Qt::AlignVCenter, legend[i].Text);
        }
    }

private:
    static constexpr int MostFeetTicks = 8;
    static constexpr int MostOhmsTicks = 6;
    // Legend lines stand apart by more than text lines, as their symbols
    // are taller than the text.
    static constexpr double RowSpacing = 1.5;

    QString FeetLabel(double value) const { return Text(TickLabel(value, feet.Step)); }
    QString OhmsLabel(double value) const { return Text(TickLabel(value, ohms.Step)); }
    double SymbolWidth() const { return 2.0 * metrics.height(); }

    // Entries run left to right and start a new line where the next would
    // pass the frame's right edge.
    void FlowLegend(const std::vector<LegendEntry>& legend, double left, double width) {
        const double line = metrics.height();
        double x = 0.0;
        double y = 0.0;
        for (const LegendEntry& entry : legend) {
            const double across = SymbolWidth() + gap + metrics.horizontalAdvance(entry.Text);
            if (x > 0.0 && x + across > width) {
                x = 0.0;
                y += RowSpacing * line;
            }
            places.emplace_back(left + x, y);
            x += across + 2.0 * gap;
        }
        legendHeight = legend.empty() ? 0.0 : y + line;
    }

    QFontMetricsF metrics;
    QRectF area;
    AxisTicks feet;
    AxisTicks ohms;
    double gap = 0.0;
    double tick = 0.0;
    std::vector<QPointF> places;
    double legendHeight = 0.0;
    QRectF frame;
};

std::vector<Marker> PaintOutputPlot(QPainter& painter, const QRectF& area, qreal pixelWidth,
                                    const PlotState& state, const fop::Result& analysis) {
    const PlotExtents plot = OutputLimits(state.plot);
    const PlotItems items = ItemsOf(state, analysis);
    const std::vector<LegendEntry> legend = LegendOf(items);
    painter.save();
    painter.fillRect(area, White);
    QFont font = painter.font();
    font.setPointSizeF(OutputPoints);
    painter.setFont(font);
    const OutputLayout layout(painter, area, plot, legend);
    std::vector<Marker> markers;
    if (layout.Usable()) {
        UserScalePainter user(painter, plot, layout.Frame(), pixelWidth);
        layout.PaintGrid(painter, user, pixelWidth);
        painter.save();
        painter.setClipRect(layout.Frame(), Qt::IntersectClip);
        PaintReadings(user, plot, state, items, PrintedSixtyTwo, false);
        markers = PaintAnalysis(user, plot, analysis);
        painter.restore();
        painter.setPen(CosmeticPen(Black, 1.5 * pixelWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(layout.Frame());
        layout.PaintAxes(painter, user, pixelWidth, state.fop.Units);
        layout.PaintLegend(painter, legend, pixelWidth);
    }
    painter.restore();
    return markers;
}

std::vector<Marker> PaintWindowPlot(QPainter& painter, const QRectF& area, qreal pixelWidth,
                                    const PlotState& state, const PlotSpans& spans,
                                    const fop::Result& analysis) {
    const auto& plot = state.plot;
    UserScalePainter user(painter, plot, area, pixelWidth);

    user.SetPen(CosmeticPen(Black, 2));
    user.Line(plot.PlotLeft, plot.PlotTop, plot.PlotLeft, plot.PlotBottom);
    user.Line(plot.PlotLeft, plot.PlotBottom, plot.PlotRight, plot.PlotBottom);
    user.Line(plot.PlotRight, plot.PlotTop, plot.PlotLeft, plot.PlotTop);
    user.Line(plot.PlotRight, plot.PlotBottom, plot.PlotRight, plot.PlotTop);

    // The window's labels are 9 pt, in proportion to the main window's zoom,
    // which sets the picture's font in proportion to the program's.
    QFont labelFont = painter.font();
    const double programPoints = QApplication::font().pointSizeF();
    const double zoom = programPoints > 0.0 ? labelFont.pointSizeF() / programPoints : 1.0;
    labelFont.setPointSizeF(9.0 * std::max(zoom, 1.0));
    user.SetFont(labelFont);
    const QPen labelPen = CosmeticPen(Black, 2);
    const QPen gridPen = CosmeticPen(White, 2);
    for (const auto& line : GridLines(plot.MinFeet, plot.MaxFeet, spans.Distance)) {
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
    PaintReadings(user, plot, state, ItemsOf(state, analysis), Red, true);
    return PaintAnalysis(user, plot, analysis);
}

} // namespace

std::vector<Marker> PaintPlot(QPainter& painter, const QRectF& area, qreal pixelWidth,
                              const PlotState& state, const PlotSpans& spans,
                              const fop::Result& analysis, PlotLook look) {
    if (look == PlotLook::Output) {
        return PaintOutputPlot(painter, area, pixelWidth, state, analysis);
    }
    return PaintWindowPlot(painter, area, pixelWidth, state, spans, analysis);
}

void PaintCrossHair(QPainter& painter, const QRectF& area, qreal pixelWidth,
                    const PlotExtents& plot, float x, float y) {
    UserScalePainter user(painter, plot, area, pixelWidth);
    user.SetPen(CosmeticPen(Green, 1));
    user.Line(x, plot.PlotBottom, x, plot.PlotTop);
    user.Line(plot.PlotLeft, y, plot.PlotRight, y);
}

} // namespace stakewell::graph
