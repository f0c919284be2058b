#include "calc/Recalculate.h"

#include "calc/FourPoint.h"
#include "calc/GroundModel.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"
#include "shared/SinglePrecision.h"

#include <cmath>
#include <limits>

namespace modStakewell {
namespace {

float ReadSingle(const std::string& text) {
    return ToSingle(ReadNumber(text));
}

float WireLength(float spanLength, int spans) {
    return ToSingle(static_cast<double>(spans) * spanLength);
}

// The count is a 16-bit integer rounded half to even; a count typed beyond the
// 16-bit range is held at the nearest limit, and a negative count means one.
std::int16_t ReadElectrodeCount(const std::string& text) {
    const double rounded = std::nearbyint(ReadNumber(text));
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    const auto count = static_cast<std::int16_t>(
        rounded < lowest ? lowest : (rounded > highest ? highest : rounded));
    return count < 0 ? std::int16_t{1} : count;
}

// The two arrangements share no step but the single electrode, so each takes
// its results from a run of the whole model with its own wire length.
DesignResults ComputeBetweenElectrodes(const DesignInputs& in, const WireTotals& totals) {
    DesignInputs line = in;
    line.Lw = totals.Line;
    DesignInputs polygon = in;
    polygon.Lw = totals.Polygon;
    const DesignResults linear = ComputeDesign(line);
    DesignResults r = ComputeDesign(polygon);
    r.S = linear.S;
    r.HarmonicSum = linear.HarmonicSum;
    r.Re = linear.Re;
    r.Rw = linear.Rw;
    r.Rm = linear.Rm;
    r.Rt = linear.Rt;
    return r;
}

std::string Shown(const StepResult& result, std::string_view pattern) {
    return result.faulted ? std::string() : FormatPattern(result.value, pattern);
}

void WriteFourPoint(const std::optional<double>& value, std::string_view prefix,
                    std::string_view pattern, std::string& label) {
    if (value) {
        label = std::string(prefix) + FormatPattern(*value, pattern);
    }
}

} // namespace

WireTotals BetweenWireTotals(const std::string& tbxNumElect, const WireBetweenInputs& between) {
    const int count = ReadElectrodeCount(tbxNumElect);
    return {WireLength(ReadSingle(between.tbxWireBetween_0), count - 1),
            WireLength(ReadSingle(between.tbxWireBetween_1), count)};
}

void Recalculate(const RecalcInputs& inputs, RecalcLabels& labels,
                 const std::optional<WireBetweenInputs>& between) {
    DesignInputs in;
    in.rho = ReadSingle(inputs.tbxEarthRes);
    in.L = ReadSingle(inputs.tbxElectLen);
    in.d = ReadSingle(inputs.tbxElectDia);
    in.N = ReadElectrodeCount(inputs.tbxNumElect);
    in.Lw = ReadSingle(inputs.tbxWireLen);
    in.dw = ReadSingle(inputs.tbxWireDia);
    in.h = ReadSingle(inputs.tbxWireDepth);

    const DesignResults r =
        between ? ComputeBetweenElectrodes(in, BetweenWireTotals(inputs.tbxNumElect, *between))
                : ComputeDesign(in);
    constexpr std::string_view ohms = "##0.000";
    constexpr std::string_view feet = "#0.00";
    labels.lbOneElectRes = Shown(r.R1, ohms);
    labels.lbLinearSpace = Shown(r.S, feet);
    labels.lbLinearElect = Shown(r.Re, ohms);
    labels.lbLinearWire = Shown(r.Rw, ohms);
    labels.LbLinearMutual = Shown(r.Rm, ohms);
    labels.lbLinearTotal = Shown(r.Rt, ohms);
    labels.lbRectSpace = Shown(r.S2, feet);
    labels.lbRectElect = Shown(r.Re2, ohms);
    labels.lbRectWire = Shown(r.Rw2, ohms);
    labels.lbRectMutual = Shown(r.Rm2, ohms);
    labels.lbRectTotal = Shown(r.Rt2, ohms);

    const FourPointResults fourPoint =
        ComputeFourPoint(ReadNumber(inputs.tbx4ptE2), ReadNumber(inputs.tbxMVal));
    WriteFourPoint(fourPoint.P1, "P1 = ", "##.0", labels.lbP1);
    WriteFourPoint(fourPoint.P2, "P2 = ", "##.0", labels.lbP2);
    WriteFourPoint(fourPoint.rho, "", "#,##0.00", labels.lbEarthRes);
}

} // namespace modStakewell
