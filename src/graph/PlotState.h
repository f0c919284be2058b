#pragma once

#include "fop/FopPoints.h"
#include "fop/FopRefresh.h"
#include "shared/modStakewell.h"
#include "soil/TwoLayerSoil.h"

#include <optional>

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

inline const std::optional<soil::TwoLayerSoil> NoSoilModel;

// What the graph draws from and what it keeps of its own: the survey it is
// given to show (never changed here), the refresh it is shown at, the soil
// model the test is also read in, and the graph's own extents and placement.
struct PlotState {
    PlotState(const fop::FallOfPotential& fop, fop::FopRefresh& refresh,
              const std::optional<soil::TwoLayerSoil>& soil = NoSoilModel)
        : fop(fop), refresh(refresh), soil(soil) {}

    const fop::FallOfPotential& fop;
    fop::FopRefresh& refresh;
    const std::optional<soil::TwoLayerSoil>& soil;
    PlotExtents plot;
    shared::GraphPlacement graph;
};

} // namespace stakewell::graph
