#include "graph/GraphWindowHost.h"

#include "graph/ScreenPlacement.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace stakewell::graph {

namespace {

bool NoStoredPlacement(const shared::GraphPlacement& placement) {
    return placement.GraphTop == 0 && placement.GraphLeft == 0 && placement.GraphWidth == 0 &&
           placement.GraphHeight == 0;
}

QRect OnScreen(const QWidget& widget) {
    return {widget.mapToGlobal(QPoint(0, 0)), widget.size()};
}

} // namespace

GraphWindowHost::GraphWindowHost(PlotState& state, const QWidget* neighbour)
    : state(state), neighbour(neighbour),
      plotting(state.refresh.Listen(fop::FopRefresh::Stage::Plot, [this] {
          frmGraph& graph = Window();
          graph.ClearGraph();
          graph.ComputePlotExtents();
          graph.DrawGraph();
      })) {}

GraphWindowHost::~GraphWindowHost() {
    delete window.data();
}

bool GraphWindowHost::Exists() const {
    return !window.isNull() && !window->IsClosed();
}

frmGraph& GraphWindowHost::Window() {
    if (!Exists()) {
        placeBesideNeighbour = NoStoredPlacement(state.graph);
        // A window the user closed is already scheduled for deletion.
        window = new frmGraph(state, lastFrameMargins);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->UseCommands(commands);
        if (textScale != 1.0) {
            ApplyTextScale();
        }
        // The first resize of a new window refreshes the plot. It runs here,
        // once the window is reachable, because the refresh comes straight
        // back to Window().
        state.refresh.Refresh();
    }
    return *window;
}

void GraphWindowHost::Show() {
    frmGraph& graph = Window();
    if (placeBesideNeighbour || HidesKeptClear()) {
        PlaceBesideNeighbour();
    }
    placeBesideNeighbour = false;
    // The user chose a tab of the main window and types on there.
    graph.setAttribute(Qt::WA_ShowWithoutActivating);
    graph.show();
    graph.raise();
}

bool GraphWindowHost::HidesKeptClear() const {
    return keepClear != nullptr && keepClear->isVisible() && Exists() &&
           window->OuterPlacement().intersects(OnScreen(*keepClear));
}

void GraphWindowHost::PlaceBesideNeighbour() {
    if (neighbour == nullptr || !neighbour->isVisible()) {
        return;
    }
    const QScreen* screen = neighbour->screen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : neighbour->frameGeometry();
    const QRect kept = keepClear != nullptr ? OnScreen(*keepClear) : neighbour->frameGeometry();
    frmGraph& graph = Window();
    graph.PlaceAt(BesidePlacement(neighbour->frameGeometry(), graph.OuterPlacement().size(),
                                  graph.MinimumOuterSize(), available, kept));
}

void GraphWindowHost::Hide() {
    Window().hide();
}

void GraphWindowHost::Close() {
    if (Exists()) {
        window->close();
    }
}

void GraphWindowHost::SetTextScale(double factor) {
    textScale = factor;
    if (Exists()) {
        ApplyTextScale();
        if (window->isVisible() && HidesKeptClear()) {
            PlaceBesideNeighbour();
        }
        state.refresh.Refresh();
    }
}

void GraphWindowHost::ApplyTextScale() {
    QFont font = QApplication::font(window);
    font.setPointSizeF(font.pointSizeF() * textScale);
    window->setFont(font);
    window->SetSizeScale(textScale);
}

} // namespace stakewell::graph
