#include "soil/LineSegmentPotential.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace stakewell::soil {
namespace {

GroundPoint Minus(const GroundPoint& p, const GroundPoint& q) {
    return {p.x - q.x, p.y - q.y, p.z - q.z};
}

GroundPoint Plus(const GroundPoint& p, const GroundPoint& q) {
    return {p.x + q.x, p.y + q.y, p.z + q.z};
}

GroundPoint Scaled(const GroundPoint& p, double factor) {
    return {p.x * factor, p.y * factor, p.z * factor};
}

double Dot(const GroundPoint& p, const GroundPoint& q) {
    return (p.x * q.x) + (p.y * q.y) + (p.z * q.z);
}

GroundPoint Cross(const GroundPoint& p, const GroundPoint& q) {
    return {(p.y * q.z) - (p.z * q.y), (p.z * q.x) - (p.x * q.z), (p.x * q.y) - (p.y * q.x)};
}

double Norm(const GroundPoint& p) {
    return std::sqrt(Dot(p, p));
}

// The nodes and weights of Gauss-Legendre quadrature on [0, 1].
template <std::size_t Order> struct GaussRule {
    std::array<double, Order> nodes{};
    std::array<double, Order> weights{};

    GaussRule() {
        constexpr int n = static_cast<int>(Order);
        for (int i = 0; i < n; ++i) {
            double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5));
            double slope = 0.0;
            for (int step = 0; step < 100; ++step) {
                double previous = 1.0;
                double current = x;
                for (int k = 2; k <= n; ++k) {
                    const double next =
                        (((2.0 * k - 1.0) * x * current) - ((k - 1.0) * previous)) / k;
                    previous = current;
                    current = next;
                }
                slope = n * ((x * current) - previous) / ((x * x) - 1.0);
                const double shift = current / slope;
                x -= shift;
                if (std::fabs(shift) < 1e-16) {
                    break;
                }
            }
            nodes.at(i) = (1.0 - x) / 2.0;
            weights.at(i) = 1.0 / ((1.0 - (x * x)) * slope * slope);
        }
    }
};

template <std::size_t Order> const GaussRule<Order>& Rule() {
    static const GaussRule<Order> rule;
    return rule;
}

// sqrt(a^2 + b^2). std::hypot guards against overflow and underflow of the
// squares at several times the cost, and only lengths no conductor in the
// ground has (beyond 1e150 metres, or under 1e-150) come near them.
double Hypot(double a, double b) {
    const double larger = std::max(std::fabs(a), std::fabs(b));
    if (larger < 1e150 && larger > 1e-150) {
        return std::sqrt((a * a) + (b * b));
    }
    return std::hypot(a, b);
}

// sqrt(1 + x^2), as Hypot(1, x) gives it: beyond 1e150 the 1 is lost anyway.
double RootOfOnePlusSquare(double x) {
    return std::fabs(x) < 1e150 ? std::sqrt(1.0 + (x * x)) : std::fabs(x);
}

// asinh(b) - asinh(a) for a <= b, without the loss of digits the plain
// difference suffers when both are large and of one sign.
double AsinhDifference(double a, double b) {
    if (b < 0.0) {
        return AsinhDifference(-b, -a);
    }
    if (a < 0.0) {
        return std::asinh(b) - std::asinh(a);
    }
    const double rootA = RootOfOnePlusSquare(a);
    const double rootB = RootOfOnePlusSquare(b);
    const double growth = (b - a) * (1.0 + ((a + b) / (rootA + rootB))) / (a + rootA);
    return std::log1p(growth);
}

Direction DirectionOf(const LineSegment& segment) {
    const GroundPoint along = Minus(segment.end, segment.start);
    const double length = Norm(along);
    return {Scaled(along, 1.0 / length), length};
}

// The integral of 1/sqrt(r^2 + a^2) along the whole of a source segment, r
// the distance from `point`.
double PotentialAt(const GroundPoint& point, const LineSegment& source, const Direction& along,
                   double radius) {
    const GroundPoint offset = Minus(point, source.start);
    const double foot = Dot(offset, along.unit);
    const double perpendicular = std::max(Dot(offset, offset) - (foot * foot), 0.0);
    const double spread = std::sqrt(perpendicular + (radius * radius));
    return AsinhDifference(-foot / spread, (along.length - foot) / spread);
}

