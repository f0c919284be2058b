#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace modStakewell {

// AWG gauge text ("10", "00", "0000", ...) to diameter in inches. Gauges whose
// diameter exceeds the single-precision range are held at the largest single.
float GaugeToDiameter(std::string_view gauge);

// Diameter in inches to gauge text: "err" when not positive, "0000+" beyond 4/0
// (including diameters too large to convert), otherwise the gauge.
std::string DiameterToGauge(double diameter);

double LogN(double x, std::int16_t base);

} // namespace modStakewell
