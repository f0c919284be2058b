#include "soil/Symmetric3.h"

#include <cmath>
#include <cstddef>

namespace stakewell::soil {
namespace {

constexpr double SmallestPivot = 1e-12;

// The lower triangle l with l l^T = m, taken on m scaled to a unit diagonal
// so that the test for a vanishing pivot does not depend on the units.
struct Factors {
    Matrix3 lower{};
    Vector3 scale{};
};

std::optional<Factors> Cholesky(const Matrix3& m) {
    Factors f;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!(m[i][i] > 0.0) || !std::isfinite(m[i][i])) {
            return std::nullopt;
        }
        f.scale[i] = 1.0 / std::sqrt(m[i][i]);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j <= i; ++j) {
            double sum = m[i][j] * f.scale[i] * f.scale[j];
            for (std::size_t k = 0; k < j; ++k) {
                sum -= f.lower[i][k] * f.lower[j][k];
            }
            if (i == j) {
                if (!(sum > SmallestPivot)) {
                    return std::nullopt;
                }
                f.lower[i][i] = std::sqrt(sum);
            } else {
                f.lower[i][j] = sum / f.lower[j][j];
            }
        }
    }
    return f;
}

Vector3 Solve(const Factors& f, const Vector3& b) {
    Vector3 y{};
    for (std::size_t i = 0; i < 3; ++i) {
        double sum = b[i] * f.scale[i];
        for (std::size_t k = 0; k < i; ++k) {
            sum -= f.lower[i][k] * y[k];
        }
        y[i] = sum / f.lower[i][i];
    }
    Vector3 x{};
    for (std::size_t i = 3; i-- > 0;) {
        double sum = y[i];
        for (std::size_t k = i + 1; k < 3; ++k) {
            sum -= f.lower[k][i] * x[k];
        }
        x[i] = sum / f.lower[i][i];
    }
    for (std::size_t i = 0; i < 3; ++i) {
        x[i] *= f.scale[i];
    }
    return x;
}

} // namespace

std::optional<Vector3> SolvePositiveDefinite(const Matrix3& m, const Vector3& b) {
    const std::optional<Factors> f = Cholesky(m);
    if (!f) {
        return std::nullopt;
    }
    return Solve(*f, b);
}

std::optional<Matrix3> InversePositiveDefinite(const Matrix3& m) {
    const std::optional<Factors> f = Cholesky(m);
    if (!f) {
        return std::nullopt;
    }
    Matrix3 inverse{};
    for (std::size_t j = 0; j < 3; ++j) {
        Vector3 unit{};
        unit[j] = 1.0;
        const Vector3 column = Solve(*f, unit);
        for (std::size_t i = 0; i < 3; ++i) {
            inverse[i][j] = column[i];
        }
    }
    return inverse;
}

} // namespace stakewell::soil
