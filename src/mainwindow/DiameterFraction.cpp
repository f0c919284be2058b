#include "mainwindow/DiameterFraction.h"

#include "shared/NumberReading.h"

#include <cmath>

namespace stakewell::mainwindow {

namespace {

constexpr int LargestDenominator = 64;
// Beyond this a numerator has no exact whole double to tell it by.
constexpr double LargestNumerator = 1e15;

} // namespace

std::optional<Fraction> DiameterFraction(const QString& diameter) {
    const shared::NumberRead read = shared::ReadLeadingNumber(diameter.toStdString());
    if (!read.anyDigit || !read.readInFull || !(read.value > 0.0)) {
        return std::nullopt;
    }
    for (int denominator = 1; denominator <= LargestDenominator; denominator *= 2) {
        // Scaling by a power of two is exact, so only a true fraction passes.
        const double numerator = read.value * denominator;
        if (numerator <= LargestNumerator && numerator == std::floor(numerator)) {
            return Fraction{QString::number(static_cast<long long>(numerator)),
                            QString::number(denominator)};
        }
    }
    return std::nullopt;
}

} // namespace stakewell::mainwindow
