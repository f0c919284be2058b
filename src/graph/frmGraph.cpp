#include "graph/frmGraph.h"

#include "graph/PlotPicture.h"
#include "graph/ScreenPlacement.h"
#include "graph/WindowCaption.h"
#include "shared/Twips.h"
#include "ui_frmGraph.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

using modStakewell::PlotExtents;

using modStakewell::PixelsFromTwips;
using modStakewell::TwipsFromPixels;
using modStakewell::TwipsPerPixel;
// A stored placement from a foreign data file may ask for any size; the window
// system cannot show more than this anyway.
constexpr int LargestWindowSide = 16384;
// Primitives further off the picture than this are invisible; skipping them
// keeps absurd extents from reaching the rasteriser.
constexpr double DrawableReach = 1.0e6;

const QColor Black{0x00, 0x00, 0x00};
const QColor White{0xFF, 0xFF, 0xFF};
const QColor Red{0xFF, 0x00, 0x00};
const QColor Green{0x00, 0xFF, 0x00};

int PixelsHalfEven(double pixels) {
    if (!(pixels > 0.0)) {
        return 0;
    }
    return static_cast<int>(std::nearbyint(std::min(pixels, double{LargestWindowSide})));
}

QPen CosmeticPen(const QColor& colour, int width) {
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap);
    pen.setCosmetic(true);
    return pen;
}

bool Reachable(const QPointF& point) {
    return std::abs(point.x()) < DrawableReach && std::abs(point.y()) < DrawableReach;
}

// Maps the user scale, whose top-left corner is (PlotLeft, PlotTop) and whose
// bottom-right corner is (PlotRight, PlotBottom), onto the picture.
QTransform UserScale(const PlotExtents& plot, const QSizeF& picture) {
    const double left = plot.PlotLeft;
    const double top = plot.PlotTop;
    const double sx = picture.width() / (static_cast<double>(plot.PlotRight) - left);
    const double sy = picture.height() / (static_cast<double>(plot.PlotBottom) - top);
    return {sx, 0.0, 0.0, sy, -left * sx, -top * sy};
}

// Draws on the picture in its user scale. Every primitive is mapped to the
// picture first and dropped when it lies hopelessly far outside it.
class UserScalePainter {
public:
    UserScalePainter(QImage& canvas, const PlotExtents& plot, const QSizeF& picture)
        : canvas(canvas), painter(&canvas), scale(UserScale(plot, picture)) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
    }

    // Widths are in screen pixels of a plain screen; on a dense screen every
    // line keeps its look by covering as many device pixels as it needs.
    void SetPen(const QPen& pen) {
        QPen scaled = pen;
        scaled.setWidthF(pen.widthF() * canvas.devicePixelRatio());
        painter.setPen(scaled);
    }
    void SetFont(const QFont& font) { painter.setFont(font); }

    void Line(double x1, double y1, double x2, double y2) {
        const QPointF from = scale.map(QPointF(x1, y1));
        const QPointF to = scale.map(QPointF(x2, y2));
        if (Reachable(from) && Reachable(to)) {
            painter.drawLine(from, to);
        }
    }

    // The text's top-left corner at the user point.
    void Text(double x, double y, const QString& text) {
        const QPointF corner = scale.map(QPointF(x, y));
        if (Reachable(corner)) {
            painter.drawText(corner + QPointF(0.0, painter.fontMetrics().ascent()), text);
        }
    }

    // Round dots `width` pixels of a plain screen across. A survey can hold tens of
    // thousands of readings, most sharing a pixel with a neighbour, so each
    // dot is stamped from one pre-drawn image and each pixel only once.
    void Dots(const std::vector<QPointF>& userPoints, const QColor& colour, int width) {
        const qreal ratio = canvas.devicePixelRatio();
        const QImage dot = DotImage(colour, width, ratio);
        const int side = dot.width();
        const QRect visible(-side, -side, canvas.width() + side, canvas.height() + side);
        std::vector<bool> stamped(static_cast<std::size_t>(visible.width()) *
                                  static_cast<std::size_t>(visible.height()));
        for (const QPointF& point : userPoints) {
            const QPointF centre = scale.map(point) * ratio;
            if (!Reachable(centre)) {
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

private:
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

    const QImage& canvas;
    QPainter painter;
    QTransform scale;
};

QPointF UserPointOf(const modStakewell::FOPPoint& point) {
    return {PlotScale::ToSingle(1000.0 * point.Feet), PlotScale::ToSingle(1000.0 * point.Ohms)};
}

} // namespace

frmGraph::frmGraph(modStakewell::SharedState& state, std::function<void()> updateFop,
                   QMargins& lastFrameMargins, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmGraph>()), state(state),
      updateFop(std::move(updateFop)), lastFrameMargins(lastFrameMargins) {
    ui->setupUi(this);
    Panel_1 = new QLabel(ui->StatusBar1);
    Panel_1->setObjectName(QStringLiteral("Panel_1"));
    Panel_2 = new QLabel(ui->StatusBar1);
    Panel_2->setObjectName(QStringLiteral("Panel_2"));
    for (QLabel* panel : {Panel_1, Panel_2}) {
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setIndent(4);
        ui->StatusBar1->addPermanentWidget(panel, 1);
    }
    connect(ui->FOPGraph, &PlotPicture::MouseMoved, this, &frmGraph::FOPGraph_MouseMove);
    ApplyStoredPlacement();
}

frmGraph::~frmGraph() = default;

void frmGraph::RememberFrameMargins() {
    if (const std::optional<QMargins> measured = FrameMarginsOf(*this)) {
        lastFrameMargins = *measured;
    }
}

QMargins frmGraph::FrameMargins() const {
    if (const std::optional<QMargins> measured = FrameMarginsOf(*this)) {
        return *measured;
    }
    if (!lastFrameMargins.isNull()) {
        return lastFrameMargins;
    }
    return {0, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this), 0, 0};
}

