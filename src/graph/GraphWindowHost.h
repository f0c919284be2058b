#pragma once

#include "graph/frmGraph.h"
#include "shared/modStakewell.h"

#include <QPointer>

#include <functional>

// Owns the graph window's lifecycle: it comes into being hidden the first time
// anything touches it, and a window the user closed is replaced by a fresh
// hidden one at the placement it was closed at. Without any stored placement
// it first opens beside `neighbour` rather than over it.
class GraphWindowHost {
public:
    GraphWindowHost(modStakewell::SharedState& state, std::function<void()> updateFop,
                    const QWidget* neighbour = nullptr);
    ~GraphWindowHost();
    GraphWindowHost(const GraphWindowHost&) = delete;
    GraphWindowHost& operator=(const GraphWindowHost&) = delete;
    GraphWindowHost(GraphWindowHost&&) = delete;
    GraphWindowHost& operator=(GraphWindowHost&&) = delete;

    frmGraph& Window();
    void Show();
    void Hide();
    void Close();
    bool Exists() const;

private:
    modStakewell::SharedState& state;
    std::function<void()> updateFop;
    const QWidget* neighbour;
    QPointer<frmGraph> window;
    bool placeBesideNeighbour = false;
};
