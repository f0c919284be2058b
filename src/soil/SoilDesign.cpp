#include "soil/SoilDesign.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace stakewell::soil {
namespace {

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

} // namespace

double MeanResistivity(const std::vector<SoilPoint>& points) {
    if (points.empty()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const auto count = static_cast<double>(points.size());
    double sum = 0.0;
    for (const SoilPoint& p : points) {
        sum += p.ohmMetres;
    }
    if (std::isfinite(sum)) {
        return sum / count;
    }
    // Resistivities near the largest double overflow the sum, not the mean.
    double mean = 0.0;
    for (const SoilPoint& p : points) {
        mean += p.ohmMetres / count;
    }
    return mean;
}

double MidRangeResistivity(const std::vector<SoilPoint>& points) {
    if (points.empty()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const auto [smallest, largest] = std::minmax_element(
        points.begin(), points.end(),
        [](const SoilPoint& a, const SoilPoint& b) { return a.ohmMetres < b.ohmMetres; });
    return std::midpoint(smallest->ohmMetres, largest->ohmMetres);
}

std::optional<double> RodResistivity(const TwoLayerSoil& soil, double rodFeet) {
    const double length = Metres(rodFeet, LengthUnit::Feet);
    const double h = soil.upperDepthMetres;
    if (!Positive(length) || !Positive(soil.upperOhmMetres) || !Positive(soil.lowerOhmMetres) ||
        !Positive(h)) {
        return std::nullopt;
    }
    if (length <= h) {
        return soil.upperOhmMetres;
    }
    return length / (h / soil.upperOhmMetres + (length - h) / soil.lowerOhmMetres);
}

} // namespace stakewell::soil
