#include "soil/SoilObjective.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stakewell::soil {
namespace {

constexpr double ResistivityReach = 1000.0;
constexpr double DepthReach = 100.0;
constexpr double EdgeWidth = 1e-9;

} // namespace

TwoLayerSoil SoilOf(const LogSoil& p) {
    return {std::exp(p[0]), std::exp(p[1]), std::exp(p[2])};
}

LogSoil LogOf(const TwoLayerSoil& soil) {
    return {std::log(soil.upperOhmMetres), std::log(soil.lowerOhmMetres),
            std::log(soil.upperDepthMetres)};
}

SoilObjective::SoilObjective(SoilArray array, std::vector<SoilPoint> points)
    : array(array), points(std::move(points)) {
    const auto [smallest, largest] = std::minmax_element(
        this->points.begin(), this->points.end(),
        [](const SoilPoint& a, const SoilPoint& b) { return a.ohmMetres < b.ohmMetres; });
    const auto [nearest, farthest] = std::minmax_element(
        this->points.begin(), this->points.end(),
        [](const SoilPoint& a, const SoilPoint& b) { return a.metres < b.metres; });
    if (smallest == this->points.end()) {
        return;
    }
    const double rhoLow = std::log(smallest->ohmMetres / ResistivityReach);
    const double rhoHigh = std::log(largest->ohmMetres * ResistivityReach);
    lowest = LogSoil(rhoLow, rhoLow, std::log(nearest->metres / DepthReach));
    highest = LogSoil(rhoHigh, rhoHigh, std::log(farthest->metres * DepthReach));
}

double SoilObjective::Value(const LogSoil& p) const {
    double sum = 0.0;
    for (const double r : Residuals(p)) {
        sum += r * r;
    }
    return std::isfinite(sum) ? sum : std::numeric_limits<double>::infinity();
}

std::vector<double> SoilObjective::Residuals(const LogSoil& p) const {
    const TwoLayerSoil soil = SoilOf(p);
    std::vector<double> residuals;
    residuals.reserve(points.size());
    for (const SoilPoint& point : points) {
        residuals.push_back(1.0 - ModelResistivity(array, soil, point.metres, point.halfMNMetres) /
                                      point.ohmMetres);
    }
    return residuals;
}

Linearised SoilObjective::Linearise(const LogSoil& p) const {
    const TwoLayerSoil soil = SoilOf(p);
    Linearised result;
    for (const SoilPoint& point : points) {
        const ModelReading model = ModelWithSlopes(array, soil, point.metres, point.halfMNMetres);
        const double r = 1.0 - model.ohmMetres / point.ohmMetres;
        const Eigen::Vector3d row = -Eigen::Vector3d(model.slopes.data()) / point.ohmMetres;
        result.value += r * r;
        result.gradient += row * r;
        result.normal += row * row.transpose();
    }
    if (!std::isfinite(result.value)) {
        result.value = std::numeric_limits<double>::infinity();
    }
    return result;
}

LogSoil SoilObjective::Bounded(const LogSoil& p) const {
    LogSoil bounded = p.cwiseMax(lowest).cwiseMin(highest);
    // Moving both towards their middle keeps each within the box.
    const double limit = std::log(MaxContrast);
    const double excess = std::fabs(bounded[1] - bounded[0]) - limit;
    if (excess > 0.0) {
        const double shift = std::copysign(excess / 2.0, bounded[1] - bounded[0]);
        bounded[0] += shift;
        bounded[1] -= shift;
    }
    return bounded;
}

bool SoilObjective::OnEdge(const LogSoil& p) const {
    if ((p.array() <= lowest.array() + EdgeWidth).any() ||
        (p.array() >= highest.array() - EdgeWidth).any()) {
        return true;
    }
    return std::fabs(p[1] - p[0]) >= std::log(MaxContrast) - EdgeWidth;
}

} // namespace stakewell::soil
