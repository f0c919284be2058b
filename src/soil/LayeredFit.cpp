#include "soil/LayeredFit.h"

#include "soil/LayeredMinimiser.h"
#include "soil/PositiveDefinite.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <string>

namespace stakewell::soil {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
// The model holds some ten digits: a misfit below this mean square is the
// model's own, and the BIC's count of unknowns decides between such fits.
constexpr double SmallestMeanSquare = 1e-20;

} // namespace

std::size_t DistinctSpacings(const std::vector<SoundingReading>& readings) {
    std::vector<double> metres;
    metres.reserve(readings.size());
    for (const SoundingReading& r : readings) {
        metres.push_back(r.metres);
    }
    std::sort(metres.begin(), metres.end());
    return static_cast<std::size_t>(
        std::distance(metres.begin(), std::unique(metres.begin(), metres.end())));
}

namespace {

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

std::string ReadingsProblem(const Sounding& sounding) {
    const auto& readings = sounding.readings;
    if (readings.size() < 2) {
        return "A layered model needs at least two readings; there " +
               std::string(readings.size() == 1 ? "is 1." : "are 0.");
    }
    if (readings.size() > MaxSoilReadings) {
        return "There are more than " + std::to_string(MaxSoilReadings) +
               " readings; a survey holds no more.";
    }
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const SoundingReading& r = readings[i];
        if (!Positive(r.metres) || !Positive(r.ohmMetres)) {
            return "Reading " + std::to_string(i + 1) +
                   ": the spacing and the apparent resistivity must be finite and above 0.";
        }
        if (sounding.array == SoilArray::Schlumberger &&
            !(Positive(r.halfMNMetres) && r.halfMNMetres < r.metres)) {
            return "Reading " + std::to_string(i + 1) + ": MN must be above 0 and shorter than AB.";
        }
    }
    return "";
}

// sigma of a linear form w of the logarithms, as a factor.
double FactorOf(const Eigen::MatrixXd& covariance, const Eigen::VectorXd& w) {
    return std::exp(std::sqrt(std::max(w.dot(covariance * w), 0.0)));
}

// The covariance of the logarithms, s^2 (J^T J)^-1 with s^2 = RSS / (n - k)
// but no less than the model's own misfit, so that a layer the readings do
// not see stays unresolved however well the rest fits; or none where the readings leave no misfit
// to scale by, cannot separate the unknowns, or where the fit lies on the search's edge.
std::optional<Eigen::MatrixXd> CovarianceAt(const LayeredObjective& objective,
                                            const LayeredMinimum& best, bool onSearchEdge) {
    const auto n = static_cast<Eigen::Index>(objective.Survey().readings.size());
    if (onSearchEdge || n <= objective.Unknowns()) {
        return std::nullopt;
    }
    const Eigen::MatrixXd& jacobian = best.linearised.jacobian;
    const auto factors = PositiveDefinite<Eigen::Dynamic>::Of(jacobian.transpose() * jacobian);
    if (!factors) {
        return std::nullopt;
    }
    const double s2 =
        std::max(best.value / static_cast<double>(n - objective.Unknowns()), SmallestMeanSquare);
    return Eigen::MatrixXd(s2 * factors->Inverse());
}

void AddRanges(LayeredFit& fit, const std::optional<Eigen::MatrixXd>& covariance) {
    const std::size_t layers = fit.earth.resistivities.size();
    const auto unknowns = static_cast<Eigen::Index>(2 * layers - 1);
    const auto factorOf = [&](Eigen::Index at) {
        return covariance ? FactorOf(*covariance, Eigen::VectorXd::Unit(unknowns, at)) : Infinity;
    };
    for (std::size_t i = 0; i < layers; ++i) {
        fit.resistivities.push_back(
            {fit.earth.resistivities[i], factorOf(static_cast<Eigen::Index>(i))});
    }
    for (std::size_t i = 0; i + 1 < layers; ++i) {
        fit.thicknesses.push_back(
            {fit.earth.thicknesses[i], factorOf(static_cast<Eigen::Index>(layers + i))});
    }
}

