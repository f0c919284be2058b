#include "shared/Units.h"

#include "shared/DecimalDigits.h"
#include "shared/NumberReading.h"
#include "shared/TextForm.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace stakewell::shared {
namespace {

double MetricPerImperial(Measure measure) {
    return measure == Measure::Length ? MetresPerFoot : MillimetresPerInch;
}

} // namespace

double ToImperial(double metric, Measure measure) {
    return metric / MetricPerImperial(measure);
}

double ToMetric(double imperial, Measure measure) {
    return imperial * MetricPerImperial(measure);
}

double Converted(double value, Measure measure, UnitSystem from, UnitSystem to) {
    if (from == to) {
        return value;
    }
    return to == UnitSystem::Metric ? ToMetric(value, measure) : ToImperial(value, measure);
}

const char* UnitSymbol(Measure measure, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    if (measure == Measure::Length) {
        return metric ? "m" : "ft";
    }
    return metric ? "mm" : "in";
}

const char* LengthWord(UnitSystem units, bool capital) {
    if (units == UnitSystem::Metric) {
        return capital ? "Metres" : "metres";
    }
    return capital ? "Feet" : "feet";
}

std::string ConvertedText(double value) {
    return SignificantText(value, 12);
}

double ConvertedLength(double value, UnitSystem from, UnitSystem to) {
    const double converted = Converted(value, Measure::Length, from, to);
    if (from == to || !std::isfinite(converted)) {
        return converted;
    }
    return ReadNumber(ConvertedText(converted));
}

std::string SignificantText(double value, int digits) {
    if (!std::isfinite(value) || value == 0.0) {
        return DoubleText(value);
    }
    // Rounded in decimal and read back, so that the plain form shows those
    // digits and no binary noise beyond them.
    const DecimalDigits parts = SignificantDigits(std::fabs(value), digits);
    const std::string decimal = "0." + parts.digits + "e" + std::to_string(parts.pointPosition);
    double rounded = 0.0;
    const auto read = std::from_chars(decimal.data(), decimal.data() + decimal.size(), rounded);
    if (read.ec != std::errc{}) {
        return DoubleText(value);
    }
    return DoubleText(value < 0.0 ? -rounded : rounded);
}

double CrossSection(double diameterMillimetres) {
    return std::numbers::pi * diameterMillimetres * diameterMillimetres / 4.0;
}

double DiameterOfSection(double squareMillimetres) {
    return std::sqrt(4.0 * squareMillimetres / std::numbers::pi);
}

} // namespace stakewell::shared
