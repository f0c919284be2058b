#include "soil/LayeredEarth.h"

#include "soil/HankelJ0Filter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <type_traits>

namespace stakewell::soil {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

double FiniteOrNaN(double value) {
    return std::isfinite(value) ? value : NaN;
}

// A narrower MN reads as this one. The two readings differ by parts in 1e11
// (the difference falls with (MN/AB)^2), while the difference of the two
// filter sums below would lose a digit more with every tenfold narrower MN.
constexpr double NarrowestMNPerAB = 1e-6;

// Where 2 lambda h passes this, 1 + expm1(-2 lambda h) is exactly 0: the top
// layer hides all below it, and the excess below is exactly 0.
constexpr double TopHidesAllFrom = 20.0;

// tanh(lambda h), 1 - tanh(lambda h) and exp(-2 lambda h) of one layer, all
// from one expm1, which cannot overflow however deep the layer or high the
// frequency, and keeps tanh to full precision where lambda h is small.
struct LayerFactors {
    double tanh = 0.0;
    double complement = 0.0;
    double decay = 0.0;
};

LayerFactors FactorsOf(double lambdaDepth) {
    const double below1 = std::expm1(-2.0 * lambdaDepth);
    const double decay = 1.0 + below1;
    return {-below1 / (1.0 + decay), 2.0 * decay / (1.0 + decay), decay};
}

// Slopes with respect to ln(rho_i / rho1) of the layers below the top, then
// ln h_i: the top's resistivity is only the scale of the transform.
constexpr std::size_t ExcessSlopeCount = MaxEarthUnknowns - 1;
using ExcessSlopes = std::array<double, ExcessSlopeCount>;

// A filter sum of the excess and of its `Count` slopes together, 2N - 2 of
// them for N layers: sized to the earth, the sum does no work for slopes it
// does not have.
template <std::size_t Count> struct SlopedSum {
    double value = 0.0;
    std::array<double, Count> slopes{};

    SlopedSum operator*(double weight) const {
        SlopedSum product{value * weight, {}};
        for (std::size_t i = 0; i < Count; ++i) {
            product.slopes[i] = slopes[i] * weight;
        }
        return product;
    }

    SlopedSum& operator+=(const SlopedSum& other) {
        value += other.value;
        for (std::size_t i = 0; i < Count; ++i) {
            slopes[i] += other.slopes[i];
        }
        return *this;
    }
};

constexpr std::size_t SlopeCountOf(std::size_t layers) {
    return 2 * layers - 2;
}

double ValueOf(double sum) {
    return sum;
}

template <std::size_t Count> double ValueOf(const SlopedSum<Count>& sum) {
    return sum.value;
}

// T(lambda) / rho1 - 1, the part of the transform the top layer alone does
// not give, split into
//   c exp(-2 lambda H), c = rhoN / rho1 - 1 and H the depth of the deepest
//   layer, whose transform is c / sqrt(r^2 + 4 H^2) exactly,
// and what is left, which the filter takes. The filter integrates a kernel
// that vanishes at both ends, as this one does, far more accurately (parts in
// 1e11) than one that tends to a constant at lambda = 0 (parts in 1e6).
// Uniform ground has c = 0 and nothing left: its apparent resistivity is rho1
// exactly. Resistivities are taken relative to rho1 so that only contrasts
// beyond a double's range can overflow.
class TransformExcess {
public:
    explicit TransformExcess(const LayeredEarth& earth)
        : earth_(earth), deepRatio_(earth.resistivities.back() / earth.resistivities.front()),
          deepContrast_(deepRatio_ - 1.0),
          deepestDepth_(std::accumulate(earth.thicknesses.begin(), earth.thicknesses.end(), 0.0)) {
        // Once for the earth rather than at every frequency.
        for (std::size_t i = 0; i < earth.resistivities.size(); ++i) {
            relative_[i] = earth.resistivities[i] / earth.resistivities.front();
            inverseRelative_[i] = 1.0 / relative_[i];
        }
    }

    std::size_t Layers() const { return earth_.resistivities.size(); }
    double DeepRatio() const { return deepRatio_; }
    double DeepContrast() const { return deepContrast_; }
    double DeepestDepth() const { return deepestDepth_; }

    // Above this frequency every excess is exactly 0, and so is every slope.
    double ZeroAbove() const {
        return earth_.thicknesses.empty() ? 0.0 : TopHidesAllFrom / earth_.thicknesses.front();
    }

    // The excess whole, T(lambda) / rho1 - 1.
    double Whole(double lambda) const { return Split<0>(lambda).whole; }

