#include "soil/SoilMinimiser.h"

#include "soil/PositiveDefinite.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stakewell::soil {
namespace {

constexpr int MaxSteps = 1000;
constexpr double FirstDamping = 1e-3;
constexpr double LargestDamping = 1e12;
constexpr double SmallestGain = 1e-12;

std::optional<LogSoil> DampedStep(const Linearised& at, double damping) {
    const Eigen::Vector3d diagonal = at.normal.diagonal();
    // A parameter the readings do not see would leave no damping at all.
    const Eigen::Vector3d floor =
        Eigen::Vector3d::Constant(1e-9 * std::max(diagonal.maxCoeff(), 0.0));
    Eigen::Matrix3d system = at.normal;
    system.diagonal() += damping * diagonal.cwiseMax(floor);
    const auto factors = PositiveDefinite<3>::Of(system);
    if (!factors) {
        return std::nullopt;
    }
    return factors->Solve(-at.gradient);
}

// Whether even the undamped Gauss-Newton step promises to lower the misfit
// by less than a part in 1e12: its promise is g^T (J^T J)^-1 g. A step that
// merely came out small, after a rejection raised the damping, says nothing
// of the kind, and stopping on it leaves a long valley half walked.
bool Stationary(const Linearised& at) {
    const std::optional<LogSoil> d = DampedStep(at, 0.0);
    if (!d) {
        return false;
    }
    const double promise = -at.gradient.dot(*d);
    return promise <= SmallestGain * at.value;
}

// rho2 / rho1 for the grid, both ways round.
constexpr std::array<double, 8> GridContrasts{1.0 / 30.0, 1.0 / 8.0, 1.0 / 3.0, 1.0 / 1.5,
                                              1.5,        3.0,       8.0,       30.0};
constexpr int GridDepths = 6;
constexpr std::size_t GridStartsRun = 3;

// The misfit of a contrast and depth with its best rho1: the model is rho1
// times a shape, so the relative residuals 1 - rho1 g are least at
// rho1 = sum g / sum g^2.
Minimum ProfiledStart(const SoilObjective& objective, double contrast, double depth) {
    const TwoLayerSoil shape{1.0, contrast, depth};
    double sumG = 0.0;
    double sumG2 = 0.0;
    for (const SoilPoint& point : objective.Points()) {
        const double g =
            ModelResistivity(objective.Array(), shape, point.metres, point.halfMNMetres) /
            point.ohmMetres;
        sumG += g;
        sumG2 += g * g;
    }
    const double rho1 = sumG / sumG2;
    const LogSoil at =
        objective.Bounded(LogSoil(std::log(rho1), std::log(rho1 * contrast), std::log(depth)));
    return {at, objective.Value(at)};
}

LogSoil EndReadingsStart(const SoilObjective& objective) {
    const auto& points = objective.Points();
    const auto [nearest, farthest] = std::minmax_element(
        points.begin(), points.end(),
        [](const SoilPoint& a, const SoilPoint& b) { return a.metres < b.metres; });
    return {std::log(nearest->ohmMetres), std::log(farthest->ohmMetres),
            (std::log(nearest->metres) + std::log(farthest->metres)) / 2.0};
}

} // namespace

Minimum MinimiseFrom(const SoilObjective& objective, const LogSoil& start) {
    Minimum best{objective.Bounded(start), 0.0};
    Linearised at = objective.Linearise(best.at);
    best.value = at.value;
    if (!std::isfinite(best.value)) {
        return best;
    }
    double damping = FirstDamping;
    for (int step = 0; step < MaxSteps && best.value > 0.0 && !Stationary(at); ++step) {
        bool lowered = false;
        LogSoil next = best.at;
        double nextValue = best.value;
        while (!lowered && damping <= LargestDamping) {
            const std::optional<LogSoil> d = DampedStep(at, damping);
            if (d) {
                next = objective.Bounded(best.at + *d);
                nextValue = next.allFinite() ? objective.Value(next)
                                             : std::numeric_limits<double>::infinity();
                lowered = nextValue < best.value;
            }
            damping *= lowered ? 1.0 / 3.0 : 4.0;
        }
        if (!lowered) {
            break;
        }
        best = {next, nextValue};
        at = objective.Linearise(best.at);
    }
    return best;
}

Minimum BestMinimum(const SoilObjective& objective) {
    const auto& points = objective.Points();
    const auto [nearest, farthest] = std::minmax_element(
        points.begin(), points.end(),
        [](const SoilPoint& a, const SoilPoint& b) { return a.metres < b.metres; });
    // Depths from a third of the shortest spacing to the longest.
    const double low = std::log(nearest->metres / 3.0);
    const double high = std::log(farthest->metres);
    std::vector<Minimum> grid;
    for (const double contrast : GridContrasts) {
        for (int i = 0; i < GridDepths; ++i) {
            const double depth = std::exp(low + (high - low) * i / (GridDepths - 1));
            grid.push_back(ProfiledStart(objective, contrast, depth));
        }
    }
    const std::size_t run = std::min(GridStartsRun, grid.size());
    std::partial_sort(grid.begin(), grid.begin() + static_cast<std::ptrdiff_t>(run), grid.end(),
                      [](const Minimum& a, const Minimum& b) { return a.value < b.value; });
    Minimum best = MinimiseFrom(objective, EndReadingsStart(objective));
    for (std::size_t i = 0; i < run; ++i) {
        const Minimum found = MinimiseFrom(objective, grid[i].at);
        if (found.value < best.value) {
            best = found;
        }
    }
    return best;
}

} // namespace stakewell::soil