int frmGraph::TitleBarHeight() const {
    return CaptionHeight(*this, FrameMargins());
}

QSize frmGraph::MinimumOuterSize() const {
    const double caption = TitleBarHeight() * TwipsPerPixel;
    return {PixelsHalfEven(modStakewell::WindowWidthTwips / TwipsPerPixel),
            PixelsHalfEven((caption + modStakewell::WindowHeightTwips) / TwipsPerPixel)};
}

QRect frmGraph::OuterGeometry() const {
    // pos() is the frame's corner even before the window is framed.
    return {pos(), size().grownBy(FrameMargins())};
}

void frmGraph::ApplyStoredPlacement() {
    bInResize = true;
    const QMargins margins = FrameMargins();
    const QSize clientMinimum = MinimumOuterSize().shrunkBy(margins);
    setMinimumSize(clientMinimum);
    const auto& placement = state.graph;
    const QSize outer(PixelsFromTwips(placement.GraphWidth),
                      PixelsFromTwips(placement.GraphHeight));
    resize(outer.shrunkBy(margins)
               .expandedTo(clientMinimum)
               .boundedTo(QSize(LargestWindowSide, LargestWindowSide)));
    // Moving an unframed window places its frame, wherever the window system
    // later puts the client area.
    const QPoint stored(PixelsFromTwips(placement.GraphLeft), PixelsFromTwips(placement.GraphTop));
    move(OnNearestScreen(QRect(stored, size().grownBy(margins))));
    LayOutControls();
    TakePlacement();
    bInResize = false;
}

void frmGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmGraph::Form_Resize() {
    if (bInResize) {
        return;
    }
    bInResize = true;
    const QMargins margins = FrameMargins();
    const QSize outerMinimum = MinimumOuterSize();
    setMinimumSize(outerMinimum.shrunkBy(margins));
    const QSize outer = size().grownBy(margins);
    if (outer.height() < outerMinimum.height()) {
        resize(width(), outerMinimum.height() - margins.top() - margins.bottom());
    }
    if (outer.width() < outerMinimum.width()) {
        resize(outerMinimum.width() - margins.left() - margins.right(), height());
    }
    LayOutControls();
    TakePlacement();
    if (!state.LoadingData()) {
        updateFop();
    }
    bInResize = false;
}

void frmGraph::LayOutControls() {
    const QSize outer = OuterGeometry().size();
    const int statusHeight = ui->StatusBar1->sizeHint().height();
    ui->StatusBar1->setGeometry(0, height() - statusHeight, width(), statusHeight);

    const int frameWidth = PixelsHalfEven(outer.width() - 360.0 / TwipsPerPixel);
    const int frameHeight = PixelsHalfEven(outer.height() - 2.5 * statusHeight);
    ui->Frame_6->setGeometry(PixelsHalfEven(120.0 / TwipsPerPixel), 0, frameWidth, frameHeight);

    const int inset = PixelsHalfEven(240.0 / TwipsPerPixel);
    const int shrink = PixelsHalfEven(480.0 / TwipsPerPixel);
    ui->FOPGraph->setGeometry(inset, inset, std::max(0, frameWidth - shrink),
                              std::max(0, frameHeight - shrink));
}

