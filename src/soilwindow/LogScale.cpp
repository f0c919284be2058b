#include "soilwindow/LogScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stakewell::soilwindow {

LogScale::LogScale(const std::vector<double>& values) {
    double smallest = std::numeric_limits<double>::infinity();
    double largest = 0.0;
    for (const double value : values) {
        if (std::isfinite(value) && value > 0.0) {
            smallest = std::min(smallest, value);
            largest = std::max(largest, value);
        }
    }
    if (largest == 0.0) {
        return;
    }
    const double lowDecade = std::floor(std::log10(smallest));
    double highDecade = std::ceil(std::log10(largest));
    if (highDecade <= lowDecade) {
        highDecade = lowDecade + 1.0;
    }
    low = std::pow(10.0, lowDecade);
    high = std::pow(10.0, highDecade);
}

double LogScale::Fraction(double value) const {
    if (!(value > 0.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::log10(value / low) / std::log10(high / low);
}

double LogScale::ValueAt(double fraction) const {
    return low * std::pow(high / low, fraction);
}

std::vector<double> LogScale::Ticks() const {
    std::vector<double> ticks;
    // The decade's own power is taken from the exponent, not by repeated
    // multiplication, so that a tick reads as the round number it is.
    const int first = static_cast<int>(std::lround(std::log10(low)));
    const int last = static_cast<int>(std::lround(std::log10(high)));
    for (int decade = first; decade <= last; ++decade) {
        for (const double step : {1.0, 2.0, 5.0}) {
            const double tick = step * std::pow(10.0, decade);
            if (tick <= high * (1.0 + 1e-12)) {
                ticks.push_back(tick);
            }
        }
    }
    return ticks;
}

} // namespace stakewell::soilwindow
