#include "shared/TextForm.h"

#include "shared/DecimalDigits.h"

#include <array>
#include <charconv>
#include <cmath>

namespace stakewell::shared {
namespace {

std::string TrimmedDigits(std::string digits) {
    const auto last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 0 : last + 1);
    return digits;
}

// Plain decimal form while the leading digit stands between 10^-5 and
// 10^(precision-1); exponent form ("1.5E+20", "2E-07") beyond.
std::string GeneralText(double value, int precision) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0.0) {
        return "0";
    }
    const DecimalDigits parts = SignificantDigits(std::fabs(value), precision);
    const std::string digits = TrimmedDigits(parts.digits);
    const int exponent = parts.pointPosition - 1;
    std::string text = value < 0 ? "-" : "";
    if (exponent < -5 || exponent >= precision) {
        text.append(digits, 0, 1);
        if (digits.size() > 1) {
            text.append(1, '.').append(digits, 1);
        }
        text.append(exponent < 0 ? "E-" : "E+");
        const std::string power = std::to_string(std::abs(exponent));
        text.append(power.size() < 2 ? 1 : 0, '0').append(power);
    } else if (parts.pointPosition <= 0) {
        text.append("0.")
            .append(static_cast<std::size_t>(-parts.pointPosition), '0')
            .append(digits);
    } else {
        const auto point = static_cast<std::size_t>(parts.pointPosition);
        text.append(digits, 0, point);
        if (point >= digits.size()) {
            text.append(point - digits.size(), '0');
        } else {
            text.append(1, '.').append(digits, point);
        }
    }
    return text;
}

} // namespace

std::string DoubleText(double value) {
    return GeneralText(value, 15);
}

std::string SingleText(float value) {
    return GeneralText(value, 7);
}

std::string IntegerText(std::int64_t value) {
    return std::to_string(value);
}

std::string ExactText(double value) {
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.begin(), digits.end(), value);
    return {digits.begin(), written.ptr};
}

} // namespace stakewell::shared
