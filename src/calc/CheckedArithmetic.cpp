#include "calc/CheckedArithmetic.h"

#include "shared/SinglePrecision.h"

#include <cmath>

namespace stakewell::calc {

double CheckedArithmetic::Checked(double result, double a, double b) {
    const bool invalid = std::isnan(result) && !std::isnan(a) && !std::isnan(b);
    // From finite operands an infinite result is an overflow or a division by zero.
    const bool overflowOrDivideByZero = std::isinf(result) && std::isfinite(a) && std::isfinite(b);
    faulted_ = faulted_ || invalid || overflowOrDivideByZero;
    return result;
}

double CheckedArithmetic::Log(double x) {
    if (x <= 0.0) {
        faulted_ = true;
    }
    return std::log(x);
}

double CheckedArithmetic::PowHalf(double x) {
    if (x < 0.0) {
        faulted_ = true;
    }
    return std::pow(x, 0.5);
}

double CheckedArithmetic::Square(double x) {
    const double result = std::pow(x, 2.0);
    if (std::isinf(result) && std::isfinite(x)) {
        faulted_ = true;
    }
    return result;
}

float CheckedArithmetic::Store(double x) {
    const float stored = shared::ToSingle(x);
    if (std::isinf(stored) && std::isfinite(x)) {
        faulted_ = true;
    }
    return stored;
}

} // namespace stakewell::calc
