#pragma once

#include "graph/GraphCommands.h"
#include "graph/PlotState.h"
#include "graph/frmGraph.h"

#include <QMargins>
#include <QPointer>

#include <functional>

namespace stakewell::graph {

// Owns the graph window's lifecycle: it comes into being hidden the first time
// anything touches it, and a window the user closed is replaced by a fresh
// hidden one at the placement it was closed at. Without any stored placement
// it first opens beside `neighbour` rather than over it, and it never opens
// or grows over `keepClear`, the neighbour's controls the graph goes with.
class GraphWindowHost {
public:
    // Plots at every refresh of the survey, once its read-outs are shown.
    explicit GraphWindowHost(PlotState& state, const QWidget* neighbour = nullptr);
    ~GraphWindowHost();
    GraphWindowHost(const GraphWindowHost&) = delete;
    GraphWindowHost& operator=(const GraphWindowHost&) = delete;
    GraphWindowHost(GraphWindowHost&&) = delete;
    GraphWindowHost& operator=(GraphWindowHost&&) = delete;

    // The graph window, made (hidden) if there is none. The main window's
    // refresh draws into it whether it is shown or not, and the user may close
    // it at any moment, so rather than every caller checking, asking for it
    // brings back a fresh one at the stored placement.
    frmGraph& Window();
    void Show();
    // The controls of the neighbour that the graph must leave in sight.
    void KeepClear(const QWidget& controls) { keepClear = &controls; }
    void Hide();
    void Close();
    bool Exists() const;
    // The settings and hooks every graph window this host makes works with.
    GraphCommands& Commands() { return commands; }
    // The graph's texts and least size in proportion to the main window's
    // zoom, for this window and every one made after it.
    void SetTextScale(double factor);

private:
    PlotState& state;
    const QWidget* neighbour;
    const QWidget* keepClear = nullptr;
    // A new window is not framed until it is shown, and the decoration is the
    // window system's, so the one seen around the last framed window is the
    // best estimate for placing the next.
    QMargins lastFrameMargins;
    GraphCommands commands;
    QPointer<frmGraph> window;
    bool placeBesideNeighbour = false;
    double textScale = 1.0;
    void ApplyTextScale();
    bool HidesKeptClear() const;
    void PlaceBesideNeighbour();
    fop::FopRefresh::Subscription plotting;
};

} // namespace stakewell::graph
