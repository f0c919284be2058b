#include "calc/GroundModel.h"

#include "calc/CheckedArithmetic.h"

#include <optional>

namespace stakewell::calc {
namespace {

// Unit conversions folded into the classical closed-form formulas; these
// decimal literals, not their derivations, are what the results depend on.
constexpr double RodLogFactor = 35.316;     // 4L/a with the -1 taken into the log
constexpr double TwoPiFeetToMetres = 1.915; // 2*pi*0.3048
constexpr double PiFeetToMetres = 0.9576;   // pi*0.3048
constexpr double StraightWireFactor = 2.549;
constexpr double RingWireFactor = 4.411;
constexpr double RingMutualFactor = 3.461;
constexpr double Pi = 3.14159;

// A step computes its result or abandons at an inner checkpoint (nullopt),
// in which case the result keeps its starting value of 0.
using StepBody = std::optional<double> (*)(CheckedArithmetic&, const DesignInputs& /*in*/,
                                           const DesignResults&);

StepResult RunStep(StepBody body, const DesignInputs& in, const DesignResults& sofar) {
    CheckedArithmetic fp;
    const std::optional<double> result = body(fp, in, sofar);
    if (!result) {
        return {0.0F, true};
    }
    const float stored = fp.Store(*result);
    return {stored, fp.Faulted()};
}

// ln(numerator / denominator) with a checkpoint after the quotient and one on
// the logarithm's argument; nullopt abandons the step.
std::optional<double> CheckedLogOfQuotient(CheckedArithmetic& fp, double numerator,
                                           double denominator) {
    const double ratio = fp.Div(numerator, denominator);
    if (fp.Faulted()) {
        return std::nullopt;
    }
    const double logarithm = fp.Log(ratio);
    if (fp.Faulted()) {
        return std::nullopt;
    }
    return logarithm;
}

std::optional<double> OneElectrode(CheckedArithmetic& fp, const DesignInputs& in,
                                   const DesignResults& /*results*/) {
    const std::optional<double> logarithm =
        CheckedLogOfQuotient(fp, fp.Mul(in.L, RodLogFactor), in.d);
    if (!logarithm) {
        return std::nullopt;
    }
    return fp.Mul(fp.Div(in.rho, fp.Mul(in.L, TwoPiFeetToMetres)), *logarithm);
}

std::optional<double> LinearSpacing(CheckedArithmetic& fp, const DesignInputs& in,
                                    const DesignResults& /*results*/) {
    return fp.Div(in.Lw, static_cast<float>(in.N - 1));
}

float HarmonicSum(std::int16_t n) {
    float sum = 0.0F;
    for (int k = 2; k <= n; ++k) {
        sum = static_cast<float>(sum + 1.0 / k);
    }
    return sum;
}

std::optional<double> LinearElectrodes(CheckedArithmetic& fp, const DesignInputs& in,
                                       const DesignResults& r) {
    const double reciprocal = fp.Div(1.0, in.N);
    const double mutualTerm =
        fp.Mul(fp.Div(in.rho, fp.Mul(r.S.value, PiFeetToMetres)), r.HarmonicSum);
    return fp.Mul(reciprocal, fp.Add(r.R1.value, mutualTerm));
}

std::optional<double> WireResistance(CheckedArithmetic& fp, const DesignInputs& in,
                                     double wireFactor) {
    const double scaledLength = fp.Mul(in.Lw, wireFactor);
    const double base = fp.Mul(in.dw, in.h);
    const double root = fp.PowHalf(base);
    if (fp.Faulted()) {
        return std::nullopt;
    }
    const std::optional<double> logarithm = CheckedLogOfQuotient(fp, scaledLength, root);
    if (!logarithm) {
        return std::nullopt;
    }
    return fp.Mul(fp.Div(in.rho, fp.Mul(in.Lw, PiFeetToMetres)), *logarithm);
}

std::optional<double> LinearWire(CheckedArithmetic& fp, const DesignInputs& in,
                                 const DesignResults& /*results*/) {
    return WireResistance(fp, in, StraightWireFactor);
}

std::optional<double> PolygonWire(CheckedArithmetic& fp, const DesignInputs& in,
                                  const DesignResults& /*results*/) {
    return WireResistance(fp, in, RingWireFactor);
}

std::optional<double> MutualResistance(CheckedArithmetic& fp, const DesignInputs& in,
                                       double scaledWireLength) {
    const std::optional<double> logarithm = CheckedLogOfQuotient(fp, scaledWireLength, in.L);
    if (!logarithm) {
        return std::nullopt;
    }
    return fp.Mul(fp.Div(in.rho, fp.Mul(in.Lw, PiFeetToMetres)), *logarithm);
}

std::optional<double> LinearMutual(CheckedArithmetic& fp, const DesignInputs& in,
                                   const DesignResults& /*results*/) {
    return MutualResistance(fp, in, fp.Mul(2.0, in.Lw));
}

std::optional<double> PolygonMutual(CheckedArithmetic& fp, const DesignInputs& in,
                                    const DesignResults& /*results*/) {
    return MutualResistance(fp, in, fp.Mul(in.Lw, RingMutualFactor));
}

// Two electrode systems in parallel with a mutual resistance between them.
std::optional<double> CombinedTotal(CheckedArithmetic& fp, double wire, double electrodes,
                                    double mutual) {
    const double product = fp.Mul(wire, electrodes);
    if (fp.Faulted()) {
        return std::nullopt;
    }
    const double numerator = fp.Sub(product, fp.Square(mutual));
    const double denominator = fp.Sub(fp.Add(wire, electrodes), fp.Mul(2.0, mutual));
    if (fp.Faulted()) {
        return std::nullopt;
    }
    return fp.Div(numerator, denominator);
}

std::optional<double> LinearTotal(CheckedArithmetic& fp, const DesignInputs& /*in*/,
                                  const DesignResults& r) {
    return CombinedTotal(fp, r.Rw.value, r.Re.value, r.Rm.value);
}

std::optional<double> PolygonTotal(CheckedArithmetic& fp, const DesignInputs& /*in*/,
                                   const DesignResults& r) {
    return CombinedTotal(fp, r.Rw2.value, r.Re2.value, r.Rm2.value);
}

std::optional<double> PolygonSpacing(CheckedArithmetic& fp, const DesignInputs& in,
                                     const DesignResults& /*results*/) {
    return fp.Div(in.Lw, static_cast<float>(in.N));
}

std::optional<double> PolygonElectrodes(CheckedArithmetic& fp, const DesignInputs& in,
                                        const DesignResults& r) {
    const std::optional<double> rodLog = CheckedLogOfQuotient(fp, fp.Mul(in.L, RodLogFactor), in.d);
    if (!rodLog) {
        return std::nullopt;
    }
    const double loopLog = fp.Log(fp.Div(2 * static_cast<int>(in.N), Pi));
    if (fp.Faulted()) {
        return std::nullopt;
    }
    const double factor = fp.Div(in.rho, fp.Mul(fp.Mul(TwoPiFeetToMetres, in.N), in.L));
    const double lengthOverSpacing = fp.Div(fp.Mul(2.0, in.L), r.S2.value);
    if (fp.Faulted()) {
        return std::nullopt;
    }
    return fp.Mul(factor, fp.Add(fp.Mul(lengthOverSpacing, loopLog), *rodLog));
}

} // namespace

DesignResults ComputeDesign(const DesignInputs& in) {
    DesignResults r;
    r.R1 = RunStep(OneElectrode, in, r);
    r.S = RunStep(LinearSpacing, in, r);
    r.HarmonicSum = HarmonicSum(in.N);
    // One electrode has no neighbours: in either arrangement it is the single
    // rod, whatever the spacing formula would make of an infinite spacing.
    const bool alone = in.N == 1;
    r.Re = alone ? r.R1 : RunStep(LinearElectrodes, in, r);
    r.Rw = RunStep(LinearWire, in, r);
    r.Rm = RunStep(LinearMutual, in, r);
    r.Rt = RunStep(LinearTotal, in, r);
    r.S2 = RunStep(PolygonSpacing, in, r);
    r.Re2 = alone ? r.R1 : RunStep(PolygonElectrodes, in, r);
    r.Rw2 = RunStep(PolygonWire, in, r);
    r.Rm2 = RunStep(PolygonMutual, in, r);
    r.Rt2 = RunStep(PolygonTotal, in, r);
    return r;
}

} // namespace stakewell::calc
