#include "calc/WireGauge.h"

#include "shared/NumberReading.h"
#include "shared/TextForm.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace stakewell::calc {
namespace {

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Engineers write the ought sizes "1/0" to "4/0" and put a "#" before a
// gauge; both are brought to the plain form the conversion reads.
std::string_view PlainGauge(std::string_view gauge) {
    if (gauge.starts_with('#')) {
        gauge = TrimSpaces(gauge.substr(1));
    }
    constexpr std::array<std::string_view, 4> oughtNames{"0", "00", "000", "0000"};
    if (gauge.size() == 3 && gauge.ends_with("/0") && gauge[0] >= '1' && gauge[0] <= '4') {
        return oughtNames.at(static_cast<std::size_t>(gauge[0] - '1'));
    }
    return gauge;
}

// Gauge numbers are 16-bit; anything typed beyond is held at the nearest limit.
std::int16_t GaugeNumber(std::string_view gauge) {
    if (gauge == "00") {
        return -1;
    }
    if (gauge == "000") {
        return -2;
    }
    if (gauge == "0000") {
        return -3;
    }
    const double n = std::floor(shared::ReadNumber(gauge));
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(n < lowest ? lowest : (n > highest ? highest : n));
}

} // namespace

GaugeRead ReadGauge(std::string_view gauge) {
    const std::string_view plain = PlainGauge(TrimSpaces(gauge));
    const bool oughtName = plain == "00" || plain == "000" || plain == "0000";
    const shared::NumberRead read = shared::ReadLeadingNumber(plain);
    return {GaugeNumber(plain), oughtName || read.anyDigit, oughtName || read.readInFull};
}

float GaugeToDiameter(std::string_view gauge) {
    const int n = ReadGauge(gauge).number;
    const double exponent = static_cast<double>(36 - n) / 39.0;
    const double diameter = std::pow(92.0, exponent) * 0.005;
    // Very thick "gauges" are held at the largest single rather than infinity.
    return diameter > FLT_MAX ? FLT_MAX : static_cast<float>(diameter);
}

std::string DiameterToGauge(double diameter) {
    if (!(diameter > 0.0)) {
        return "err";
    }
    const double x = diameter / 0.005;
    if (std::isinf(x)) {
        return "0000+";
    }
    const double n = (LogN(x, 92) * -39.0) + 36.0;
    if (n < -3.5) {
        return "0000+";
    }
    if (n < -2.5) {
        return "0000";
    }
    if (n < -1.5) {
        return "000";
    }
    if (n < -0.5) {
        return "00";
    }
    if (n <= 0.0) {
        return "0";
    }
    return shared::IntegerText(static_cast<std::int64_t>(std::floor(n)));
}

double LogN(double x, std::int16_t base) {
    return std::log(x) / std::log(static_cast<double>(base));
}

} // namespace stakewell::calc