void frmGraph::TakePlacement() {
    RememberFrameMargins();
    const QRect outer = OuterGeometry();
    state.graph.GraphTop = TwipsFromPixels(outer.top());
    state.graph.GraphLeft = TwipsFromPixels(outer.left());
    state.graph.GraphWidth = TwipsFromPixels(outer.width());
    state.graph.GraphHeight = TwipsFromPixels(outer.height());
}

QRect frmGraph::OuterPlacement() const {
    return OuterGeometry();
}

void frmGraph::MoveTo(const QPoint& outerTopLeft) {
    move(outerTopLeft);
    TakePlacement();
}

void frmGraph::closeEvent(QCloseEvent* event) {
    TakePlacement();
    bClosed = true;
    event->accept();
}

void frmGraph::ClearGraph() {
    ui->FOPGraph->Clear();
}

void frmGraph::ComputePlotExtents() {
    spans = PlotScale::ComputeExtents(state.fop, state.plot);
}

void frmGraph::DrawGraph() {
    const auto& fop = state.fop;
    const int n = fop.PointCount();
    if (n < 2) {
        return;
    }
    auto& plot = state.plot;
    PlotScale::ComputeLimits(plot);
    if (!PlotScale::HasUsableScale(plot)) {
        return;
    }
    PlotPicture& picture = *ui->FOPGraph;
    UserScalePainter painter(picture.Canvas(), plot, picture.size());

    painter.SetPen(CosmeticPen(Black, 2));
    painter.Line(plot.PlotLeft, plot.PlotTop, plot.PlotLeft, plot.PlotBottom);
    painter.Line(plot.PlotLeft, plot.PlotBottom, plot.PlotRight, plot.PlotBottom);
    painter.Line(plot.PlotRight, plot.PlotTop, plot.PlotLeft, plot.PlotTop);
    painter.Line(plot.PlotRight, plot.PlotBottom, plot.PlotRight, plot.PlotTop);

    QFont labelFont = picture.font();
    labelFont.setPointSizeF(9.0);
    painter.SetFont(labelFont);
    const QPen labelPen = CosmeticPen(Black, 2);
    const QPen gridPen = CosmeticPen(White, 2);
    for (const auto& line : PlotScale::GridLines(plot.MinFeet, plot.MaxFeet, spans.Feet)) {
        const double x = 1000.0 * line.Value;
        painter.SetPen(labelPen);
        painter.Text(x, plot.PlotTop, QString::fromStdString(line.Label));
        painter.SetPen(gridPen);
        painter.Line(x, plot.PlotBottom, x, plot.PlotTop);
    }
    for (const auto& line : PlotScale::GridLines(plot.MinOhms, plot.MaxOhms, spans.Ohms)) {
        const double y = 1000.0 * line.Value;
        painter.SetPen(labelPen);
        painter.Text(plot.PlotLeft, y, QString::fromStdString(line.Label));
        painter.SetPen(gridPen);
        painter.Line(plot.PlotLeft, y, plot.PlotRight, y);
    }

    const double x62 = PlotScale::SixtyTwoPercentX(fop);
    painter.SetPen(CosmeticPen(Red, 1));
    painter.Line(x62, plot.PlotTop, x62, plot.PlotBottom);

    std::vector<QPointF> measured;
    measured.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        measured.push_back(UserPointOf(fop.FOPPoints()[static_cast<std::size_t>(i)]));
    }
    painter.Dots(measured, Black, 4);

    if (fop.FOPCurrent() >= 0 && fop.FOPCurrent() <= n) {
        painter.Dots({UserPointOf(fop.CurrentPoint())}, Red, 6);
    }
    picture.Publish();
}

void frmGraph::FOPGraph_MouseMove(const QPointF& position) {
    const QSizeF picture = ui->FOPGraph->size();
    const PlotScale::UserPoint point = PlotScale::PixelToUser(
        state.plot, position.x(), position.y(), picture.width(), picture.height());
    Panel_1->setText(QString::fromStdString(PlotScale::FeetReadout(point.X)));
    Panel_2->setText(QString::fromStdString(PlotScale::OhmsReadout(point.Y)));
    updateFop();
    DrawCrossHair(point.X, point.Y);
}

void frmGraph::DrawCrossHair(float x, float y) {
    const auto& plot = state.plot;
    if (!PlotScale::HasUsableScale(plot)) {
        return;
    }
    PlotPicture& picture = *ui->FOPGraph;
    UserScalePainter painter(picture.Canvas(), plot, picture.size());
    painter.SetPen(CosmeticPen(Green, 1));
    painter.Line(x, plot.PlotBottom, x, plot.PlotTop);
    painter.Line(plot.PlotLeft, y, plot.PlotRight, y);
    picture.Publish();
}
