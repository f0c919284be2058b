#pragma once

#include <Eigen/Cholesky>
#include <Eigen/Core>

#include <optional>

namespace stakewell::soil {

// The factors of a symmetric positive definite matrix, for solving and
// inverting it. A matrix that is not so, to within the rounding of its own
// scale, has none: it is factored scaled to a unit diagonal, so that a pivot
// below 1e-12 counts as zero whatever the units of the unknowns.
template <int Size> class PositiveDefinite {
public:
    using Matrix = Eigen::Matrix<double, Size, Size>;
    using Vector = Eigen::Matrix<double, Size, 1>;

    static std::optional<PositiveDefinite> Of(const Matrix& m) {
        const Vector diagonal = m.diagonal();
        if (!diagonal.allFinite() || !(diagonal.array() > 0.0).all()) {
            return std::nullopt;
        }
        PositiveDefinite f;
        f.scale = diagonal.cwiseSqrt().cwiseInverse();
        f.factors.compute(f.scale.asDiagonal() * m * f.scale.asDiagonal());
        if (f.factors.info() != Eigen::Success ||
            !(f.factors.matrixLLT().diagonal().array().square() > SmallestPivot).all()) {
            return std::nullopt;
        }
        return f;
    }

    Vector Solve(const Vector& b) const {
        return scale.asDiagonal() * factors.solve(scale.asDiagonal() * b);
    }

    Matrix Inverse() const {
        const Matrix unit = Matrix::Identity(scale.size(), scale.size());
        return scale.asDiagonal() * factors.solve(unit) * scale.asDiagonal();
    }

private:
    static constexpr double SmallestPivot = 1e-12;

    PositiveDefinite() = default;

    Eigen::LLT<Matrix> factors;
    Vector scale;
};

} // namespace stakewell::soil
