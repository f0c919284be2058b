#include "soil/TwoLayerGrounding.h"

#include "soil/PositiveDefinite.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <future>
#include <limits>
#include <map>
#include <numbers>
#include <system_error>
#include <thread>
#include <utility>

namespace stakewell::soil {
namespace {

// The potential at depth z of one ampere leaving a point at depth z' of
// two-layer ground (rho1 from the surface to h, rho2 below, K = (rho2 - rho1)
// / (rho2 + rho1)), with R(u) = sqrt(r^2 + u^2), r the horizontal distance,
// and the sums over n >= 0 unless marked:
//
//   both in the upper layer:
//     rho1/(4 pi) sum over every integer n of
//       K^|n| [1/R(z - z' + 2nh) + 1/R(z + z' + 2nh)]
//   observer below, source above:
//     rho1 (1 + K)/(4 pi) sum of K^n [1/R(z - z' + 2nh) + 1/R(z + z' + 2nh)]
//   observer above, source below (the same by reciprocity):
//     rho1 (1 + K)/(4 pi) sum of K^n [1/R(z - z' - 2nh) + 1/R(z + z' + 2nh)]
//   both in the lower layer:
//     rho2/(4 pi) [1/R(z - z') - K/R(z + z' - 2h)
//                  + (1 - K^2) sum of K^n/R(z + z' + 2nh)]
//
// Each satisfies Laplace's equation in the observer's layer away from the
// source, has no vertical gradient at the surface, and together they keep the
// potential and the normal current (1/rho dV/dz) continuous across z = h;
// rho1 (1 + K) = rho2 (1 - K) = 2 rho1 rho2 / (rho1 + rho2). Every term is a
// point at the image depth s z' + c (s = +-1), so a straight source piece
// has straight images: the piece with its depths mapped by z -> s z + c.
struct Image {
    double weight = 0.0;
    double sign = 1.0;
    double shift = 0.0;
};

struct ImageOrder {
    std::array<Image, 4> images{};
    std::size_t count = 0;

