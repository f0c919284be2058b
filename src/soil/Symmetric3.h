#pragma once

#include <array>
#include <optional>

namespace stakewell::soil {

using Vector3 = std::array<double, 3>;
using Matrix3 = std::array<Vector3, 3>;

// The solution x of m x = b for a symmetric positive definite m, or nothing
// when m is not (to within the rounding of its own scale: a pivot below 1e-12
// of its diagonal element counts as zero).
std::optional<Vector3> SolvePositiveDefinite(const Matrix3& m, const Vector3& b);

// m's inverse under the same condition.
std::optional<Matrix3> InversePositiveDefinite(const Matrix3& m);

} // namespace stakewell::soil
