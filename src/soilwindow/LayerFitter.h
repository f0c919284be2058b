#pragma once

#include "soil/SurveyLayers.h"

#include <QFutureWatcher>
#include <QObject>

#include <cstdint>
#include <optional>

namespace stakewell::soilwindow {

// Reads surveys as layered ground off the caller's thread, one at a time:
// a survey given while another is being read waits for it, any given before
// it are skipped, and only the reading of the last survey given is told.
class LayerFitter : public QObject {
    Q_OBJECT

public:
    explicit LayerFitter(QObject* parent = nullptr);
    // A reading under way runs on to its end unseen: it works on its own copy
    // of the survey, and it can take seconds.
    ~LayerFitter() override = default;
    LayerFitter(const LayerFitter&) = delete;
    LayerFitter& operator=(const LayerFitter&) = delete;
    LayerFitter(LayerFitter&&) = delete;
    LayerFitter& operator=(LayerFitter&&) = delete;

    void Fit(const soil::SoilSurvey& survey);
    // Whether the last survey given is still being read.
    bool Busy() const { return shownGeneration != latestGeneration; }

signals:
    void Fitted(const stakewell::soil::SurveyLayers& layers);

private:
    struct Reading {
        std::uint64_t generation = 0;
        soil::SurveyLayers layers;
    };
    void Start(const soil::SoilSurvey& survey);
    void Finished();

    QFutureWatcher<Reading> watcher;
    std::optional<soil::SoilSurvey> waiting;
    std::uint64_t latestGeneration = 0;
    std::uint64_t shownGeneration = 0;
};

} // namespace stakewell::soilwindow
