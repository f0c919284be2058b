#include "soil/LayeredMinimiser.h"

#include "soil/PositiveDefinite.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

namespace stakewell::soil {
namespace {

// Gauss-Newton steps close in on a minimum the readings fix in a handful of
// steps; what runs longer walks along a valley the readings barely see.
constexpr int MaxSteps = 25;
constexpr double FirstDamping = 1e-3;
constexpr double LargestDamping = 1e12;
constexpr double SmallestGain = 1e-12;
// A run of steps each gaining less than this share of the misfit stops the
// search: such gains move the BIC by under n / 500 each, far below
// anything that decides between layer counts, and a layer the readings do
// not see would otherwise be walked towards the box's edge for hundreds of
// steps.
constexpr double SlowGain = 2e-3;
constexpr int SlowStepsToStop = 2;

constexpr int DepthsInSpread = 5;
constexpr std::size_t GridStartsRun = 2;
constexpr int RaceSteps = 3;
constexpr std::size_t ReadingsToRank = 6;
constexpr double SplitContrast = 3.0;

using Positive = PositiveDefinite<Eigen::Dynamic>;

std::optional<Eigen::VectorXd> DampedStep(const Eigen::MatrixXd& normal,
                                          const Eigen::VectorXd& gradient, double damping) {
    const Eigen::VectorXd diagonal = normal.diagonal();
    // A parameter the readings do not see would leave no damping at all.
    const Eigen::VectorXd floor =
        Eigen::VectorXd::Constant(diagonal.size(), 1e-9 * std::max(diagonal.maxCoeff(), 0.0));
    Eigen::MatrixXd system = normal;
    system.diagonal() += damping * diagonal.cwiseMax(floor);
    const std::optional<Positive> factors = Positive::Of(system);
    if (!factors) {
        return std::nullopt;
    }
    return factors->Solve(-gradient);
}

// The damping's factor after a step `taken` that lowered the misfit by
// `gain`: eased where the linear model foretold the gain well, raised where
// it promised far more, so that few trial steps are thrown away.
double DampingAfter(const Eigen::MatrixXd& normal, const Eigen::VectorXd& gradient,
                    const Eigen::VectorXd& taken, double gain) {
    const double promised = -(2.0 * gradient.dot(taken) + taken.dot(normal * taken));
    const double ratio = gain / promised;
    if (ratio > 0.75) {
        return 1.0 / 3.0;
    }
    return ratio < 0.25 ? 2.0 : 1.0;
}

// Whether the undamped Gauss-Newton step promises to lower the misfit by
// less than a part in 1e12.
bool Stationary(const Eigen::MatrixXd& normal, const Eigen::VectorXd& gradient, double value) {
    const std::optional<Eigen::VectorXd> d = DampedStep(normal, gradient, 0.0);
    return d && -gradient.dot(*d) <= SmallestGain * value;
}

// The apparent resistivity read near a spacing, interpolated between the
// readings on logarithmic scales and held at the end readings beyond them.
class ApparentCurve {
public:
    explicit ApparentCurve(const std::vector<SoundingReading>& readings) {
        for (const SoundingReading& r : readings) {
            points.emplace_back(std::log(r.metres), std::log(r.ohmMetres));
        }
        std::sort(points.begin(), points.end());
    }

    double NearestSpacing() const { return std::exp(points.front().first); }
    double FarthestSpacing() const { return std::exp(points.back().first); }