    void Add(double weight, double sign, double shift) {
        images.at(count++) = {weight, sign, shift};
    }
};

enum class Layer : std::uint8_t { Upper, Lower };

// The images of order n (weight `power` = K^n apart from the order-0 terms),
// for the layers of observer and source.
ImageOrder ImagesOfOrder(int n, Layer observer, Layer source, double k, double power,
                         double depth) {
    const double shift = 2.0 * n * depth;
    ImageOrder order;
    if (observer == Layer::Upper && source == Layer::Upper) {
        if (n == 0) {
            order.Add(1.0, 1.0, 0.0);
            order.Add(1.0, -1.0, 0.0);
        } else {
            order.Add(power, 1.0, -shift);
            order.Add(power, 1.0, shift);
            order.Add(power, -1.0, -shift);
            order.Add(power, -1.0, shift);
        }
    } else if (observer == Layer::Lower && source == Layer::Upper) {
        order.Add(power, 1.0, -shift);
        order.Add(power, -1.0, -shift);
    } else if (observer == Layer::Upper) {
        order.Add(power, 1.0, shift);
        order.Add(power, -1.0, -shift);
    } else {
        if (n == 0) {
            order.Add(1.0, 1.0, 0.0);
            order.Add(-k, -1.0, 2.0 * depth);
        }
        order.Add((1.0 - (k * k)) * power, -1.0, -shift);
    }
    return order;
}

double Prefactor(Layer observer, Layer source, const TwoLayerSoil& soil, double k) {
    if (observer == Layer::Upper && source == Layer::Upper) {
        return soil.upperOhmMetres;
    }
    if (observer == Layer::Lower && source == Layer::Lower) {
        return soil.lowerOhmMetres;
    }
    return soil.upperOhmMetres * (1.0 + k);
}

Layer LayerOf(const Conductor& piece, double depth) {
    return (piece.line.start.z + piece.line.end.z) / 2.0 <= depth ? Layer::Upper : Layer::Lower;
}

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

// Orders past the first that the series needs before |K|^n falls below
// SeriesEnd; 0 for K = 0.
double OrdersNeeded(double k) {
    if (k == 0.0) {
        return 0.0;
    }
    return std::ceil(std::log(SeriesEnd) / std::log(std::fabs(k)));
}

// The orders summed term by term: until the images lie four times deeper
// than the pair's reach (horizontal distance, lengths and twice the deeper
// depth), where an order's images all stand about 2nh down and its sum falls
// smoothly with n; or until the series ends, if sooner.
int OrdersSummed(const Conductor& observer, const Conductor& source, double depth, int needed) {
    const LineSegment& o = observer.line;
    const LineSegment& s = source.line;
    const double across = std::hypot((o.start.x + o.end.x - s.start.x - s.end.x) / 2.0,
                                     (o.start.y + o.end.y - s.start.y - s.end.y) / 2.0);
    const double deepest = std::max({o.start.z, o.end.z, s.start.z, s.end.z});
    const double reach = across + ((Length(o) + Length(s)) / 2.0) + (2.0 * deepest);
    const double far = std::ceil(2.0 * reach / depth);
    const int summed =
        far < MaxOrdersSummed ? std::max(static_cast<int>(far), MinOrdersSummed) : MaxOrdersSummed;
    return std::min(summed, needed);
}

// The rest of the series past the last order summed. Far down, an order's
// images all stand near 2nh deep, and its sum over K^n is close to that of one
// image, A/sqrt((n + b)^2 + c): 1/sum^2 is a quadratic in n, fitted to the
// last three orders; the rest is summed with it to where the series ends.
struct LastOrders {
    std::array<double, 3> sums{};
    double power = 0.0; // K^n of the last
    int summed = 0;     // its n
    int remaining = 0;  // orders left to the series' end
};

// Over j = 0 .. length - 1: the sum of K^j, and the mean of j weighted so;
// and K^length.
struct Block {
    double weight = 0.0;
    double centre = 0.0;
    double next = 0.0;
};

Block BlockOf(double k, int length) {
    if (length <= 16) {
        double weight = 0.0;
        double moment = 0.0;
        double power = 1.0;
        for (int j = 0; j < length; ++j) {
            weight += power;
            moment += j * power;
            power *= k;
        }
        return {weight, moment / weight, power};
    }
    const double last = std::pow(k, length - 1);
    const double all = last * k;
    const double weight = (1.0 - all) / (1.0 - k);
    const double moment =
        k * (1.0 - (length * last) + ((length - 1) * all)) / ((1.0 - k) * (1.0 - k));
    return {weight, moment / weight, all};
}

// The fitted form changes over some (n + b) orders: the rest is summed in
// blocks a small part of that long, each as its weight of K^j times the form
// at its weighted centre, which is exact for a form straight across the block
// and leaves the square of the part, some 1e-4 of the rest, otherwise. A
// contrast near 1 in K so sums its hundreds of thousands of orders in a few
// hundred blocks.
constexpr int BlocksPerScale = 256;

double SeriesRest(double k, const LastOrders& last) {
    std::array<double, 3> inverseSquare{};
    double weight = last.power / (k * k);
    for (std::size_t i = 0; i < last.sums.size(); ++i) {
        const double amplitude = last.sums.at(i) / weight;
        inverseSquare.at(i) = 1.0 / (amplitude * amplitude);
        weight *= k;
    }
    const double now = inverseSquare[2];
    const double curve = (inverseSquare[0] - (2.0 * inverseSquare[1]) + now) / 2.0;
    const double slope = curve + now - inverseSquare[1];
    double rest = 0.0;
    double power = k;
    int m = 1;
    while (m <= last.remaining) {
        const int length =
            std::clamp((m + last.summed) / BlocksPerScale, 1, last.remaining - m + 1);
        const Block block = BlockOf(k, length);
        const double at = m + block.centre;
        const double fitted = (((curve * at) + slope) * at) + now;
        if (!(fitted > 0.0)) {
            break;
        }
        rest += power * block.weight * std::sqrt(now / fitted);
        power *= block.next;
        m += length;
    }
    return last.sums[2] * rest;
}

double PairResistance(const TwoLayerSoil& soil, double k, const Conductor& observer,
                      const Conductor& source) {
    const double depth = soil.upperDepthMetres;
    const Layer observerLayer = LayerOf(observer, depth);
    const Layer sourceLayer = LayerOf(source, depth);
    const ImageMeans means(observer.line, source.line,
                           std::max(observer.radiusMetres, source.radiusMetres));
    const auto orderSum = [&](int n, double power) {
        const ImageOrder order = ImagesOfOrder(n, observerLayer, sourceLayer, k, power, depth);
        double sum = 0.0;
        for (std::size_t i = 0; i < order.count; ++i) {
            const Image& image = order.images.at(i);
            sum += image.weight * means.ToImage(image.sign, image.shift);
        }
        return sum;
    };
    const int needed = static_cast<int>(OrdersNeeded(k));
    const int orders = OrdersSummed(observer, source, depth, needed);
    LastOrders last;
    double total = orderSum(0, 1.0);
    double power = 1.0;
    for (int n = 1; n <= orders; ++n) {
        power *= k;
        const double sum = orderSum(n, power);
        last.sums = {last.sums[1], last.sums[2], sum};
        total += sum;
    }
    if (needed > orders) {
        last.power = power;
        last.summed = orders;
        last.remaining = needed - orders;
        total += SeriesRest(k, last);
    }
    return Prefactor(observerLayer, sourceLayer, soil, k) * total / (4.0 * std::numbers::pi);
}

// A pair's resistance depends only on its shape up to a horizontal turn,
// shift or mirror: the depths of its four ends, the horizontal distances
// between them and the radii, rounded to a nanometre. Rods in a row or around
// a ring repeat a few such shapes many times.
using PairShape = std::array<std::int64_t, 12>;

std::int64_t Nanometres(double metres) {
    return std::llround(metres * 1e9);
}

double HorizontalDistance(const GroundPoint& p, const GroundPoint& q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

// One conductor's part of a pair's shape, in nanometres: its ends' depths,
// its radius and its horizontal span.
struct EndsShape {
    std::array<std::int64_t, 2> depths{};
    std::int64_t radius = 0;
    std::int64_t span = 0;
};

EndsShape EndsOf(const Conductor& conductor) {
    return {{Nanometres(conductor.line.start.z), Nanometres(conductor.line.end.z)},
            Nanometres(conductor.radiusMetres),
            Nanometres(HorizontalDistance(conductor.line.start, conductor.line.end))};
}

// The least of the shapes the pair takes with either conductor first and
// either end of each first: a turn of the pair only reorders the distances,
// which are measured once.
PairShape CanonicalShape(const Conductor& a, const Conductor& b) {
    const std::array<EndsShape, 2> ends{EndsOf(a), EndsOf(b)};
    const std::array<GroundPoint, 2> aEnds{a.line.start, a.line.end};
    const std::array<GroundPoint, 2> bEnds{b.line.start, b.line.end};
    std::array<std::array<std::int64_t, 2>, 2> across{};
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            across.at(i).at(j) = Nanometres(HorizontalDistance(aEnds.at(i), bEnds.at(j)));
        }
    }
    PairShape best{};
    bool first = true;
    for (const std::size_t swap : {0U, 1U}) {
        const EndsShape& p = ends.at(swap);
        const EndsShape& q = ends.at(1 - swap);
        // Between end i of the first and end j of the second.
        const auto distance = [&](std::size_t i, std::size_t j) {
            return swap == 0 ? across.at(i).at(j) : across.at(j).at(i);
        };
        for (const std::size_t p0 : {0U, 1U}) {
            for (const std::size_t q0 : {0U, 1U}) {
                const std::size_t p1 = 1 - p0;
                const std::size_t q1 = 1 - q0;
                const PairShape shape{p.depths.at(p0),  p.depths.at(p1),  q.depths.at(q0),
                                      q.depths.at(q1),  p.radius,         q.radius,
                                      p.span,           q.span,           distance(p0, q0),
                                      distance(p0, q1), distance(p1, q0), distance(p1, q1)};
                if (first || shape < best) {
                    best = shape;
                    first = false;
                }
            }
        }
    }
    return best;
}

// A part of a conductor wholly in one layer, and its share of the
// conductor's current.
struct Part {
    Conductor piece;
    double share = 1.0;
};

// A conductor's leakage is uniform along each part, and the parts' densities
// stand in the ratio of the layers' conductivities, as they do along a long
// conductor away from the boundary. One uniform density over both would force
// the current of a rod reaching a far more conductive layer through the
// resistive one (for a contrast of 100 to 1, a rod's resistance several times
// too high); a current of each part's own would jump into being as a tip
// crosses the boundary.
std::vector<Part> PartsInLayers(const Conductor& conductor, const TwoLayerSoil& soil) {
    const double depth = soil.upperDepthMetres;
    const GroundPoint& start = conductor.line.start;
    const GroundPoint& end = conductor.line.end;
    if (!(std::min(start.z, end.z) < depth && depth < std::max(start.z, end.z))) {
        return {{conductor, 1.0}};
    }
    const double fraction = (depth - start.z) / (end.z - start.z);
    const GroundPoint cut{start.x + (fraction * (end.x - start.x)),
                          start.y + (fraction * (end.y - start.y)), depth};
    const bool startUpper = start.z < depth;
    const double startWeight = fraction / (startUpper ? soil.upperOhmMetres : soil.lowerOhmMetres);
    const double endWeight =
        (1.0 - fraction) / (startUpper ? soil.lowerOhmMetres : soil.upperOhmMetres);
    const double startShare = startWeight / (startWeight + endWeight);
    return {{{{start, cut}, conductor.radiusMetres}, startShare},
            {{{cut, end}, conductor.radiusMetres}, 1.0 - startShare}};
}

// Pieces' resistances, each pair's computed once for every pair of its shape.
// Shapes are told apart in whole nanometres of 64 bits: a conductor further
// out than ShapeReach has its pairs computed each on its own.
constexpr double ShapeReach = 1e9;

bool Keyable(const Conductor& conductor) {
    const auto within = [](const GroundPoint& p) {
        return std::fabs(p.x) < ShapeReach && std::fabs(p.y) < ShapeReach &&
               std::fabs(p.z) < ShapeReach;
    };
    return within(conductor.line.start) && within(conductor.line.end) &&
           std::fabs(conductor.radiusMetres) < ShapeReach;
}

// The pieces' pairs of several sets of conductors, each shape listed once
// where it is first met, and for every pair of pieces, in the order the
// matrices are summed, which listed pair gives its resistance.
class PairList {
public:
    void Add(const Conductor& observer, const Conductor& source) {
        if (!Keyable(observer) || !Keyable(source)) {
            uses.push_back(List(observer, source));
            return;
        }
        const auto [found, added] =
            known.try_emplace(CanonicalShape(observer, source), pairs.size());
        if (added) {
            List(observer, source);
        }
        uses.push_back(found->second);
    }

