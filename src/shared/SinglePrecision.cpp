#include "shared/SinglePrecision.h"

#include <limits>

namespace stakewell::shared {

float ToSingle(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest) {
        return std::numeric_limits<float>::infinity();
    }
    if (value < -largest) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

} // namespace stakewell::shared
