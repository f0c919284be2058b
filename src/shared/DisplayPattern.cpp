#include "shared/DisplayPattern.h"

#include "shared/DecimalDigits.h"

#include <cmath>

namespace stakewell::shared {
namespace {

// What a pattern asks for: "#,##0.0##%" has grouping, one compulsory integer
// digit, one compulsory and two optional decimals, and a percent sign.
struct PatternShape {
    int minIntegerDigits = 0;
    int requiredDecimals = 0;
    int optionalDecimals = 0;
    bool grouping = false;
    bool percent = false;
};

PatternShape ParsePattern(std::string_view pattern) {
    PatternShape shape;
    bool afterPoint = false;
    for (const char c : pattern) {
        if (c == '.') {
            afterPoint = true;
        } else if (c == ',') {
            shape.grouping = true;
        } else if (c == '%') {
            shape.percent = true;
        } else if (c == '0' && !afterPoint) {
            ++shape.minIntegerDigits;
        } else if (c == '0') {
            ++shape.requiredDecimals;
        } else if (c == '#' && afterPoint) {
            ++shape.optionalDecimals;
        }
    }
    return shape;
}

// The magnitude split into integer and fraction digit strings, rounded to
// `decimals` places with halves away from zero. The half is judged on the
// 15-significant-digit decimal form, the digits a person reads for the value.
struct RoundedDigits {
    std::string integerPart;
    std::string fraction;
};

RoundedDigits RoundMagnitude(double magnitude, int decimals) {
    RoundedDigits out{std::string(), std::string(static_cast<std::size_t>(decimals), '0')};
    if (magnitude == 0.0) {
        return out;
    }
    const DecimalDigits parts = SignificantDigits(magnitude, 15);
    const long keep = static_cast<long>(parts.pointPosition) + decimals;
    if (keep < 0) {
        return out;
    }
    std::string digits = parts.digits;
    const bool roundUp = static_cast<std::size_t>(keep) < digits.size() && digits[keep] >= '5';
    if (static_cast<std::size_t>(keep) < digits.size()) {
        digits.erase(static_cast<std::size_t>(keep));
    } else {
        digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
    }
    if (roundUp) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    // Every digit down to the last kept decimal; a carry may have added one in front.
    const long integerCount = static_cast<long>(digits.size()) - decimals;
    if (integerCount > 0) {
        out.integerPart = digits.substr(0, static_cast<std::size_t>(integerCount));
        out.fraction = digits.substr(static_cast<std::size_t>(integerCount));
    } else {
        out.fraction = std::string(static_cast<std::size_t>(-integerCount), '0') + digits;
    }
    return out;
}

std::string GroupThousands(const std::string& digits) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

std::string FormatPattern(double value, std::string_view pattern) {
    const PatternShape shape = ParsePattern(pattern);
    if (shape.percent) {
        value *= 100.0;
    }
    if (!std::isfinite(value)) {
        return {};
    }
    RoundedDigits rounded =
        RoundMagnitude(std::fabs(value), shape.requiredDecimals + shape.optionalDecimals);

    const auto firstNonZero = rounded.integerPart.find_first_not_of('0');
    std::string integerPart = firstNonZero == std::string::npos
                                  ? std::string()
                                  : rounded.integerPart.substr(firstNonZero);
    if (integerPart.size() < static_cast<std::size_t>(shape.minIntegerDigits)) {
        integerPart.insert(0, shape.minIntegerDigits - integerPart.size(), '0');
    }
    std::string fraction = rounded.fraction;
    while (fraction.size() > static_cast<std::size_t>(shape.requiredDecimals) &&
           fraction.back() == '0') {
        fraction.pop_back();
    }
    if (integerPart.empty() && fraction.empty()) {
        integerPart.push_back('0');
    }

    // A value that rounds to zero shows no sign: "-0.00" would read as a
    // negative result that is not there.
    const bool showsNonZero = integerPart.find_first_not_of('0') != std::string::npos ||
                              fraction.find_first_not_of('0') != std::string::npos;
    std::string text = (value < 0 && showsNonZero) ? "-" : "";
    text += shape.grouping ? GroupThousands(integerPart) : integerPart;
    if (!fraction.empty() || shape.requiredDecimals + shape.optionalDecimals > 0) {
        text += '.';
    }
    text += fraction;
    if (shape.percent) {
        text += '%';
    }
    return text;
}

} // namespace stakewell::shared
