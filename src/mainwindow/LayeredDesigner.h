#pragma once

#include "mainwindow/LayeredFigures.h"
#include "work/LayeredDesign.h"

#include <QFutureWatcher>
#include <QObject>

#include <cstdint>
#include <optional>

namespace stakewell::mainwindow {

// Computes the design in two-layer soil off the window's thread, one design
// at a time: inputs given while another design is being computed wait for
// it, any given before them are skipped, and only the figures of the last
// inputs given are told.
class LayeredDesigner : public QObject {
    Q_OBJECT

public:
    explicit LayeredDesigner(QObject* parent = nullptr);
    // A computation under way runs on to its end unseen: it works on its own
    // copy of the inputs, and it takes milliseconds.
    ~LayeredDesigner() override = default;
    LayeredDesigner(const LayeredDesigner&) = delete;
    LayeredDesigner& operator=(const LayeredDesigner&) = delete;
    LayeredDesigner(LayeredDesigner&&) = delete;
    LayeredDesigner& operator=(LayeredDesigner&&) = delete;

    void Compute(const work::LayeredDesignInputs& inputs);
    // Nothing computed so far is told any more: the work holds no design
    // to compute.
    void Drop();

signals:
    void Computed(const stakewell::mainwindow::LayeredFigures& figures);

private:
    struct Computation {
        std::uint64_t generation = 0;
        LayeredFigures figures;
    };
    void Start(const work::LayeredDesignInputs& inputs);
    void Finished();

    QFutureWatcher<Computation> watcher;
    std::optional<work::LayeredDesignInputs> waiting;
    std::uint64_t latestGeneration = 0;
    std::uint64_t shownGeneration = 0;
};

} // namespace stakewell::mainwindow
