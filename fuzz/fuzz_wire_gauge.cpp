// Gauge to diameter and diameter to gauge for any text and any double: the
// diameter is a usable single that depends on the gauge number alone, and a
// gauge found for a diameter converts back to a diameter within the step the
// conversion rounds over.
#include "FuzzCheck.h"

#include "calc/WireGauge.h"
#include "shared/NumberReading.h"
#include "shared/TextForm.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using stakewell::calc::DiameterToGauge;
using stakewell::calc::GaugeToDiameter;

// One gauge step as a ratio of diameters.
const double Step = std::pow(92.0, 1.0 / 39.0);
constexpr double Slack = 1e-6; // single precision of the diameter

bool Within(double ratio, double low, double high) {
    return ratio >= low * (1 - Slack) && ratio <= high * (1 + Slack);
}

std::string Show(double diameter, const std::string& gauge) {
    return Exact(diameter) + " in. gave \"" + gauge + '"';
}

void CheckDiameter(double diameter) {
    const std::string gauge = DiameterToGauge(diameter);
    const std::string detail = Show(diameter, gauge);
    Require((gauge == "err") == !(diameter > 0.0), "\"err\" exactly for no positive diameter",
            detail);
    if (gauge == "err" || gauge == "0000+") {
        Require(gauge == "err" || diameter > 0.46, "\"0000+\" only beyond 4/0", detail);
        return;
    }
    const stakewell::calc::GaugeRead read = stakewell::calc::ReadGauge(gauge);
    Require(read.anyDigit && read.readInFull, "a gauge written reads as a gauge", detail);
    const double back = GaugeToDiameter(gauge);
    if (back < FLT_MIN || diameter > FLT_MAX) {
        return; // beyond what a single holds, nothing to compare
    }
    const double ratio = back / diameter;
    if (read.number >= 1) {
        // Numbered gauges are cut down: the gauge is as thick or a little thicker.
        Require(Within(ratio, 1.0, Step), "a numbered gauge is the one at or just above", detail);
    } else if (read.number == 0) {
        Require(Within(ratio, 1.0 / std::sqrt(Step), Step), "gauge 0 is the nearest ought size",
                detail);
    } else {
        Require(Within(ratio, 1.0 / std::sqrt(Step), std::sqrt(Step)),
                "an ought size is the nearest", detail);
    }
}

void CheckGauge(std::string_view text) {
    const float diameter = GaugeToDiameter(text);
    const std::string detail = '"' + std::string(text) + '"';
    Require(diameter >= 0.0F && diameter <= FLT_MAX, "a diameter is a finite single >= 0", detail);
    const std::int16_t number = stakewell::calc::ReadGauge(text).number;
    Require(GaugeToDiameter(stakewell::shared::IntegerText(number)) == diameter,
            "the diameter depends on the gauge number alone", detail);
    CheckDiameter(diameter);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckGauge(text);
    CheckDiameter(stakewell::shared::ReadNumber(text));
    if (size >= sizeof(double)) {
        double diameter = 0.0;
        std::memcpy(&diameter, data, sizeof diameter);
        CheckDiameter(diameter);
    }
    return 0;
}
