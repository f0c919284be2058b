#include "graph/frmGraph.h"

#include "fop/AnalysisText.h"
#include "graph/ElidedLabel.h"
#include "graph/PlotPainting.h"
#include "graph/PlotPicture.h"
#include "graph/ScreenPlacement.h"
#include "graph/WindowCaption.h"
#include "shared/Twips.h"
#include "ui_frmGraph.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineF>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

namespace stakewell::graph {

namespace {

using shared::PixelsFromTwips;
using shared::TwipsFromPixels;
using shared::TwipsPerPixel;
// Beyond any window's size, so that a stored size in twips never overflows.
constexpr int LargestWindowSide = 16384;
// How near the pointer must come to a marker for its value to be told.
constexpr double MarkerReach = 8.0;

int PixelsHalfEven(double pixels) {
    if (!(pixels > 0.0)) {
        return 0;
    }
    return static_cast<int>(std::nearbyint(std::min(pixels, double{LargestWindowSide})));
}

} // namespace

frmGraph::frmGraph(PlotState& state, QMargins& lastFrameMargins, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmGraph>()), state(state),
      lastFrameMargins(lastFrameMargins) {
    ui->setupUi(this);
    Panel_1 = new QLabel(ui->StatusBar1);
    Panel_1->setObjectName(QStringLiteral("Panel_1"));
    Panel_2 = new QLabel(ui->StatusBar1);
    Panel_2->setObjectName(QStringLiteral("Panel_2"));
    // The analysis read-out: one line, as wide as the window leaves it; the
    // whole listing is in its tool tip.
    Panel_3 = new ElidedLabel(ui->StatusBar1);
    Panel_3->setObjectName(QStringLiteral("Panel_3"));
    for (QLabel* panel : {Panel_1, Panel_2, static_cast<QLabel*>(Panel_3)}) {
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setIndent(4);
        ui->StatusBar1->addPermanentWidget(panel, panel == Panel_3 ? 3 : 1);
    }
    connect(ui->FOPGraph, &PlotPicture::MouseMoved, this, &frmGraph::FOPGraph_MouseMove);
    ui->FOPGraph->installEventFilter(this);
    SetUpCommands();
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
    return OuterSizeAt(1.0);
}

QSize frmGraph::OuterSizeAt(double scale) const {
    const double caption = TitleBarHeight() * TwipsPerPixel;
    return {PixelsHalfEven(shared::WindowWidthTwips * scale / TwipsPerPixel),
            PixelsHalfEven((caption + shared::WindowHeightTwips * scale) / TwipsPerPixel)};
}

void frmGraph::SetSizeScale(double factor) {
    const QRect outer = OuterGeometry();
    const QSize grown = outer.size().expandedTo(OuterSizeAt(factor));
    if (grown != outer.size()) {
        PlaceAt(QRect(outer.topLeft(), grown));
    }
}

void frmGraph::PlaceAt(const QRect& outer) {
    if (unframedPlacement) {
        unframedPlacement->outer.setSize(outer.size());
    }
    resize(outer.size().boundedTo(LargestWindowSize(screen())).shrunkBy(FrameMargins()));
    MoveTo(outer.topLeft());
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
    setMaximumSize(LargestWindowSize(screen()).shrunkBy(margins));
    const auto& placement = state.graph;
    const QSize outer(PixelsFromTwips(placement.GraphWidth),
                      PixelsFromTwips(placement.GraphHeight));
    resize(outer.shrunkBy(margins).expandedTo(clientMinimum));
    // Moving an unframed window places its frame, wherever the window system
    // later puts the client area.
    const QPoint stored(PixelsFromTwips(placement.GraphLeft), PixelsFromTwips(placement.GraphTop));
    move(OnNearestScreen(QRect(stored, size().grownBy(margins))));
    if (!FrameMarginsOf(*this)) {
        unframedPlacement = UnframedPlacement{OuterGeometry(), margins};
    }
    LayOutControls();
    TakePlacement();
    bInResize = false;
}

// A window is placed before the window system frames it, by a guess at its
// decoration; once the real one is known the stored outer placement is put
// back, or every start would grow or shrink the window by the difference.
void frmGraph::SettleStoredPlacement() {
    if (!unframedPlacement) {
        return;
    }
    const std::optional<QMargins> framed = FrameMarginsOf(*this);
    if (!framed) {
        return;
    }
    const UnframedPlacement placed = *unframedPlacement;
    unframedPlacement.reset();
    if (*framed == placed.guessedMargins) {
        return;
    }
    const bool wasInResize = bInResize;
    bInResize = true;
    setMinimumSize(MinimumOuterSize().shrunkBy(*framed));
    setMaximumSize(LargestWindowSize(screen()).shrunkBy(*framed));
    resize(placed.outer.size().shrunkBy(*framed).expandedTo(minimumSize()));
    move(placed.outer.topLeft());
    LayOutControls();
    TakePlacement();
    bInResize = wasInResize;
}

void frmGraph::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    SettleStoredPlacement();
}

