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

// tanh(x) and 1 - tanh(x) for x >= 0 from exp(-2x), which cannot overflow
// however deep the layer or high the frequency, and keeps 1 - tanh(x) to
// full precision where tanh(x) rounds to 1.
struct LayerTanh {
    double tanh = 0.0;
    double complement = 0.0;
};

LayerTanh TanhOf(double x) {
    const double e = std::exp(-2.0 * x);
    return {-std::expm1(-2.0 * x) / (1.0 + e), 2.0 * e / (1.0 + e)};
}

// T(lambda) / rho1 - 1, the part of the transform the top layer alone does
// not give. Resistivities are taken relative to rho1 so that only contrasts
// beyond a double's range can overflow.
class TransformExcess {
public:
    explicit TransformExcess(const LayeredEarth& earth) : earth_(earth) {}

    double operator()(double lambda) const {
        const std::vector<double>& rho = earth_.resistivities;
        const std::size_t layers = rho.size();
        if (layers == 1) {
            return 0.0;
        }
        const double top = rho.front();
        double below = rho.back() / top;
        for (std::size_t i = layers - 2; i > 0; --i) {
            const double layer = rho[i] / top;
            const double t = TanhOf(lambda * earth_.thicknesses[i]).tanh;
            below = (below + layer * t) / (1.0 + below * t / layer);
        }
        const LayerTanh t = TanhOf(lambda * earth_.thicknesses.front());
        // (T2 + t) / (1 + T2 t) - 1 rearranged so that nothing cancels.
        return (below - 1.0) * t.complement / (1.0 + below * t.tanh);
    }

private:
    const LayeredEarth& earth_;
};

// The filter integrates a kernel that vanishes at both ends far more
// accurately (parts in 1e11) than one that tends to a constant at lambda = 0
// (parts in 1e6). So the excess is split into
//   c exp(-2 lambda H), c = rhoN / rho1 - 1 and H the depth of the deepest
//   layer, whose transform is c / sqrt(r^2 + 4 H^2) exactly,
// and what is left, which the filter takes. Uniform ground has c = 0 and
// nothing left: its apparent resistivity is rho1 exactly.
class ExcessSplit {
public:
    explicit ExcessSplit(const LayeredEarth& earth)
        : excess_(earth),
          deepContrast_(earth.resistivities.back() / earth.resistivities.front() - 1.0),
          deepestDepth_(std::accumulate(earth.thicknesses.begin(), earth.thicknesses.end(), 0.0)) {}

    double DeepContrast() const { return deepContrast_; }
    double DeepestDepth() const { return deepestDepth_; }

    double operator()(double lambda) const {
        return excess_(lambda) - deepContrast_ * std::exp(-2.0 * lambda * deepestDepth_);
    }

private:
    TransformExcess excess_;
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
    return FiniteOrNaN(top * (1.0 + TransformExcess(earth)(lambda)));
}

// rho_a = 2a * integral T (J0(lambda a) - J0(2 lambda a)) dlambda, of which
// the uniform part gives rho1 exactly.
double WennerApparent(const LayeredEarth& earth, double spacingMetres) {
    if (!IsValid(earth) || !Positive(spacingMetres)) {
        return NaN;
    }
    const ExcessSplit split(earth);
    // 2a (1/A - 1/B), A = sqrt(a^2 + 4H^2), B = sqrt(4a^2 + 4H^2), in u = 2H/a
    // and without the difference of nearly equal numbers.
    const double u = 2.0 * split.DeepestDepth() / spacingMetres;
    const double a = std::sqrt(1.0 + u * u);
    const double b = std::sqrt(4.0 + u * u);
    const double deep = split.DeepContrast() * 6.0 / (a * b * (a + b));
    const double near = HankelJ0TimesDistance(split, spacingMetres);
    const double far = HankelJ0TimesDistance(split, 2.0 * spacingMetres);
    return FiniteOrNaN(earth.resistivities.front() * (1.0 + deep + (2.0 * near - far)));
}

// rho_a = (L^2 - l^2) / (2l) * integral T (J0(lambda (L - l)) - J0(lambda (L + l)))
// dlambda, of which the uniform part gives rho1 exactly.
double SchlumbergerApparent(const LayeredEarth& earth, double halfAB, double halfMN) {
    if (!IsValid(earth) || !Positive(halfAB) || !Positive(halfMN) || !(halfMN < halfAB)) {
        return NaN;
    }
    const ExcessSplit split(earth);
    const double depth2 = 2.0 * split.DeepestDepth();
    const double a = std::hypot(halfAB - halfMN, depth2);
    const double b = std::hypot(halfAB + halfMN, depth2);
    // (L^2 - l^2) / (2l) (1/A - 1/B) with B^2 - A^2 = 4 L l taken out.
    const double deep = split.DeepContrast() * 2.0 * halfAB * ((halfAB - halfMN) / a) *
                        ((halfAB + halfMN) / (b * (a + b)));
    const double nearSum = HankelJ0TimesDistance(split, halfAB - halfMN);
    const double farSum = HankelJ0TimesDistance(split, halfAB + halfMN);
    // (L + l) S(L - l) - (L - l) S(L + l), written so that a small MN loses
    // only the digits the difference of the two sums must.
    const double difference = halfAB * (nearSum - farSum) + halfMN * (nearSum + farSum);
    return FiniteOrNaN(earth.resistivities.front() * (1.0 + deep + difference / (2.0 * halfMN)));
}

} // namespace stakewell::soil
