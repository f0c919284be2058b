#include "graph/GraphWindowHost.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace stakewell::graph {

namespace {

constexpr int Gap = 8;

bool NoStoredPlacement(const shared::GraphPlacement& placement) {
    return placement.GraphTop == 0 && placement.GraphLeft == 0 && placement.GraphWidth == 0 &&
           placement.GraphHeight == 0;
}

// The outer top-left corner for a window of `size` next to `neighbour`: to
// its right, else to its left, else below it, kept on the screen as far as
// the window fits there.
QPoint BesidePosition(const QRect& neighbour, const QSize& size, const QRect& screen) {
    int left = neighbour.right() + 1 + Gap;
    int top = neighbour.top();
    if (left + size.width() - 1 > screen.right()) {
        left = neighbour.left() - Gap - size.width();
        if (left < screen.left()) {
            left = neighbour.left();
            top = neighbour.bottom() + 1 + Gap;
        }
    }
    left = std::max(screen.left(), std::min(left, screen.right() + 1 - size.width()));
    top = std::max(screen.top(), std::min(top, screen.bottom() + 1 - size.height()));
    return {left, top};
}

} // namespace

GraphWindowHost::GraphWindowHost(SharedState& state, const QWidget* neighbour)
    : state(state), neighbour(neighbour),
      plotting(state.refresh.Listen(survey::FopRefresh::Stage::Plot, [this] {
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
        if (!state.LoadingData()) {
            state.refresh.Refresh();
        }
    }
    return *window;
}

void GraphWindowHost::Show() {
    frmGraph& graph = Window();
    if (placeBesideNeighbour && neighbour != nullptr && neighbour->isVisible()) {
        const QScreen* screen = neighbour->screen();
        const QRect available =
            screen != nullptr ? screen->availableGeometry() : neighbour->frameGeometry();
        graph.MoveTo(
            BesidePosition(neighbour->frameGeometry(), graph.OuterPlacement().size(), available));
    }
    placeBesideNeighbour = false;
    // The user chose a tab of the main window and types on there.
    graph.setAttribute(Qt::WA_ShowWithoutActivating);
    graph.show();
    graph.raise();
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
        state.refresh.Refresh();
    }
}

void GraphWindowHost::ApplyTextScale() {
    QFont font = QApplication::font(window);
    font.setPointSizeF(font.pointSizeF() * textScale);
    window->setFont(font);
}

} // namespace stakewell::graph
