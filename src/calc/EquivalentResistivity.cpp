#include "calc/EquivalentResistivity.h"

#include "calc/DesignSoundness.h"
#include "shared/SinglePrecision.h"

#include <cmath>
#include <limits>
#include <optional>

namespace stakewell::calc {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Any resistivity would do: the total is proportional to it.
constexpr float ReferenceOhmMetres = 100.0F;

std::optional<double> TotalAt(DesignInputs design, Arrangement arrangement, float rho) {
    design.rho = rho;
    DesignResults results = ComputeDesign(design);
    JudgeFigures(design, results);
    const StepResult& total = arrangement == Arrangement::Linear ? results.Rt : results.Rt2;
    if (total.faulted || !(total.value > 0.0F)) {
        return std::nullopt;
    }
    return total.value;
}

bool Usable(float rho) {
    return std::isfinite(rho) && rho > 0.0F;
}

} // namespace

double EquivalentResistivity(const DesignInputs& design, Arrangement arrangement, double ohms) {
    if (!std::isfinite(ohms) || !(ohms > 0.0)) {
        return NaN;
    }
    const std::optional<double> reference = TotalAt(design, arrangement, ReferenceOhmMetres);
    if (!reference) {
        return NaN;
    }
    const float scaled = shared::ToSingle(ReferenceOhmMetres * ohms / *reference);
    const std::optional<double> scaledTotal =
        Usable(scaled) ? TotalAt(design, arrangement, scaled) : std::nullopt;
    if (!scaledTotal) {
        return NaN;
    }
    // Every step of the model rounds to single precision, so the total is
    // proportional to the resistivity only to within a few of its last bits:
    // one more scaling from the scaled figure itself takes up what is left.
    const float refined = shared::ToSingle(scaled * ohms / *scaledTotal);
    const std::optional<double> refinedTotal =
        Usable(refined) ? TotalAt(design, arrangement, refined) : std::nullopt;
    if (refinedTotal && std::abs(*refinedTotal - ohms) < std::abs(*scaledTotal - ohms)) {
        return refined;
    }
    return scaled;
}

} // namespace stakewell::calc
