#include "work/LayeredDesign.h"

#include "calc/DesignSheet.h"
#include "calc/EquivalentResistivity.h"
#include "shared/Units.h"
#include "work/DesignState.h"
#include "work/SiteWork.h"

namespace stakewell::work {
namespace {

constexpr double MetresPerInch = shared::MillimetresPerInch / 1000.0;

// The figures the uniform computation holds, so that both columns describe
// the very same electrodes.
soil::GroundingDesign InMetres(const calc::DesignInputs& design) {
    soil::GroundingDesign metres;
    metres.rodLength = design.L * shared::MetresPerFoot;
    metres.rodDiameter = design.d * MetresPerInch;
    metres.rodCount = design.N;
    metres.wireLength = design.Lw * shared::MetresPerFoot;
    metres.wireDiameter = design.dw * MetresPerInch;
    metres.wireDepth = design.h * shared::MetresPerFoot;
    return metres;
}

} // namespace

std::optional<LayeredDesignInputs> LayeredInputs(const SiteWork& work) {
    const std::optional<soil::TwoLayerSoil>& soil = work.LayeredSoil().soil;
    if (!soil) {
        return std::nullopt;
    }
    return LayeredInputs(*soil, work.Design());
}

LayeredDesignInputs LayeredInputs(const soil::TwoLayerSoil& soil, const DesignState& design) {
    const calc::ArrangementInputs uniform =
        calc::ReadArrangements(design.ComputedInputs(), design.ComputedBetween());
    return {soil, InMetres(uniform.Line), InMetres(uniform.Polygon), uniform.Line, uniform.Polygon};
}

LayeredDesign ComputeLayeredDesign(const LayeredDesignInputs& inputs) {
    LayeredDesign design;
    design.ohms = soil::ComputeTwoLayerDesign(inputs.soil, inputs.line, inputs.ring);
    design.linearEquivalent = calc::EquivalentResistivity(
        inputs.uniformLine, calc::Arrangement::Linear, design.ohms.linear.total);
    design.polygonEquivalent = calc::EquivalentResistivity(
        inputs.uniformPolygon, calc::Arrangement::Polygon, design.ohms.ring.total);
    return design;
}

} // namespace stakewell::work
