#pragma once

#include "calc/GroundModel.h"
#include "soil/TwoLayerDesign.h"

#include <limits>
#include <optional>
#include <string>

namespace stakewell::work {

class DesignState;
class SiteWork;

// What the design in two-layer soil is computed from, copied out of the work
// so that it can be computed away from the window's thread: the soil and the
// electrodes in metres (the ring's wire may differ in length from the
// line's), and the design as the uniform computation takes it, for the
// equivalent resistivity.
struct LayeredDesignInputs {
    soil::TwoLayerSoil soil;
    soil::GroundingDesign line;
    soil::GroundingDesign ring;
    calc::DesignInputs uniformLine;
    calc::DesignInputs uniformPolygon;
};

// None while the work holds no soil model.
std::optional<LayeredDesignInputs> LayeredInputs(const SiteWork& work);
// The design as typed, read in `soil`.
LayeredDesignInputs LayeredInputs(const soil::TwoLayerSoil& soil, const DesignState& design);

struct LayeredDesign {
    soil::TwoLayerDesignResults ohms;
    // The uniform resistivity (ohm-metres) that makes the uniform total of
    // the arrangement equal its two-layer total; NaN where either has none.
    double linearEquivalent = std::numeric_limits<double>::quiet_NaN();
    double polygonEquivalent = std::numeric_limits<double>::quiet_NaN();
    // Each as written into the design: the fewest decimals, from one, with
    // which the uniform computation gives back the two-layer total as it is
    // shown. Empty where there is none.
    std::string linearEquivalentText;
    std::string polygonEquivalentText;
};

// Safe on any thread: it reads nothing but its inputs.
LayeredDesign ComputeLayeredDesign(const LayeredDesignInputs& inputs);

} // namespace stakewell::work