    // What is left for the filter.
    double operator()(double lambda) const {
        const Parts<0> parts = Split<0>(lambda);
        return parts.whole - deepContrast_ * parts.deepDecay;
    }

    // What is left for the filter, exactly as above, with its slopes, for an
    // earth of `Layers` (2 or more).
    template <std::size_t Layers> SlopedSum<SlopeCountOf(Layers)> Sloped(double lambda) const {
        const Parts<SlopeCountOf(Layers)> parts = Split<SlopeCountOf(Layers)>(lambda);
        SlopedSum<SlopeCountOf(Layers)> left{parts.whole - deepContrast_ * parts.deepDecay,
                                             parts.wholeSlopes};
        left.slopes[Layers - 2] -= deepRatio_ * parts.deepDecay;
        for (std::size_t i = 0; i + 1 < Layers; ++i) {
            left.slopes[Layers - 1 + i] +=
                deepContrast_ * 2.0 * lambda * earth_.thicknesses[i] * parts.deepDecay;
        }
        return left;
    }

private:
    template <std::size_t Count> struct Parts {
        double whole = 0.0;
        double deepDecay = 1.0; // exp(-2 lambda H)
        std::array<double, Count> wholeSlopes{};
    };

    // The `Count` slopes of the recurrence below, if any: each layer's own
    // on the way down, chained on the way back up, so that one pass gives
    // them all.
    template <std::size_t Count> Parts<Count> Split(double lambda) const {
        constexpr bool WithSlopes = Count > 0;
        const std::size_t layers = WithSlopes ? Count / 2 + 1 : Layers();
        if (layers == 1) {
            return {};
        }
        double below = relative_[layers - 1];
        // d T_i / d T_(i+1), d T_i / d ln rho_i and d T_i / d ln h_i.
        [[maybe_unused]] std::array<double, MaxEarthLayers> byBelowAt{};
        [[maybe_unused]] std::array<double, MaxEarthLayers> byLayerAt{};
        [[maybe_unused]] std::array<double, MaxEarthLayers> byDepthAt{};
        double deepDecay = 1.0;
        for (std::size_t i = layers - 2; i > 0; --i) {
            const double layer = relative_[i];
            const double lambdaDepth = lambda * earth_.thicknesses[i];
            const LayerFactors f = FactorsOf(lambdaDepth);
            if constexpr (WithSlopes) {
                const double across = 1.0 + below * f.tanh * inverseRelative_[i];
                const double perAcross2 = 1.0 / (across * across);
                const double sech2 = f.complement * (1.0 + f.tanh);
                const double belowSquaredPerLayer = below * below * inverseRelative_[i];
                byBelowAt[i] = sech2 * perAcross2;
                byLayerAt[i] =
                    f.tanh * (layer + 2.0 * below * f.tanh + belowSquaredPerLayer) * perAcross2;
                byDepthAt[i] = (layer - belowSquaredPerLayer) * perAcross2 * lambdaDepth * sech2;
            }
            below = (below + layer * f.tanh) / (1.0 + below * f.tanh / layer);
            deepDecay *= f.decay;
        }
        const double lambdaDepth = lambda * earth_.thicknesses.front();
        const LayerFactors f = FactorsOf(lambdaDepth);
        Parts<Count> parts;
        // (T2 + t) / (1 + T2 t) - 1 rearranged so that nothing cancels.
        parts.whole = (below - 1.0) * f.complement / (1.0 + below * f.tanh);
        parts.deepDecay = deepDecay * f.decay;
        if constexpr (WithSlopes) {
            const double across = 1.0 + below * f.tanh;
            const double perAcross2 = 1.0 / (across * across);
            const double sech2 = f.complement * (1.0 + f.tanh);
            parts.wholeSlopes[layers - 1] =
                (1.0 - below) * (1.0 + below) * perAcross2 * lambdaDepth * sech2;
            double byBelow = sech2 * perAcross2;
            for (std::size_t i = 1; i + 1 < layers; ++i) {
                parts.wholeSlopes[i - 1] = byBelow * byLayerAt[i];
                parts.wholeSlopes[layers - 1 + i] = byBelow * byDepthAt[i];
                byBelow *= byBelowAt[i];
            }
            parts.wholeSlopes[layers - 2] = byBelow * relative_[layers - 1];
        }
        return parts;
    }

