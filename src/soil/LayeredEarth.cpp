#include "soil/LayeredEarth.h"

#include "soil/HankelJ0Filter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

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
        : earth_(earth),
          deepContrast_(earth.resistivities.back() / earth.resistivities.front() - 1.0),
          deepestDepth_(std::accumulate(earth.thicknesses.begin(), earth.thicknesses.end(), 0.0)) {}

    double DeepContrast() const { return deepContrast_; }
    double DeepestDepth() const { return deepestDepth_; }

    // Above this frequency every excess is exactly 0.
    double ZeroAbove() const {
        return earth_.thicknesses.empty() ? 0.0 : TopHidesAllFrom / earth_.thicknesses.front();
    }

    // The excess whole, T(lambda) / rho1 - 1.
    double Whole(double lambda) const { return Split(lambda).whole; }

    // What is left for the filter.
    double operator()(double lambda) const {
        const Parts parts = Split(lambda);
        return parts.whole - deepContrast_ * parts.deepDecay;
    }

private:
    struct Parts {
        double whole = 0.0;
        double deepDecay = 1.0; // exp(-2 lambda H)
    };

    Parts Split(double lambda) const {
        const std::vector<double>& rho = earth_.resistivities;
        const std::size_t layers = rho.size();
        if (layers == 1) {
            return {};
        }
        const double top = rho.front();
        double below = rho.back() / top;
        double deepDecay = 1.0;
        for (std::size_t i = layers - 2; i > 0; --i) {
            const double layer = rho[i] / top;
            const LayerFactors f = FactorsOf(lambda * earth_.thicknesses[i]);
            below = (below + layer * f.tanh) / (1.0 + below * f.tanh / layer);
            deepDecay *= f.decay;
        }
        const LayerFactors f = FactorsOf(lambda * earth_.thicknesses.front());
        // (T2 + t) / (1 + T2 t) - 1 rearranged so that nothing cancels.
        return {(below - 1.0) * f.complement / (1.0 + below * f.tanh), deepDecay * f.decay};
    }

    const LayeredEarth& earth_;
    double deepContrast_;
    double deepestDepth_;
};

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

// rho_a = 2a * integral T (J0(lambda a) - J0(2 lambda a)) dlambda, of which
// the uniform part gives rho1 exactly.
double WennerApparent(const LayeredEarth& earth, double spacingMetres) {
    if (!IsValid(earth) || !Positive(spacingMetres)) {
        return NaN;
    }
    const TransformExcess excess(earth);
    // 2a (1/sqrt(a^2 + 4H^2) - 1/sqrt(4a^2 + 4H^2)), in u = 2H/a and without
    // the difference of nearly equal numbers.
    const double u = 2.0 * excess.DeepestDepth() / spacingMetres;
    const double a = std::sqrt(1.0 + u * u);
    const double b = std::sqrt(4.0 + u * u);
    const double deep = excess.DeepContrast() * 6.0 / (a * b * (a + b));
    const double near = HankelJ0TimesDistance(excess, spacingMetres, excess.ZeroAbove());
    const double far = HankelJ0TimesDistance(excess, 2.0 * spacingMetres, excess.ZeroAbove());
    return FiniteOrNaN(earth.resistivities.front() * (1.0 + deep + (2.0 * near - far)));
}

// rho_a = (L^2 - l^2) / (2l) * integral T (J0(lambda (L - l)) - J0(lambda (L + l)))
// dlambda, of which the uniform part gives rho1 exactly.
double SchlumbergerApparent(const LayeredEarth& earth, double halfAB, double typedHalfMN) {
    if (!IsValid(earth) || !Positive(halfAB) || !Positive(typedHalfMN) || !(typedHalfMN < halfAB)) {
        return NaN;
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
    const double nearSum = HankelJ0TimesDistance(excess, halfAB - halfMN, excess.ZeroAbove());
    const double farSum = HankelJ0TimesDistance(excess, halfAB + halfMN, excess.ZeroAbove());
    // (L + l) S(L - l) - (L - l) S(L + l), written so that a small MN loses
    // only the digits the difference of the two sums must.
    const double difference = halfAB * (nearSum - farSum) + halfMN * (nearSum + farSum);
    return FiniteOrNaN(earth.resistivities.front() * (1.0 + deep + difference / (2.0 * halfMN)));
}

} // namespace stakewell::soil