    double LogOhmMetresAt(double metres) const {
        const double x = std::log(metres);
        if (x <= points.front().first) {
            return points.front().second;
        }
        if (x >= points.back().first) {
            return points.back().second;
        }
        const auto above = std::upper_bound(points.begin(), points.end(),
                                            std::make_pair(x, std::numeric_limits<double>::max()));
        const auto below = std::prev(above);
        const double share = (x - below->first) / (above->first - below->first);
        return below->second + share * (above->second - below->second);
    }

private:
    std::vector<std::pair<double, double>> points;
};

// Every choice of `count` of the depths, each in increasing order.
void Choose(const std::vector<double>& depths, std::size_t count, std::size_t from,
            std::vector<double>& chosen, std::vector<std::vector<double>>& all) {
    if (chosen.size() == count) {
        all.push_back(chosen);
        return;
    }
    for (std::size_t i = from; i < depths.size(); ++i) {
        chosen.push_back(depths[i]);
        Choose(depths, count, i + 1, chosen, all);
        chosen.pop_back();
    }
}

// Layers meeting at `interfaces` (depths in metres), each with the apparent
// resistivity read at about twice its middle depth: a spacing sees down to
// half of it or so. The apparent curve smooths every contrast; `sharpening`
// 1 doubles each layer's difference from its neighbours'.
LayeredEarth EarthFromCurve(const ApparentCurve& curve, const std::vector<double>& interfaces,
                            double sharpening) {
    const std::size_t layers = interfaces.size() + 1;
    std::vector<double> logRho(layers);
    for (std::size_t i = 0; i < layers; ++i) {
        double spacing = curve.NearestSpacing();
        if (i == layers - 1) {
            spacing = curve.FarthestSpacing();
        } else if (i > 0) {
            spacing = 2.0 * std::sqrt(interfaces[i - 1] * interfaces[i]);
        }
        logRho[i] = curve.LogOhmMetresAt(spacing);
    }
    LayeredEarth earth;
    for (std::size_t i = 0; i < layers; ++i) {
        double neighbours = 0.0;
        int count = 0;
        if (i > 0) {
            neighbours += logRho[i - 1];
            ++count;
        }
        if (i + 1 < layers) {
            neighbours += logRho[i + 1];
            ++count;
        }
        const double away = count == 0 ? 0.0 : logRho[i] - neighbours / count;
        earth.resistivities.push_back(std::exp(logRho[i] + sharpening * away));
    }
    double top = 0.0;
    for (const double depth : interfaces) {
        earth.thicknesses.push_back(depth - top);
        top = depth;
    }
    return earth;
}

std::vector<LayeredEarth> SpreadStarts(const ApparentCurve& curve, std::size_t layers) {
    const double low = std::log(curve.NearestSpacing() / 3.0);
    const double high = std::log(curve.FarthestSpacing());
    std::vector<double> depths;
    depths.reserve(DepthsInSpread);
    for (int i = 0; i < DepthsInSpread; ++i) {
        depths.push_back(std::exp(low + (high - low) * i / (DepthsInSpread - 1)));
    }
    std::vector<std::vector<double>> interfaceSets;
    std::vector<double> chosen;
    Choose(depths, layers - 1, 0, chosen, interfaceSets);
    std::vector<LayeredEarth> starts;
    for (const std::vector<double>& interfaces : interfaceSets) {
        starts.push_back(EarthFromCurve(curve, interfaces, 0.0));
        starts.push_back(EarthFromCurve(curve, interfaces, 1.0));
    }
    return starts;
}

// `earth` with its layer `layer` split in two, the lower half `ratio` times
// as resistive. The deepest layer is split at twice its depth, or at half the
// farthest spacing under a single layer.
LayeredEarth Split(const LayeredEarth& earth, std::size_t layer, double ratio,
                   double farthestSpacing) {
    LayeredEarth split = earth;
    const auto at = static_cast<std::ptrdiff_t>(layer);
    split.resistivities.insert(split.resistivities.begin() + at + 1,
                               earth.resistivities[layer] * ratio);
    if (layer < earth.thicknesses.size()) {
        split.thicknesses[layer] /= 2.0;
        split.thicknesses.insert(split.thicknesses.begin() + at, split.thicknesses[layer]);
    } else {
        double depth = 0.0;
        for (const double h : earth.thicknesses) {
            depth += h;
        }
        split.thicknesses.push_back(depth > 0.0 ? depth : farthestSpacing / 2.0);
    }
    return split;
}

// Levenberg-Marquardt a step at a time, so that several starts can race.
class DampedSearch {
public:
    DampedSearch(const LayeredObjective& objective, const LayerParameters& start)
        : objective(&objective), best{objective.Bounded(start), 0.0, {}} {
        best.linearised = objective.LinearisedAt(best.at);
        best.value = LayeredObjective::SumOfSquares(best.linearised.residuals);
        stopped = !std::isfinite(best.value);
    }

    const LayeredMinimum& Best() const { return best; }

