#include "shared/Twips.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stakewell::shared {

int PixelsFromTwips(double twips) {
    const double pixels = std::nearbyint(twips / TwipsPerPixel);
    if (std::isnan(pixels)) {
        return 0;
    }
    return static_cast<int>(std::clamp(pixels, double{std::numeric_limits<int>::min()},
                                       double{std::numeric_limits<int>::max()}));
}

std::int32_t TwipsFromPixels(double pixels) {
    const double twips = std::nearbyint(pixels * TwipsPerPixel);
    if (std::isnan(twips)) {
        return 0;
    }
    return static_cast<std::int32_t>(std::clamp(twips,
                                                double{std::numeric_limits<std::int32_t>::min()},
                                                double{std::numeric_limits<std::int32_t>::max()}));
}

} // namespace stakewell::shared
