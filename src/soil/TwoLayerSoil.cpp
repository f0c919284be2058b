#include "soil/TwoLayerSoil.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stakewell::soil {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Beyond this an image term is below 1e-150 of the first and every later one
// smaller still; its powers would overflow into NaN.
constexpr double FarestImage = 1e50;

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

// One image's share f(t) and t f'(t), t = 2nh over the spacing, written so
// that no difference of nearly equal numbers loses the digits.
struct ImageTerm {
    double share = 0.0;
    double depthSlope = 0.0;
};

// The curve alone is wanted far more often than its slopes: each search step
// tried costs one curve, and only a step taken needs the slopes.

// f(t) = 1/A - 1/B with A = sqrt(1 + t^2), B = sqrt(4 + t^2).
template <bool WithSlope> ImageTerm WennerImage(double t) {
    const double a = std::sqrt(1.0 + t * t);
    const double b = std::sqrt(4.0 + t * t);
    const double sum = a + b;
    const double share = 3.0 / (a * b * sum);
    if constexpr (!WithSlope) {
        return {share, 0.0};
    }
    const double a3b3 = (a * a * a) * (b * b * b);
    return {share, -3.0 * t * t * (a * a + a * b + b * b) / (sum * a3b3)};
}

// f(t) = (1 - u^2) / (2u) (1/A - 1/B), u = MN/AB and A, B the distances
// sqrt((1 -+ u)^2 + t^2) from the potential probes, with B^2 - A^2 = 4u taken
// out: an MN small beside AB loses no digits, and u = 0 gives the point
// dipole's (1 + t^2)^(-3/2).
template <bool WithSlope> ImageTerm SchlumbergerImage(double t, double u) {
    const double near = 1.0 - u;
    const double far = 1.0 + u;
    const double a = std::sqrt(near * near + t * t);
    const double b = std::sqrt(far * far + t * t);
    const double ab = a * b;
    const double share = 2.0 * near * far / (ab * (a + b));
    if constexpr (!WithSlope) {
        return {share, 0.0};
    }
    return {share, -share * (t * t) * (a * a + ab + b * b) / (ab * ab)};
}

// S = sum K^n f(n x), its derivative by K, and sum K^n (t f'(t)) at t = n x.
struct Series {
    double sum = 0.0;
    double byK = 0.0;
    double byDepth = 0.0;
};

template <bool WithSlopes> Series ImageSeries(SoilArray array, double k, double x, double mnPerAB) {
    Series series;
    double previous = 1.0; // K^(n-1)
    double power = k;
    for (double n = 1.0; std::fabs(power) >= SeriesEnd; n += 1.0) {
        const double t = n * x;
        if (t > FarestImage) {
            break;
        }
        const ImageTerm term = array == SoilArray::Wenner
                                   ? WennerImage<WithSlopes>(t)
                                   : SchlumbergerImage<WithSlopes>(t, mnPerAB);
        series.sum += power * term.share;
        if constexpr (WithSlopes) {
            series.byK += n * previous * term.share;
            series.byDepth += power * term.depthSlope;
        }
        previous = power;
        power *= k;
    }
    return series;
}

bool SeriesTooLong(double k) {
    return !(std::fabs(k) < 1.0) ||
           (k != 0.0 && std::log(SeriesEnd) / std::log(std::fabs(k)) > MaxSeriesTerms);
}

} // namespace

double ReflectionFactor(const TwoLayerSoil& soil) {
    if (!Positive(soil.upperOhmMetres) || !Positive(soil.lowerOhmMetres)) {
        return NaN;
    }
    // Scaled to the larger so that the sum cannot overflow.
    const double larger = std::max(soil.upperOhmMetres, soil.lowerOhmMetres);
    const double upper = soil.upperOhmMetres / larger;
    const double lower = soil.lowerOhmMetres / larger;
    return (lower - upper) / (lower + upper);
}

bool ProbesInside(SoilArray array, double spacingMetres, double halfMNMetres) {
    return array == SoilArray::Wenner || (halfMNMetres >= 0.0 && halfMNMetres < spacingMetres);
}

namespace {

template <bool WithSlopes>
ModelReading Model(SoilArray array, const TwoLayerSoil& soil, double spacingMetres,
                   double halfMNMetres) {
    const double k = ReflectionFactor(soil);
    if (std::isnan(k) || !Positive(soil.upperDepthMetres) || !Positive(spacingMetres) ||
        !ProbesInside(array, spacingMetres, halfMNMetres) || SeriesTooLong(k)) {
        return {NaN, {NaN, NaN, NaN}};
    }
    const double x = 2.0 * soil.upperDepthMetres / spacingMetres;
    const double weight = array == SoilArray::Wenner ? 4.0 : 2.0;
    const Series series = ImageSeries<WithSlopes>(array, k, x, halfMNMetres / spacingMetres);
    const double rho1 = soil.upperOhmMetres;
    const double value = rho1 * (1.0 + weight * series.sum);
    if constexpr (!WithSlopes) {
        return {value, {}};
    }
    // dK/d ln rho2 = -dK/d ln rho1 = (1 - K^2) / 2.
    const double byContrast = rho1 * weight * series.byK * (1.0 - k * k) / 2.0;
    return {value, {value - byContrast, byContrast, rho1 * weight * series.byDepth}};
}

} // namespace

ModelReading ModelWithSlopes(SoilArray array, const TwoLayerSoil& soil, double spacingMetres,
                             double halfMNMetres) {
    return Model<true>(array, soil, spacingMetres, halfMNMetres);
}

double ModelResistivity(SoilArray array, const TwoLayerSoil& soil, double spacingMetres,
                        double halfMNMetres) {
    return Model<false>(array, soil, spacingMetres, halfMNMetres).ohmMetres;
}

} // namespace stakewell::soil