    const LayeredEarth& earth_;
    std::array<double, MaxEarthLayers> relative_{};
    std::array<double, MaxEarthLayers> inverseRelative_{};
    double deepRatio_;
    double deepContrast_;
    double deepestDepth_;
};

template <std::size_t Layers>
SlopedSum<ExcessSlopeCount> SlopedLeftSum(const TransformExcess& excess, double r) {
    const auto sum = HankelJ0TimesDistance(
        [&excess](double lambda) { return excess.Sloped<Layers>(lambda); }, r, excess.ZeroAbove());
    SlopedSum<ExcessSlopeCount> widened{sum.value, {}};
    std::copy(sum.slopes.begin(), sum.slopes.end(), widened.slopes.begin());
    return widened;
}

// The filter's sum of what is left of the excess at distance r, with its
// slopes or without.
template <bool WithSlopes> auto LeftSum(const TransformExcess& excess, double r) {
    if constexpr (WithSlopes) {
        static_assert(MaxEarthLayers == 4);
        switch (excess.Layers()) {
        case 2:
            return SlopedLeftSum<2>(excess, r);
        case 3:
            return SlopedLeftSum<3>(excess, r);
        case 4:
            return SlopedLeftSum<4>(excess, r);
        default:
            // One layer leaves nothing.
            return SlopedSum<ExcessSlopeCount>{};
        }
    } else {
        return HankelJ0TimesDistance(excess, r, excess.ZeroAbove());
    }
}

// rho_a and its slopes, from `relative`, the slopes of rho_a / rho1 with
// respect to the logarithms of the resistivities below the top and the
// thicknesses. Scaling every resistivity scales rho_a: the slopes of all the
// resistivities sum to rho_a, which gives the top's.
SlopedApparent Scaled(double apparent, double top, const ExcessSlopes& relative,
                      std::size_t layers) {
    SlopedApparent sloped{apparent, {}};
    double belowTop = 0.0;
    for (std::size_t i = 0; i < ExcessSlopeCount; ++i) {
        sloped.slopes[i + 1] = top * relative[i];
        if (i + 1 < layers) {
            belowTop += sloped.slopes[i + 1];
        }
    }
    sloped.slopes[0] = apparent - belowTop;
    return sloped;
}

// Adds the slopes of the deep part, c * shape with c = rhoN / rho1 - 1 and
// `shape` falling with `depthSlope` (d shape / dH) in H, to `relative`.
void AddDeepSlopes(const TransformExcess& excess, double shape, double depthSlope,
                   const LayeredEarth& earth, ExcessSlopes& relative) {
    const std::size_t layers = excess.Layers();
    if (layers == 1) {
        return;
    }
    relative[layers - 2] += excess.DeepRatio() * shape;
    for (std::size_t i = 0; i + 1 < layers; ++i) {
        relative[layers - 1 + i] += excess.DeepContrast() * depthSlope * earth.thicknesses[i];
    }
}

// rho_a = 2a * integral T (J0(lambda a) - J0(2 lambda a)) dlambda, of which
// the uniform part gives rho1 exactly.
template <bool WithSlopes> SlopedApparent Wenner(const LayeredEarth& earth, double spacingMetres) {
    if (!IsValid(earth) || !Positive(spacingMetres)) {
        return {NaN, {}};
    }
    const TransformExcess excess(earth);
    // 2a (1/sqrt(a^2 + 4H^2) - 1/sqrt(4a^2 + 4H^2)), in u = 2H/a and without
    // the difference of nearly equal numbers.
    const double u = 2.0 * excess.DeepestDepth() / spacingMetres;
    const double a = std::sqrt(1.0 + u * u);
    const double b = std::sqrt(4.0 + u * u);
    const double deep = excess.DeepContrast() * 6.0 / (a * b * (a + b));
    const auto near = LeftSum<WithSlopes>(excess, spacingMetres);
    const auto far = LeftSum<WithSlopes>(excess, 2.0 * spacingMetres);
    const double top = earth.resistivities.front();
    const double apparent = FiniteOrNaN(top * (1.0 + deep + (2.0 * ValueOf(near) - ValueOf(far))));
    if constexpr (WithSlopes) {
        ExcessSlopes relative{};
        for (std::size_t i = 0; i < ExcessSlopeCount; ++i) {
            relative[i] = 2.0 * near.slopes[i] - far.slopes[i];
        }
        const double shape = 6.0 / (a * b * (a + b));
        // d shape / du = -shape u (a^2 + ab + b^2) / (a^2 b^2), and du/dH = 2/a.
        const double depthSlope =
            -shape * u * (a * a + a * b + b * b) / (a * a * b * b) * 2.0 / spacingMetres;
        AddDeepSlopes(excess, shape, depthSlope, earth, relative);
        return Scaled(apparent, top, relative, excess.Layers());
    } else {
        return {apparent, {}};
    }
}

// rho_a = (L^2 - l^2) / (2l) * integral T (J0(lambda (L - l)) - J0(lambda (L + l)))
// dlambda, of which the uniform part gives rho1 exactly.
template <bool WithSlopes>
SlopedApparent Schlumberger(const LayeredEarth& earth, double halfAB, double typedHalfMN) {
    if (!IsValid(earth) || !Positive(halfAB) || !Positive(typedHalfMN) || !(typedHalfMN < halfAB)) {
        return {NaN, {}};
    }
    const double halfMN = std::max(typedHalfMN, NarrowestMNPerAB * halfAB);
    const TransformExcess excess(earth);
    const double depth2 = 2.0 * excess.DeepestDepth();
    const double a = std::hypot(halfAB - halfMN, depth2);
    const double b = std::hypot(halfAB + halfMN, depth2);
    // (L^2 - l^2) / (2l) (1/A - 1/B) with B^2 - A^2 = 4 L l taken out. Ground
    // whose deepest layer is the top's has none, even where A and B underflow.
    const double deep = excess.DeepContrast() == 0.0
                            ? 0.0
                            : excess.DeepContrast() * 2.0 * halfAB * ((halfAB - halfMN) / a) *
                                  ((halfAB + halfMN) / (b * (a + b)));
    const auto nearSum = LeftSum<WithSlopes>(excess, halfAB - halfMN);
    const auto farSum = LeftSum<WithSlopes>(excess, halfAB + halfMN);
    // (L + l) S(L - l) - (L - l) S(L + l), written so that a small MN loses
    // only the digits the difference of the two sums must.
    const auto difference = [&](double near, double far) {
        return halfAB * (near - far) + halfMN * (near + far);
    };
    const double top = earth.resistivities.front();
    const double apparent = FiniteOrNaN(
        top * (1.0 + deep + difference(ValueOf(nearSum), ValueOf(farSum)) / (2.0 * halfMN)));
    if constexpr (WithSlopes) {
        ExcessSlopes relative{};
        for (std::size_t i = 0; i < ExcessSlopeCount; ++i) {
            relative[i] = difference(nearSum.slopes[i], farSum.slopes[i]) / (2.0 * halfMN);
        }
        const double shape =
            2.0 * halfAB * ((halfAB - halfMN) / a) * ((halfAB + halfMN) / (b * (a + b)));
        // d(1/A - 1/B)/dH = -4H (1/A^3 - 1/B^3), with B - A = 4 L l / (A + B)
        // taken out again.
        const double depthSlope = -shape * 2.0 * depth2 * (a * a + a * b + b * b) / (a * a * b * b);
        AddDeepSlopes(excess, shape, depthSlope, earth, relative);
        return Scaled(apparent, top, relative, excess.Layers());
    } else {
        return {apparent, {}};
    }
}

} // namespace

