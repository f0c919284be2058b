#include "calc/DesignSheet.h"

#include "calc/DesignSoundness.h"
#include "calc/FourPoint.h"
#include "calc/GroundModel.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"
#include "shared/SinglePrecision.h"

#include <cmath>
#include <limits>

namespace stakewell::calc {
namespace {

float ReadSingle(const std::string& text) {
    return shared::ToSingle(shared::ReadNumber(text));
}

float WireLength(float spanLength, int spans) {
    return shared::ToSingle(static_cast<double>(spans) * spanLength);
}

// The count is a 16-bit integer rounded half to even; a count typed beyond the
// 16-bit range is held at the nearest limit, and a negative count means one.
std::int16_t ReadElectrodeCount(const std::string& text) {
    const double rounded = std::nearbyint(shared::ReadNumber(text));
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    const auto count = static_cast<std::int16_t>(
        rounded < lowest ? lowest : (rounded > highest ? highest : rounded));
    return count < 0 ? std::int16_t{1} : count;
}

DesignInputs ReadDesignInputs(const SheetInputs& inputs) {
    using enum SheetInput;
    DesignInputs in;
    in.rho = ReadSingle(inputs[EarthResistivity]);
    in.L = ReadSingle(inputs[ElectrodeLength]);
    in.d = ReadSingle(inputs[ElectrodeDiameter]);
    in.N = ReadElectrodeCount(inputs[ElectrodeCount]);
    in.Lw = ReadSingle(inputs[WireLength]);
    in.dw = ReadSingle(inputs[WireDiameter]);
    in.h = ReadSingle(inputs[WireDepth]);
    return in;
}

// The two arrangements share no step but the single electrode, so each takes
// its results from a run of the whole model with its own wire length.
DesignResults ComputeBetweenElectrodes(const ArrangementInputs& arrangements) {
    const DesignResults linear = ComputeDesign(arrangements.Line);
    DesignResults r = ComputeDesign(arrangements.Polygon);
    r.S = linear.S;
    r.HarmonicSum = linear.HarmonicSum;
    r.Re = linear.Re;
    r.Rw = linear.Rw;
    r.Rm = linear.Rm;
    r.Rt = linear.Rt;
    return r;
}

std::string Shown(const StepResult& result, std::string_view pattern) {
    return result.faulted ? std::string() : shared::FormatPattern(result.value, pattern);
}

// A spacing or a probe position, computed in feet, in the unit it is shown in.
double ShownLength(double feet, shared::UnitSystem shownIn) {
    return shared::Converted(feet, shared::Measure::Length, shared::UnitSystem::Imperial, shownIn);
}

std::string ShownSpacing(const StepResult& result, shared::UnitSystem shownIn) {
    return result.faulted ? std::string()
                          : shared::FormatPattern(ShownLength(result.value, shownIn), "#0.00");
}

void WriteFourPoint(const std::optional<double>& value, std::string_view prefix,
                    std::string_view pattern, std::string& label) {
    if (value) {
        label = std::string(prefix) + shared::FormatPattern(*value, pattern);
    }
}

std::optional<double> ShownProbe(const std::optional<double>& feet, shared::UnitSystem shownIn) {
    if (!feet) {
        return std::nullopt;
    }
    return ShownLength(*feet, shownIn);
}

// Probes set out from an E2 at or before E1, or a reading at or below zero,
// give no soil a resistivity; their labels are emptied rather than kept.
void WriteFourPointResults(const SheetInputs& inputs, SheetResults& results, SheetNotes& notes,
                           shared::UnitSystem shownIn) {
    using enum SheetInput;
    const double e2 = shared::ReadNumber(inputs[FourPointE2]);
    const double ohms = shared::ReadNumber(inputs[FourPointOhms]);
    const FourPointResults fourPoint = ComputeFourPoint(e2, ohms);
    WriteFourPoint(ShownProbe(fourPoint.P1, shownIn), "P1 = ", "##.0",
                   results[SheetResult::ProbeP1]);
    WriteFourPoint(ShownProbe(fourPoint.P2, shownIn), "P2 = ", "##.0",
                   results[SheetResult::ProbeP2]);
    WriteFourPoint(fourPoint.rho, "", "#,##0.00", results[SheetResult::FourPointResistivity]);
    if (const auto hint = NotAboveZero(inputs[FourPointE2], e2, "distance from E1 to E2")) {
        notes.Inputs[FourPointE2] = *hint;
        results[SheetResult::ProbeP1].clear();
        results[SheetResult::ProbeP2].clear();
    }
    if (const auto hint = NotAboveZero(inputs[FourPointOhms], ohms, "measured resistance")) {
        notes.Inputs[FourPointOhms] = *hint;
    }
    if (fourPoint.rho && !(*fourPoint.rho > 0.0)) {
        results[SheetResult::FourPointResistivity].clear();
    }
}

} // namespace

std::string OhmsText(double ohms) {
    return std::isfinite(ohms) ? shared::FormatPattern(ohms, "##0.000") : std::string();
}

WireTotals BetweenWireTotals(const std::string& electrodeCount, const WireBetweenInputs& between) {
    const int count = ReadElectrodeCount(electrodeCount);
    return {WireLength(ReadSingle(between.Line), count - 1),
            WireLength(ReadSingle(between.Polygon), count)};
}

ArrangementInputs ReadArrangements(const SheetInputs& inputs,
                                   const std::optional<WireBetweenInputs>& between) {
    const DesignInputs in = ReadDesignInputs(inputs);
    ArrangementInputs arrangements{in, in};
    if (between) {
        const WireTotals totals = BetweenWireTotals(inputs[SheetInput::ElectrodeCount], *between);
        arrangements.Line.Lw = totals.Line;
        arrangements.Polygon.Lw = totals.Polygon;
    }
    return arrangements;
}

SheetNotes ComputeSheet(const SheetInputs& inputs, SheetResults& results,
                        const std::optional<WireBetweenInputs>& between,
                        shared::UnitSystem shownIn) {
    const DesignInputs in = ReadDesignInputs(inputs);
    DesignResults r =
        between ? ComputeBetweenElectrodes(ReadArrangements(inputs, between)) : ComputeDesign(in);
    SheetNotes notes;
    JudgeDesign(inputs, in, !between, r, notes);
    constexpr std::string_view ohms = "##0.000";
    results[SheetResult::OneElectrode] = Shown(r.R1, ohms);
    results[SheetResult::LinearSpacing] = ShownSpacing(r.S, shownIn);
    results[SheetResult::LinearElectrodes] = Shown(r.Re, ohms);
    results[SheetResult::LinearWire] = Shown(r.Rw, ohms);
    results[SheetResult::LinearMutual] = Shown(r.Rm, ohms);
    results[SheetResult::LinearTotal] = Shown(r.Rt, ohms);
    results[SheetResult::PolygonSpacing] = ShownSpacing(r.S2, shownIn);
    results[SheetResult::PolygonElectrodes] = Shown(r.Re2, ohms);
    results[SheetResult::PolygonWire] = Shown(r.Rw2, ohms);
    results[SheetResult::PolygonMutual] = Shown(r.Rm2, ohms);
    results[SheetResult::PolygonTotal] = Shown(r.Rt2, ohms);

    WriteFourPointResults(inputs, results, notes, shownIn);
    return notes;
}

} // namespace stakewell::calc