// Twice-integrated kernel of two parallel lines a distance `spread` apart.
double ParallelPrimitive(double u, double spread) {
    return (u * std::asinh(u / spread)) - Hypot(u, spread);
}

double ParallelMean(const LineSegment& observer, const Direction& o, const LineSegment& source,
                    const Direction& s, double radius) {
    const GroundPoint offset = Minus(source.start, observer.start);
    const double first = Dot(offset, o.unit);
    const double second = Dot(Minus(source.end, observer.start), o.unit);
    const double perpendicular = std::max(Dot(offset, offset) - (first * first), 0.0);
    const double spread = std::sqrt(perpendicular + (radius * radius));
    const double low = std::min(first, second);
    const double high = std::max(first, second);
    const double integral = ParallelPrimitive(o.length - low, spread) -
                            ParallelPrimitive(o.length - high, spread) -
                            ParallelPrimitive(-low, spread) + ParallelPrimitive(-high, spread);
    return integral / (o.length * s.length);
}

// Two segments far apart beside their lengths: the centres' inverse distance
// and its quadrupole correction. Odd orders vanish, so what is left is of the
// fourth power of length over distance, parts in 1e6 at FarRatio. The squares
// are the segments' second moments, length^2 / 12.
double FarMean(const GroundPoint& between, double distanceSquare, const GroundPoint& oUnit,
               double oSquare, const GroundPoint& sUnit, double sSquare) {
    const double alongO = Dot(between, oUnit);
    const double alongS = Dot(between, sUnit);
    const double quadrupole =
        ((3.0 * ((alongO * alongO * oSquare) + (alongS * alongS * sSquare))) / distanceSquare) -
        (oSquare + sSquare);
    return (1.0 + (quadrupole / (2.0 * distanceSquare))) / std::sqrt(distanceSquare);
}

GroundPoint Centre(const LineSegment& segment) {
    return Scaled(Plus(segment.start, segment.end), 0.5);
}

// The parameter (0 to 1) of the point of `observer` nearest to `source`, and
// the distance there.
struct Nearest {
    double fraction = 0.0;
    double distance = 0.0;
};

Nearest NearestApproach(const LineSegment& observer, const LineSegment& source) {
    const GroundPoint d1 = Minus(observer.end, observer.start);
    const GroundPoint d2 = Minus(source.end, source.start);
    const GroundPoint r = Minus(observer.start, source.start);
    const double a = Dot(d1, d1);
    const double e = Dot(d2, d2);
    const double f = Dot(d2, r);
    const double c = Dot(d1, r);
    const double b = Dot(d1, d2);
    const double denominator = (a * e) - (b * b);
    double s =
        denominator > 1e-12 * a * e ? std::clamp(((b * f) - (c * e)) / denominator, 0.0, 1.0) : 0.0;
    double t = ((b * s) + f) / e;
    if (t < 0.0) {
        t = 0.0;
        s = std::clamp(-c / a, 0.0, 1.0);
    } else if (t > 1.0) {
        t = 1.0;
        s = std::clamp((b - c) / a, 0.0, 1.0);
    }
    const GroundPoint gap =
        Minus(Plus(observer.start, Scaled(d1, s)), Plus(source.start, Scaled(d2, t)));
    return {s, Norm(gap)};
}

template <std::size_t Order>
double GaussMean(const LineSegment& observer, const Direction& o, const LineSegment& source,
                 const Direction& s, double radius) {
    const GaussRule<Order>& rule = Rule<Order>();
    double sum = 0.0;
    for (std::size_t i = 0; i < Order; ++i) {
        const GroundPoint point = Plus(observer.start, Scaled(o.unit, rule.nodes[i] * o.length));
        sum += rule.weights[i] * PotentialAt(point, source, s, radius);
    }
    return sum / s.length;
}

// Where the source touches or nearly touches the observer, the potential
// along the observer peaks there like a logarithm, rounded off over the
// radius and bent again at the source's ends. Each side of that point is cut
// into pieces shrinking geometrically towards it, down to a small part of the
// radius, each smooth enough across itself for Gauss. A source that passes
// at a distance rounds the peak off over that distance as well: pieces
// shorter than a quarter of it leave Gauss nothing to gain.
constexpr double PieceRatio = 0.25;
constexpr double FinestPiece = 0.05;
constexpr double FinestOfDistance = 0.25;

