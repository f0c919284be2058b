#include "soilwindow/LayerFitter.h"

#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace stakewell::soilwindow {

LayerFitter::LayerFitter(QObject* parent) : QObject(parent) {
    connect(&watcher, &QFutureWatcher<Reading>::finished, this, &LayerFitter::Finished);
}

void LayerFitter::Fit(const soil::SoilSurvey& survey) {
    ++latestGeneration;
    if (watcher.isRunning()) {
        waiting = survey;
        return;
    }
    // A survey left waiting for a task that has just ended, its end not yet
    // told, is older than this one.
    waiting.reset();
    Start(survey);
}

// The survey is copied into the task: the window's own may change while it
// runs.
void LayerFitter::Start(const soil::SoilSurvey& survey) {
    watcher.setFuture(QtConcurrent::run([survey, generation = latestGeneration] {
        return Reading{generation, soil::LayerSurvey(survey)};
    }));
}

// A finish told late, for a task since replaced by a newer one, finds that
// one still running.
void LayerFitter::Finished() {
    if (!watcher.isFinished()) {
        return;
    }
    if (waiting) {
        Start(*std::exchange(waiting, std::nullopt));
        return;
    }
    const Reading reading = watcher.result();
    if (reading.generation != latestGeneration || reading.generation == shownGeneration) {
        return;
    }
    shownGeneration = reading.generation;
    emit Fitted(reading.layers);
}

} // namespace stakewell::soilwindow
