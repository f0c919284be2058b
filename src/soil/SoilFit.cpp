#include "soil/SoilFit.h"

#include "soil/PositiveDefinite.h"
#include "soil/SoilMinimiser.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace stakewell::soil {
namespace {

constexpr std::size_t Unknowns = 3;

std::size_t DistinctSpacings(const std::vector<SoilPoint>& points) {
    std::vector<double> metres;
    metres.reserve(points.size());
    for (const SoilPoint& p : points) {
        metres.push_back(p.metres);
    }
    std::sort(metres.begin(), metres.end());
    return static_cast<std::size_t>(
        std::distance(metres.begin(), std::unique(metres.begin(), metres.end())));
}

std::string PointsProblem(SoilArray array, const std::vector<SoilPoint>& points) {
    if (points.size() < Unknowns) {
        return "A two-layer model needs at least three readings; there " +
               std::string(points.size() == 1 ? "is " : "are ") + std::to_string(points.size()) +
               ".";
    }
    if (points.size() > MaxSoilReadings) {
        return "There are more than " + std::to_string(MaxSoilReadings) +
               " readings; a survey holds no more.";
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const SoilPoint& p = points[i];
        if (!(std::isfinite(p.metres) && p.metres > 0.0 && std::isfinite(p.ohmMetres) &&
              p.ohmMetres > 0.0)) {
            return "Reading " + std::to_string(i + 1) +
                   ": the spacing and the apparent resistivity must be finite and above 0.";
        }
        if (!ProbesInside(array, p.metres, p.halfMNMetres)) {
            return "Reading " + std::to_string(i + 1) + ": MN/2 must be 0 or above and below AB/2.";
        }
    }
    // Readings repeated at one spacing tell nothing of how the soil changes
    // with depth.
    if (const std::size_t spacings = DistinctSpacings(points); spacings < Unknowns) {
        return "A two-layer model needs readings at three or more different spacings; these are "
               "at only " +
               std::to_string(spacings) + ".";
    }
    return "";
}

void AddRange(SoilFit& fit, const SoilObjective& objective, const Minimum& best) {
    if (fit.points.size() == Unknowns) {
        fit.noRangeReason = "Three readings leave no misfit to judge a range by; a fourth gives "
                            "one.";
        return;
    }
    if (fit.onSearchEdge) {
        fit.noRangeReason = "The best fit lies at the edge of the search (a contrast of " +
                            std::to_string(static_cast<int>(SoilObjective::MaxContrast)) +
                            " to 1, or a depth or resistivity far outside the readings'): the "
                            "readings do not fix the soil, and give no range.";
        return;
    }
    const auto factors = PositiveDefinite<3>::Of(objective.Linearise(best.at).normal);
    if (!factors) {
        fit.noRangeReason = "The readings cannot tell the two resistivities and the depth apart, "
                            "and give no range.";
        return;
    }
    const double s2 = best.value / static_cast<double>(fit.points.size() - Unknowns);
    const Eigen::Matrix3d scaled = s2 * factors->Inverse();
    SoilCovariance covariance{};
    for (std::size_t i = 0; i < Unknowns; ++i) {
        for (std::size_t j = 0; j < Unknowns; ++j) {
            covariance[i][j] = scaled(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(j));
        }
    }
    fit.covariance = covariance;
    fit.plusMinus = TwoLayerSoil{fit.soil.upperOhmMetres * std::sqrt(covariance[0][0]),
                                 fit.soil.lowerOhmMetres * std::sqrt(covariance[1][1]),
                                 fit.soil.upperDepthMetres * std::sqrt(covariance[2][2])};
}

// The mean MN/AB of the readings at exactly `metres`, as a Schlumberger
// sounding repeats an AB with a second MN.
double MNPerABAt(const std::vector<SoilPoint>& bySpacing, double metres) {
    const auto [first, last] = std::equal_range(
        bySpacing.begin(), bySpacing.end(), SoilPoint{metres, 0.0, 0.0},
        [](const SoilPoint& a, const SoilPoint& b) { return a.metres < b.metres; });
    double sum = 0.0;
    for (auto p = first; p != last; ++p) {
        sum += p->halfMNMetres / p->metres;
    }
    return sum / static_cast<double>(std::distance(first, last));
}

} // namespace

double CurveHalfMN(const std::vector<SoilPoint>& bySpacing, double spacingMetres) {
    const auto above =
        std::lower_bound(bySpacing.begin(), bySpacing.end(), spacingMetres,
                         [](const SoilPoint& p, double metres) { return p.metres < metres; });
    if (above == bySpacing.end()) {
        return MNPerABAt(bySpacing, bySpacing.back().metres) * spacingMetres;
    }
    const double upper = MNPerABAt(bySpacing, above->metres);
    if (above == bySpacing.begin() || above->metres == spacingMetres) {
        return upper * spacingMetres;
    }
    const double belowMetres = std::prev(above)->metres;
    const double lower = MNPerABAt(bySpacing, belowMetres);
    const double along =
        std::log(spacingMetres / belowMetres) / std::log(above->metres / belowMetres);
    return (lower + (upper - lower) * along) * spacingMetres;
}

SoilFitResult FitTwoLayers(SoilArray array, std::vector<SoilPoint> points) {
    if (std::string problem = PointsProblem(array, points); !problem.empty()) {
        return {std::nullopt, std::move(problem)};
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const SoilPoint& a, const SoilPoint& b) { return a.metres < b.metres; });
    const SoilObjective objective(array, points);
    const Minimum best = BestMinimum(objective);
    if (!std::isfinite(best.value)) {
        return {std::nullopt, "No two-layer soil gives these readings a finite figure."};
    }

    SoilFit fit;
    fit.array = array;
    fit.points = std::move(points);
    fit.soil = SoilOf(best.at);
    double sumOfSquares = 0.0;
    for (const double r : objective.Residuals(best.at)) {
        fit.residualsPercent.push_back(r * 100.0);
        sumOfSquares += r * r;
    }
    fit.rmsPercent = std::sqrt(sumOfSquares / static_cast<double>(fit.points.size())) * 100.0;
    fit.threeLayersLikely = ThreeLayersLikely(fit.points);
    fit.onSearchEdge = objective.OnEdge(best.at);
    fit.grade = GradeOf(FitEvidence{fit.rmsPercent, fit.residualsPercent,
                                    DistinctSpacings(fit.points), fit.onSearchEdge});
    AddRange(fit, objective, best);
    return {std::move(fit), ""};
}

CurvePoint ModelCurveAt(const SoilFit& fit, double spacingMetres) {
    const double halfMN = fit.array == SoilArray::Schlumberger && !fit.points.empty()
                              ? CurveHalfMN(fit.points, spacingMetres)
                              : 0.0;
    const ModelReading model = ModelWithSlopes(fit.array, fit.soil, spacingMetres, halfMN);
    CurvePoint point{model.ohmMetres, std::nullopt};
    if (!fit.covariance || !std::isfinite(model.ohmMetres)) {
        return point;
    }
    double variance = 0.0;
    for (std::size_t i = 0; i < Unknowns; ++i) {
        for (std::size_t j = 0; j < Unknowns; ++j) {
            variance += model.slopes[i] * (*fit.covariance)[i][j] * model.slopes[j];
        }
    }
    // Rounding can leave a sum of this positive semi-definite form a hair below 0.
    point.plusMinus = std::sqrt(std::max(variance, 0.0));
    return point;
}

} // namespace stakewell::soil