bool IsValid(const LayeredEarth& earth) {
    const std::size_t layers = earth.resistivities.size();
    return layers >= 1 && layers <= MaxEarthLayers && earth.thicknesses.size() == layers - 1 &&
           std::all_of(earth.resistivities.begin(), earth.resistivities.end(), Positive) &&
           std::all_of(earth.thicknesses.begin(), earth.thicknesses.end(), Positive);
}

double ResistivityTransform(const LayeredEarth& earth, double lambda) {
    if (!IsValid(earth) || !std::isfinite(lambda) || lambda < 0.0) {
        return NaN;
    }
    const double top = earth.resistivities.front();
    return FiniteOrNaN(top * (1.0 + TransformExcess(earth).Whole(lambda)));
}

double WennerApparent(const LayeredEarth& earth, double spacingMetres) {
    return Wenner<false>(earth, spacingMetres).ohmMetres;
}

double SchlumbergerApparent(const LayeredEarth& earth, double halfAB, double halfMN) {
    return Schlumberger<false>(earth, halfAB, halfMN).ohmMetres;
}

SlopedApparent SlopedWennerApparent(const LayeredEarth& earth, double spacingMetres) {
    return Wenner<true>(earth, spacingMetres);
}

SlopedApparent SlopedSchlumbergerApparent(const LayeredEarth& earth, double halfAB, double halfMN) {
    return Schlumberger<true>(earth, halfAB, halfMN);
}

} // namespace stakewell::soil