double GradedMean(const LineSegment& observer, const Direction& o, const LineSegment& source,
                  const Direction& s, double radius, const Nearest& nearest) {
    const GaussRule<8>& rule = Rule<8>();
    const double peak = nearest.fraction * o.length;
    const double finest =
        std::max({FinestPiece * radius, FinestOfDistance * nearest.distance, 1e-12 * o.length});
    const auto piece = [&](double from, double to) {
        double sum = 0.0;
        for (std::size_t i = 0; i < rule.nodes.size(); ++i) {
            const double along = from + (rule.nodes[i] * (to - from));
            sum += rule.weights[i] *
                   PotentialAt(Plus(observer.start, Scaled(o.unit, along)), source, s, radius);
        }
        return sum * (to - from);
    };
    double sum = 0.0;
    for (const double side : {-1.0, 1.0}) {
        double reach = side < 0.0 ? peak : o.length - peak;
        while (reach > finest) {
            const double inner = reach * PieceRatio;
            sum += piece(peak + (side * inner), peak + (side * reach)) * side;
            reach = inner;
        }
        if (reach > 0.0) {
            sum += piece(peak, peak + (side * reach)) * side;
        }
    }
    return sum / (o.length * s.length);
}

constexpr double FarRatio = 12.0;
constexpr double ParallelSine = 1e-9;

bool Parallel(const GroundPoint& oUnit, const GroundPoint& sUnit) {
    return Norm(Cross(oUnit, sUnit)) < ParallelSine;
}

// MeanInverseDistance of segments too close for FarMean.
double NearMean(const LineSegment& observer, const Direction& o, const LineSegment& source,
                const Direction& s, double radius, bool parallel) {
    if (parallel) {
        return ParallelMean(observer, o, source, s, radius);
    }
    const Nearest nearest = NearestApproach(observer, source);
    if (nearest.distance >= 4.0 * o.length) {
        return GaussMean<4>(observer, o, source, s, radius);
    }
    if (nearest.distance >= o.length) {
        return GaussMean<8>(observer, o, source, s, radius);
    }
    return GradedMean(observer, o, source, s, radius, nearest);
}

// MeanInverseDistance from an observer whose direction is known.
double MeanFrom(const LineSegment& observer, const Direction& o, const LineSegment& source,
                double radius) {
    const Direction s = DirectionOf(source);
    const GroundPoint between = Minus(Centre(observer), Centre(source));
    const double distanceSquare = Dot(between, between);
    const double far = FarRatio * (o.length + s.length) / 2.0;
    if (distanceSquare > far * far) {
        return FarMean(between, distanceSquare, o.unit, o.length * o.length / 12.0, s.unit,
                       s.length * s.length / 12.0);
    }
    return NearMean(observer, o, source, s, radius, Parallel(o.unit, s.unit));
}

} // namespace

double Length(const LineSegment& segment) {
    return Norm(Minus(segment.end, segment.start));
}

double MeanInverseDistance(const LineSegment& observer, const LineSegment& source, double radius) {
    return MeanFrom(observer, DirectionOf(observer), source, radius);
}

ImageMeans::ImageMeans(const LineSegment& observer, const LineSegment& source, double radius)
    : observer(observer), source(source), radius(radius), observerCentre(Centre(observer)),
      sourceCentre(Centre(source)), observerDirection(DirectionOf(observer)),
      sourceDirection(DirectionOf(source)) {
    observerSquare = observerDirection.length * observerDirection.length / 12.0;
    sourceSquare = sourceDirection.length * sourceDirection.length / 12.0;
    const double far = FarRatio * (observerDirection.length + sourceDirection.length) / 2.0;
    farSquare = far * far;
}

double ImageMeans::ToImage(double sign, double shift) const {
    const GroundPoint between{observerCentre.x - sourceCentre.x, observerCentre.y - sourceCentre.y,
                              observerCentre.z - ((sign * sourceCentre.z) + shift)};
    const double distanceSquare = Dot(between, between);
    if (distanceSquare > farSquare) {
        const GroundPoint imageUnit{sourceDirection.unit.x, sourceDirection.unit.y,
                                    sign * sourceDirection.unit.z};
        return FarMean(between, distanceSquare, observerDirection.unit, observerSquare, imageUnit,
                       sourceSquare);
    }
    LineSegment image = source;
    image.start.z = (sign * source.start.z) + shift;
    image.end.z = (sign * source.end.z) + shift;
    return MeanFrom(observer, observerDirection, image, radius);
}

} // namespace stakewell::soil