    const std::vector<std::pair<Conductor, Conductor>>& Pairs() const { return pairs; }
    const std::vector<std::size_t>& Uses() const { return uses; }

private:
    std::size_t List(const Conductor& observer, const Conductor& source) {
        pairs.emplace_back(observer, source);
        return pairs.size() - 1;
    }

    std::vector<std::pair<Conductor, Conductor>> pairs;
    std::vector<std::size_t> uses;
    std::map<PairShape, std::size_t> known;
};

// A pair takes some tens of microseconds and a thread about as long to
// start: a helper is worth its start only with a share of a dozen pairs or
// more, a single rod's few are summed where they are asked for.
constexpr std::size_t PairsPerThread = 16;
constexpr unsigned MaxThreads = 8;

// The pairs share nothing, so they are computed on as many threads as the
// machine offers, each taking the next pair not yet taken; every figure is
// the same whichever thread computes it.
std::vector<double> PairResistances(const TwoLayerSoil& soil, double k,
                                    const std::vector<std::pair<Conductor, Conductor>>& pairs) {
    std::vector<double> resistances(pairs.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < pairs.size(); i = next++) {
            resistances[i] = PairResistance(soil, k, pairs[i].first, pairs[i].second);
        }
    };
    const auto threads =
        static_cast<std::size_t>(std::clamp(std::thread::hardware_concurrency(), 1U, MaxThreads));
    const std::size_t helpers =
        std::max<std::size_t>(std::min(threads, pairs.size() / PairsPerThread), 1) - 1;
    std::vector<std::future<void>> helping;
    try {
        for (std::size_t t = 0; t < helpers; ++t) {
            helping.push_back(std::async(std::launch::async, work));
        }
    } catch (const std::system_error&) {
        // No thread to spare: this one takes whatever the others do not.
    }
    work();
    for (std::future<void>& helper : helping) {
        helper.get();
    }
    return resistances;
}

} // namespace

