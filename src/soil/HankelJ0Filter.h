#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <type_traits>

namespace stakewell::soil {

// A digital linear filter for the Hankel transform of order zero:
//   integral from 0 to infinity of f(lambda) J0(lambda r) dlambda
//     ~ (1/r) * sum over i of f(abscissa_i / r) * weight_i.
// It holds for kernels smooth on a logarithmic scale that fall to zero or to a
// constant, as the resistivity transform of layered ground does.
inline constexpr std::size_t J0FilterLength = 201;

struct J0Filter {
    std::array<double, J0FilterLength> abscissae;
    std::array<double, J0FilterLength> weights;
};

const J0Filter& HankelJ0Filter();

// r times the transform of `kernel` at distance `r` (> 0) by the filter
// above: the filter's sum alone, which the apparent resistivities want. A
// kernel that is exactly 0 at every lambda above `zeroAbove` is not asked
// there: its sum is the same, for less work. A kernel may give, instead of a
// double, a value-initialised sum of several figures that takes `* weight`
// and `+=`, and so transform them all in one pass.
template <typename Kernel>
auto HankelJ0TimesDistance(const Kernel& kernel, double r,
                           double zeroAbove = std::numeric_limits<double>::infinity()) {
    const J0Filter& filter = HankelJ0Filter();
    std::invoke_result_t<const Kernel&, double> sum{};
    for (std::size_t i = 0; i < J0FilterLength; ++i) {
        const double lambda = filter.abscissae[i] / r;
        if (lambda > zeroAbove) {
            break;
        }
        sum += kernel(lambda) * filter.weights[i];
    }
    return sum;
}

} // namespace stakewell::soil