    // Takes one step that lowers the misfit; false once none is left to take.
    bool Step() {
        stopped =
            stopped || steps >= MaxSteps || !(best.value > 0.0) || slowSteps >= SlowStepsToStop;
        if (stopped) {
            return false;
        }
        ++steps;
        const Eigen::MatrixXd& jacobian = best.linearised.jacobian;
        const Eigen::MatrixXd normal = jacobian.transpose() * jacobian;
        const Eigen::VectorXd gradient = jacobian.transpose() * best.linearised.residuals;
        if (!normal.allFinite() || Stationary(normal, gradient, best.value)) {
            stopped = true;
            return false;
        }
        bool lowered = false;
        LayeredMinimum next;
        while (!lowered && damping <= LargestDamping) {
            if (const std::optional<Eigen::VectorXd> d = DampedStep(normal, gradient, damping)) {
                next.at = objective->Bounded(best.at + *d);
                // A step is kept far more often than not: its slopes come
                // with its residuals.
                next.linearised = objective->LinearisedAt(next.at);
                next.value = LayeredObjective::SumOfSquares(next.linearised.residuals);
                lowered = next.value < best.value;
            }
            damping *=
                lowered ? DampingAfter(normal, gradient, next.at - best.at, best.value - next.value)
                        : 4.0;
        }
        if (!lowered) {
            stopped = true;
            return false;
        }
        slowSteps = best.value - next.value <= SlowGain * best.value ? slowSteps + 1 : 0;
        best = std::move(next);
        return true;
    }

private:
    const LayeredObjective* objective;
    LayeredMinimum best;
    double damping = FirstDamping;
    int steps = 0;
    int slowSteps = 0;
    bool stopped = false;
};

// The starts are only ranked, not fitted: readings spread across the
// spacings rank them nearly as all would, for a fraction of the work.
Sounding RankingSample(const Sounding& sounding) {
    const std::size_t count = sounding.readings.size();
    if (count <= ReadingsToRank) {
        return sounding;
    }
    std::vector<SoundingReading> bySpacing = sounding.readings;
    std::sort(
        bySpacing.begin(), bySpacing.end(),
        [](const SoundingReading& a, const SoundingReading& b) { return a.metres < b.metres; });
    Sounding sample{sounding.array, {}};
    for (std::size_t i = 0; i < ReadingsToRank; ++i) {
        sample.readings.push_back(bySpacing[i * (count - 1) / (ReadingsToRank - 1)]);
    }
    return sample;
}

// `fewerLayers` with a layer split in two alike: the same earth whichever
// layer is split, so that it reads the same and needs no ranking, unless the
// box cuts a split short. The deepest is tried first: its split adds an
// interface below all others, where the box has room.
LayeredMinimum PlainSplit(const LayeredObjective& objective, const LayeredObjective& ranking,
                          const LayeredEarth& fewerLayers, double farthestSpacing) {
    std::optional<LayeredMinimum> lowest;
    for (std::size_t layer = fewerLayers.resistivities.size(); layer-- > 0;) {
        const LayerParameters whole =
            objective.ParametersOf(Split(fewerLayers, layer, 1.0, farthestSpacing));
        const LayerParameters at = objective.Bounded(whole);
        if (at == whole) {
            return {at, 0.0, {}};
        }
        const LayeredMinimum cut{at, ranking.Value(at), {}};
        if (!lowest || cut.value < lowest->value) {
            lowest = cut;
        }
    }
    return *lowest;
}

} // namespace

LayeredMinimum BestLayers(const LayeredObjective& objective,
                          const std::optional<LayeredEarth>& fewerLayers) {
    const ApparentCurve curve(objective.Survey().readings);
    const LayeredObjective ranking(RankingSample(objective.Survey()), objective.Layers());
    std::vector<LayeredMinimum> starts;
    const auto addStart = [&](const LayeredEarth& earth) {
        const LayerParameters at = objective.Bounded(objective.ParametersOf(earth));
        starts.push_back({at, ranking.Value(at), {}});
    };
    for (const LayeredEarth& earth : SpreadStarts(curve, objective.Layers())) {
        addStart(earth);
    }
    std::optional<LayeredMinimum> plainSplit;
    if (fewerLayers) {
        plainSplit = PlainSplit(objective, ranking, *fewerLayers, curve.FarthestSpacing());
        for (std::size_t layer = 0; layer < fewerLayers->resistivities.size(); ++layer) {
            addStart(Split(*fewerLayers, layer, SplitContrast, curve.FarthestSpacing()));
            addStart(Split(*fewerLayers, layer, 1.0 / SplitContrast, curve.FarthestSpacing()));
        }
    }
    const std::size_t run = std::min(GridStartsRun, starts.size());
    std::partial_sort(
        starts.begin(), starts.begin() + static_cast<std::ptrdiff_t>(run), starts.end(),
        [](const LayeredMinimum& a, const LayeredMinimum& b) { return a.value < b.value; });
    starts.resize(run);
    if (plainSplit) {
        starts.push_back(*plainSplit);
    }
    // Every start runs a few steps, and only the lowest then runs on: most
    // starts fall into the same few valleys, and a few steps tell which.
    std::vector<DampedSearch> searches;
    searches.reserve(starts.size());
    for (const LayeredMinimum& start : starts) {
        searches.emplace_back(objective, start.at);
    }
    for (int step = 0; step < RaceSteps; ++step) {
        for (DampedSearch& search : searches) {
            search.Step();
        }
    }
    // The spread always holds one start at least.
    DampedSearch& lowest = *std::min_element(searches.begin(), searches.end(),
                                             [](const DampedSearch& a, const DampedSearch& b) {
                                                 return a.Best().value < b.Best().value;
                                             });
    while (lowest.Step()) {
    }
    return lowest.Best();
}

} // namespace stakewell::soil
