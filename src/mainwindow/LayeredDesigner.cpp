#include "mainwindow/LayeredDesigner.h"

#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace stakewell::mainwindow {

LayeredDesigner::LayeredDesigner(QObject* parent) : QObject(parent) {
    connect(&watcher, &QFutureWatcher<Computation>::finished, this, &LayeredDesigner::Finished);
}

void LayeredDesigner::Compute(const work::LayeredDesignInputs& inputs) {
    ++latestGeneration;
    if (watcher.isRunning()) {
        waiting = inputs;
        return;
    }
    // Inputs left waiting for a task that has just ended, its end not yet
    // told, are older than these.
    waiting.reset();
    Start(inputs);
}

void LayeredDesigner::Drop() {
    ++latestGeneration;
    shownGeneration = latestGeneration;
    waiting.reset();
}

// The inputs are copied into the task: the work may change while it runs.
void LayeredDesigner::Start(const work::LayeredDesignInputs& inputs) {
    watcher.setFuture(QtConcurrent::run([inputs, generation = latestGeneration] {
        return Computation{generation, FiguresOf(inputs)};
    }));
}

// A finish told late, for a task since replaced by a newer one, finds that
// one still running.
void LayeredDesigner::Finished() {
    if (!watcher.isFinished()) {
        return;
    }
    if (waiting) {
        Start(*std::exchange(waiting, std::nullopt));
        return;
    }
    const Computation computation = watcher.result();
    if (computation.generation != latestGeneration || computation.generation == shownGeneration) {
        return;
    }
    shownGeneration = computation.generation;
    emit Computed(computation.figures);
}

} // namespace stakewell::mainwindow
