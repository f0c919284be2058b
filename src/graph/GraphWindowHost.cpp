#include "graph/GraphWindowHost.h"

#include <utility>

GraphWindowHost::GraphWindowHost(modStakewell::SharedState& state, std::function<void()> updateFop)
    : state(state), updateFop(std::move(updateFop)) {}

GraphWindowHost::~GraphWindowHost() {
    delete window.data();
}

bool GraphWindowHost::Exists() const {
    return !window.isNull() && !window->IsClosed();
}

frmGraph& GraphWindowHost::Window() {
    if (!Exists()) {
        // A window the user closed is already scheduled for deletion.
        window = new frmGraph(state, updateFop, lastFrameMargins);
        window->setAttribute(Qt::WA_DeleteOnClose);
        // The first resize of a new window refreshes the plot. It runs here,
        // once the window is reachable, because the refresh comes straight
        // back to Window().
        if (!state.bLoadingData) {
            updateFop();
        }
    }
    return *window;
}

void GraphWindowHost::Show() {
    frmGraph& graph = Window();
    graph.show();
    graph.raise();
    graph.activateWindow();
}

void GraphWindowHost::Hide() {
    Window().hide();
}

void GraphWindowHost::Close() {
    if (Exists()) {
        window->close();
    }
}
