#pragma once

#include "analysis/SoilSurvey.h"
#include "shared/modStakewell.h"
#include "survey/FopPoints.h"
#include "survey/FopRefresh.h"

#include <cstdint>

namespace stakewell::graph {

// Plot extents and the picture's user scale left by the last drawing of the
// fall-of-potential graph; the mouse read-out uses them.
struct PlotExtents {
    double MaxOhms = 0.0;
    double MinOhms = 0.0;
    double MaxFeet = 0.0;
    double MinFeet = 0.0;
    float PlotLeft = 0.0F;
    float PlotTop = 0.0F;
    float PlotRight = 0.0F;
    float PlotBottom = 0.0F;
};

// The state the main window and the graph window share. One instance lives
// as long as the main window; the graph window holds a reference to it.
class SharedState {
public:
    survey::FallOfPotential fop;
    // Shows the survey afresh wherever it is shown.
    survey::FopRefresh refresh;
    PlotExtents plot;
    shared::GraphPlacement graph;
    // The site's resistivity survey, shown by the soil survey window.
    analysis::SoilSurvey soil;

    // True while a data file is being applied: the change handlers then leave
    // the recalculation and the graph refresh to the end of the load.
    bool LoadingData() const { return bLoadingData; }

private:
    friend class LoadingDataGuard;
    bool bLoadingData = false;
};

// Marks a data-file load for its whole extent; the flag is clear again however
// the load ends, by return or by exception.
class LoadingDataGuard {
public:
    explicit LoadingDataGuard(SharedState& state) : state(state) { state.bLoadingData = true; }
    ~LoadingDataGuard() { state.bLoadingData = false; }
    LoadingDataGuard(const LoadingDataGuard&) = delete;
    LoadingDataGuard& operator=(const LoadingDataGuard&) = delete;
    LoadingDataGuard(LoadingDataGuard&&) = delete;
    LoadingDataGuard& operator=(LoadingDataGuard&&) = delete;

private:
    SharedState& state;
};

} // namespace stakewell::graph
