#include "work/LayeredDesign.h"

#include "calc/DesignSheet.h"
#include "calc/EquivalentResistivity.h"
#include "shared/NumberReading.h"
#include "shared/Units.h"
#include "soil/SoilSurvey.h"
#include "work/DesignState.h"
#include "work/SiteWork.h"

#include <cmath>

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

// Float keeps about seven digits: past four decimals of a resistivity in the
// hundreds more digits change nothing the computation sees.
constexpr int MostDecimals = 4;

std::string EquivalentText(double equivalent, double twoLayerTotal, calc::DesignInputs uniform,
                           calc::StepResult calc::DesignResults::*total) {
    if (!(equivalent > 0.0) || !std::isfinite(equivalent) || !std::isfinite(twoLayerTotal)) {
        return {};
    }
    const std::string shown = calc::OhmsText(twoLayerTotal);
    std::string text;
    for (int decimals = 1; decimals <= MostDecimals; ++decimals) {
        text = soil::FigureText(equivalent, decimals);
        uniform.rho = static_cast<float>(shared::ReadNumber(text));
        const calc::StepResult result = calc::ComputeDesign(uniform).*total;
        if (!result.faulted && calc::OhmsText(result.value) == shown) {
            break;
        }
    }
    return text;
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
    design.linearEquivalentText = EquivalentText(design.linearEquivalent, design.ohms.linear.total,
                                                 inputs.uniformLine, &calc::DesignResults::Rt);
    design.polygonEquivalentText = EquivalentText(design.polygonEquivalent, design.ohms.ring.total,
                                                  inputs.uniformPolygon, &calc::DesignResults::Rt2);
    return design;
}

} // namespace stakewell::work