std::vector<Eigen::MatrixXd> MutualResistances(const TwoLayerSoil& soil,
                                               const std::vector<std::vector<Conductor>>& sets) {
    std::vector<Eigen::MatrixXd> matrices;
    matrices.reserve(sets.size());
    for (const std::vector<Conductor>& conductors : sets) {
        const auto size = static_cast<Eigen::Index>(conductors.size());
        matrices.emplace_back(size, size);
    }
    const double k = ReflectionFactor(soil);
    if (std::isnan(k) || !Positive(soil.upperDepthMetres) || OrdersNeeded(k) > MaxSeriesTerms) {
        for (Eigen::MatrixXd& matrix : matrices) {
            matrix.setConstant(std::numeric_limits<double>::quiet_NaN());
        }
        return matrices;
    }
    std::vector<std::vector<std::vector<Part>>> setParts;
    setParts.reserve(sets.size());
    for (const std::vector<Conductor>& conductors : sets) {
        std::vector<std::vector<Part>>& parts = setParts.emplace_back();
        parts.reserve(conductors.size());
        for (const Conductor& conductor : conductors) {
            parts.push_back(PartsInLayers(conductor, soil));
        }
    }
    // Listed in the very order they are summed in below.
    PairList list;
    for (const std::vector<std::vector<Part>>& parts : setParts) {
        for (std::size_t i = 0; i < parts.size(); ++i) {
            for (std::size_t j = i; j < parts.size(); ++j) {
                for (const Part& observer : parts[i]) {
                    for (const Part& source : parts[j]) {
                        list.Add(observer.piece, source.piece);
                    }
                }
            }
        }
    }
    const std::vector<double> pairs = PairResistances(soil, k, list.Pairs());
    auto use = list.Uses().begin();
    for (std::size_t set = 0; set < sets.size(); ++set) {
        const std::vector<std::vector<Part>>& parts = setParts[set];
        Eigen::MatrixXd& resistances = matrices[set];
        for (std::size_t i = 0; i < parts.size(); ++i) {
            for (std::size_t j = i; j < parts.size(); ++j) {
                double sum = 0.0;
                for (const Part& observer : parts[i]) {
                    for (const Part& source : parts[j]) {
                        sum += observer.share * source.share * pairs[*use++];
                    }
                }
                const auto observerIndex = static_cast<Eigen::Index>(i);
                const auto sourceIndex = static_cast<Eigen::Index>(j);
                resistances(observerIndex, sourceIndex) = sum;
                resistances(sourceIndex, observerIndex) = sum;
            }
        }
    }
    return matrices;
}

Eigen::MatrixXd MutualResistances(const TwoLayerSoil& soil,
                                  const std::vector<Conductor>& conductors) {
    return MutualResistances(soil, std::vector<std::vector<Conductor>>{conductors}).front();
}

std::optional<Eigen::VectorXd> CurrentsAtOneVolt(const Eigen::MatrixXd& resistances) {
    if (resistances.size() == 0) {
        return std::nullopt;
    }
    const auto factors = PositiveDefinite<Eigen::Dynamic>::Of(resistances);
    if (!factors) {
        return std::nullopt;
    }
    return factors->Solve(Eigen::VectorXd::Ones(resistances.rows()));
}

double JoinedResistance(const Eigen::MatrixXd& resistances) {
    const std::optional<Eigen::VectorXd> currents = CurrentsAtOneVolt(resistances);
    if (!currents) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return 1.0 / currents->sum();
}

} // namespace stakewell::soil