// rho h for a layer above the mean of its neighbours' (in logarithms), h /
// rho for one below, wherever its resistivity or thickness is poorly
// resolved: the sounding sees a thin resistive layer by the one and a thin
// conductive layer by the other.
void AddProducts(LayeredFit& fit, const std::optional<Eigen::MatrixXd>& covariance) {
    const std::size_t layers = fit.earth.resistivities.size();
    const auto unknowns = static_cast<Eigen::Index>(2 * layers - 1);
    const auto& rho = fit.earth.resistivities;
    for (std::size_t i = 0; i + 1 < layers; ++i) {
        if (!fit.resistivities[i].PoorlyResolved() && !fit.thicknesses[i].PoorlyResolved()) {
            continue;
        }
        double neighbours = std::log(rho[i + 1]);
        if (i > 0) {
            neighbours = (neighbours + std::log(rho[i - 1])) / 2.0;
        }
        const bool resistive = std::log(rho[i]) > neighbours;
        const double sign = resistive ? 1.0 : -1.0;
        Eigen::VectorXd w = Eigen::VectorXd::Unit(unknowns, static_cast<Eigen::Index>(layers + i));
        w[static_cast<Eigen::Index>(i)] = sign;
        const double h = fit.earth.thicknesses[i];
        fit.products.push_back({i,
                                resistive ? LayerProduct::ResistivityTimesThickness
                                          : LayerProduct::ThicknessOverResistivity,
                                {resistive ? rho[i] * h : h / rho[i],
                                 covariance ? FactorOf(*covariance, w) : Infinity}});
    }
}

LayeredFit FitOf(const LayeredObjective& objective, const LayeredMinimum& best,
                 std::size_t spacings) {
    LayeredFit fit;
    fit.earth = objective.EarthOf(best.at);
    const Eigen::VectorXd& residuals = best.linearised.residuals;
    const auto n = static_cast<double>(residuals.size());
    for (const double r : residuals) {
        fit.residualsPercent.push_back(r * 100.0);
    }
    fit.rmsPercent = std::sqrt(best.value / n) * 100.0;
    fit.bic = n * std::log(std::max(best.value / n, SmallestMeanSquare)) +
              static_cast<double>(objective.Unknowns()) * std::log(n);
    fit.onSearchEdge = objective.Layers() > 1 && objective.OnEdge(best.at);
    fit.grade =
        GradeOf(FitEvidence{fit.rmsPercent, fit.residualsPercent, spacings, fit.onSearchEdge});
    const std::optional<Eigen::MatrixXd> covariance =
        CovarianceAt(objective, best, fit.onSearchEdge);
    AddRanges(fit, covariance);
    AddProducts(fit, covariance);
    fit.covariance = covariance;
    fit.resolved = objective.Layers() == 1 ||
                   (std::none_of(fit.resistivities.begin(), fit.resistivities.end(),
                                 [](const RangedFigure& f) { return f.PoorlyResolved(); }) &&
                    std::none_of(fit.thicknesses.begin(), fit.thicknesses.end(),
                                 [](const RangedFigure& f) { return f.PoorlyResolved(); }));
    return fit;
}

} // namespace

LayerChoice FitLayers(const Sounding& sounding) {
    LayerChoice choice;
    choice.problem = ReadingsProblem(sounding);
    if (!choice.problem.empty()) {
        return choice;
    }
    const std::size_t spacings = DistinctSpacings(sounding.readings);
    std::optional<LayeredEarth> fewerLayers;
    for (std::size_t layers = 1; layers <= MaxEarthLayers && 2 * layers - 1 < spacings; ++layers) {
        const LayeredObjective objective(sounding, layers);
        const LayeredMinimum best = BestLayers(objective, fewerLayers);
        if (!std::isfinite(best.value)) {
            break;
        }
        choice.fits.push_back(FitOf(objective, best, spacings));
        fewerLayers = choice.fits.back().earth;
    }
    if (choice.fits.empty()) {
        choice.problem = "No layered earth gives these readings a finite figure.";
        return choice;
    }
    double leastBic = Infinity;
    for (std::size_t i = 0; i < choice.fits.size(); ++i) {
        if (choice.fits[i].resolved && choice.fits[i].bic < leastBic) {
            leastBic = choice.fits[i].bic;
            choice.chosenLayers = i + 1;
        }
    }
    return choice;
}

} // namespace stakewell::soil