void frmGraph::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    SettleStoredPlacement();
}

void frmGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SettleStoredPlacement();
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
    setMaximumSize(LargestWindowSize(screen()).shrunkBy(margins));
    const QSize outer = size().grownBy(margins);
    if (outer.height() < outerMinimum.height()) {
        resize(width(), outerMinimum.height() - margins.top() - margins.bottom());
    }
    if (outer.width() < outerMinimum.width()) {
        resize(outerMinimum.width() - margins.left() - margins.right(), height());
    }
    LayOutControls();
    TakePlacement();
    RefreshSurvey();
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
    if (unframedPlacement) {
        unframedPlacement->outer.moveTopLeft(outerTopLeft);
    }
    move(outerTopLeft);
    TakePlacement();
}

void frmGraph::closeEvent(QCloseEvent* event) {
    TakePlacement();
    bClosed = true;
    event->accept();
}

// The plot is never redrawn on its own: the read-outs of the main window are
// refreshed with it, as every change of the survey refreshes both.
void frmGraph::RefreshSurvey() const {
    state.refresh.Refresh();
}

void frmGraph::ClearGraph() {
    ui->FOPGraph->Clear();
}

void frmGraph::ComputePlotExtents() {
    spans = ComputeExtents(state.fop, state.plot);
}

void frmGraph::DrawGraph() {
    const auto& fop = state.fop;
    analysis =
        analysisCache.Analyse(fop, fop.FOPE2Distance, commands->TolerancePercent, state.soil);
    ShowAnalysis();
    markers.clear();
    const int n = fop.PointCount();
    if (n < 2) {
        return;
    }
    ComputeLimits(state.plot);
    if (!HasUsableScale(state.plot)) {
        return;
    }
    PlotPicture& picture = *ui->FOPGraph;
    QImage& canvas = picture.Canvas();
    QPainter painter(&canvas);
    painter.setFont(picture.font());
    markers = PaintPlot(painter, QRectF(QPointF(0.0, 0.0), picture.size()),
                        canvas.devicePixelRatio(), state, spans, analysis);
    picture.Publish();
}

void frmGraph::FOPGraph_MouseMove(const QPointF& position) {
    const QSizeF picture = ui->FOPGraph->size();
    const UserPoint point =
        PixelToUser(state.plot, position.x(), position.y(), picture.width(), picture.height());
    Panel_1->setText(QString::fromStdString(DistanceReadout(point.X, state.fop.Units)));
    Panel_2->setText(QString::fromStdString(OhmsReadout(point.Y)));
    RefreshSurvey();
    DrawCrossHair(point.X, point.Y);
}

void frmGraph::DrawCrossHair(float x, float y) {
    const auto& plot = state.plot;
    if (!HasUsableScale(plot)) {
        return;
    }
    PlotPicture& picture = *ui->FOPGraph;
    QImage& canvas = picture.Canvas();
    QPainter painter(&canvas);
    PaintCrossHair(painter, QRectF(QPointF(0.0, 0.0), picture.size()), canvas.devicePixelRatio(),
                   plot, x, y);
    picture.Publish();
}

void frmGraph::ShowAnalysis() {
    Panel_3->setText(QString::fromStdString(fop::AnalysisSummary(analysis)));
    Panel_3->setToolTip(ListingText());
}

QString frmGraph::ListingText() const {
    return QString::fromStdString(fop::AnalysisListing(analysis)).trimmed();
}

QString frmGraph::MarkerTipAt(const QPointF& position) const {
    const Marker* nearest = nullptr;
    double nearestDistance = MarkerReach;
    for (const Marker& marker : markers) {
        const double distance = QLineF(marker.At, position).length();
        if (distance <= nearestDistance) {
            nearest = &marker;
            nearestDistance = distance;
        }
    }
    return nearest != nullptr ? nearest->Tip : QString();
}

bool frmGraph::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->FOPGraph && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = MarkerTipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, ui->FOPGraph);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace stakewell::graph
