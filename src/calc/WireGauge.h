#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace stakewell::calc {

struct GaugeRead {
    std::int16_t number = 0; // 0 for 1/0, -1 for 2/0, ... -3 for 4/0
    bool anyDigit = false;
    bool readInFull = true; // false when part of the text was ignored
};

// The gauge number a gauge text stands for.
GaugeRead ReadGauge(std::string_view gauge);

// AWG gauge text ("10", "00", "0000", "4/0", "#2", ...) to diameter in inches. Gauges whose
// diameter exceeds the single-precision range are held at the largest single.
float GaugeToDiameter(std::string_view gauge);

// Diameter in inches to gauge text: "err" when not positive, "0000+" beyond 4/0
// (including diameters too large to convert), otherwise the gauge.
std::string DiameterToGauge(double diameter);

double LogN(double x, std::int16_t base);

} // namespace stakewell::calc
