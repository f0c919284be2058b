#include "soil/LayeredObjective.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace stakewell::soil {
namespace {

constexpr double ResistivityReach = 1000.0;
constexpr double ThicknessReach = 100.0;
constexpr double EdgeWidth = 1e-9;

} // namespace

double ModelApparent(SoilArray array, const LayeredEarth& earth, const SoundingReading& reading) {
    return array == SoilArray::Wenner
               ? WennerApparent(earth, reading.metres)
               : SchlumbergerApparent(earth, reading.metres, reading.halfMNMetres);
}

SlopedApparent SlopedModelApparent(SoilArray array, const LayeredEarth& earth,
                                   const SoundingReading& reading) {
    return array == SoilArray::Wenner
               ? SlopedWennerApparent(earth, reading.metres)
               : SlopedSchlumbergerApparent(earth, reading.metres, reading.halfMNMetres);
}

LayeredObjective::LayeredObjective(Sounding sounding, std::size_t layers)
    : sounding(std::move(sounding)), layers(layers), lowest(Unknowns()), highest(Unknowns()) {
    const auto& readings = this->sounding.readings;
    const auto [smallest, largest] = std::minmax_element(
        readings.begin(), readings.end(), [](const SoundingReading& a, const SoundingReading& b) {
            return a.ohmMetres < b.ohmMetres;
        });
    const auto [nearest, farthest] = std::minmax_element(
        readings.begin(), readings.end(),
        [](const SoundingReading& a, const SoundingReading& b) { return a.metres < b.metres; });
    if (smallest == readings.end()) {
        return;
    }
    const auto resistivities = static_cast<Eigen::Index>(layers);
    lowest.head(resistivities).setConstant(std::log(smallest->ohmMetres / ResistivityReach));
    highest.head(resistivities).setConstant(std::log(largest->ohmMetres * ResistivityReach));
    lowest.tail(resistivities - 1).setConstant(std::log(nearest->metres / ThicknessReach));
    highest.tail(resistivities - 1).setConstant(std::log(farthest->metres * ThicknessReach));
}

LayeredEarth LayeredObjective::EarthOf(const LayerParameters& p) const {
    LayeredEarth earth;
    const auto resistivities = static_cast<Eigen::Index>(layers);
    for (Eigen::Index i = 0; i < p.size(); ++i) {
        (i < resistivities ? earth.resistivities : earth.thicknesses).push_back(std::exp(p[i]));
    }
    return earth;
}

LayerParameters LayeredObjective::ParametersOf(const LayeredEarth& earth) const {
    LayerParameters p(Unknowns());
    Eigen::Index i = 0;
    for (const double rho : earth.resistivities) {
        p[i++] = std::log(rho);
    }
    for (const double h : earth.thicknesses) {
        p[i++] = std::log(h);
    }
    return p;
}

Eigen::VectorXd LayeredObjective::Residuals(const LayerParameters& p) const {
    const LayeredEarth earth = EarthOf(p);
    Eigen::VectorXd residuals(static_cast<Eigen::Index>(sounding.readings.size()));
    for (std::size_t i = 0; i < sounding.readings.size(); ++i) {
        const SoundingReading& reading = sounding.readings[i];
        residuals[static_cast<Eigen::Index>(i)] =
            1.0 - ModelApparent(sounding.array, earth, reading) / reading.ohmMetres;
    }
    return residuals;
}

double LayeredObjective::SumOfSquares(const Eigen::VectorXd& residuals) {
    const double sum = residuals.squaredNorm();
    return std::isfinite(sum) ? sum : std::numeric_limits<double>::infinity();
}

LayeredObjective::Linearised LayeredObjective::LinearisedAt(const LayerParameters& p) const {
    const LayeredEarth earth = EarthOf(p);
    const auto readings = static_cast<Eigen::Index>(sounding.readings.size());
    Linearised linearised{Eigen::VectorXd(readings), Eigen::MatrixXd(readings, p.size())};
    for (Eigen::Index i = 0; i < readings; ++i) {
        const SoundingReading& reading = sounding.readings[static_cast<std::size_t>(i)];
        const SlopedApparent model = SlopedModelApparent(sounding.array, earth, reading);
        linearised.residuals[i] = 1.0 - model.ohmMetres / reading.ohmMetres;
        for (Eigen::Index j = 0; j < p.size(); ++j) {
            linearised.jacobian(i, j) =
                -model.slopes[static_cast<std::size_t>(j)] / reading.ohmMetres;
        }
    }
    return linearised;
}

LayerParameters LayeredObjective::Bounded(const LayerParameters& p) const {
    return p.cwiseMax(lowest).cwiseMin(highest);
}

bool LayeredObjective::OnEdge(const LayerParameters& p) const {
    return (p.array() <= lowest.array() + EdgeWidth).any() ||
           (p.array() >= highest.array() - EdgeWidth).any();
}

} // namespace stakewell::soil
