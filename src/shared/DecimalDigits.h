#pragma once

#include <string>

namespace stakewell::shared {

// A finite non-zero magnitude as its leading significant digits: the value is
// 0.d1d2d3... x 10^(pointPosition). Produced locale-independently.
struct DecimalDigits {
    std::string digits;
    int pointPosition = 0;
};

DecimalDigits SignificantDigits(double magnitude, int significantDigits);

} // namespace stakewell::shared
