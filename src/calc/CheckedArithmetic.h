#pragma once

namespace stakewell::calc {

// Double-precision arithmetic that notes the IEEE 754 exceptions a
// calculation step must fail on: division by zero, invalid operation and
// overflow (also when the result is rounded to single precision). Underflow
// and inexact results do not count. The exceptions are decided by explicit
// tests on operands and results, so the outcome does not depend on how the
// compiler schedules floating-point status reads.
class CheckedArithmetic {
public:
    double Add(double a, double b) { return Checked(a + b, a, b); }
    double Sub(double a, double b) { return Checked(a - b, a, b); }
    double Mul(double a, double b) { return Checked(a * b, a, b); }
    double Div(double a, double b) { return Checked(a / b, a, b); }

    // Natural logarithm; an argument of zero or less is a fault.
    double Log(double x);
    // x^0.5 by the power function; a negative base is a fault.
    double PowHalf(double x);
    // x^2 by the power function.
    double Square(double x);
    // Rounds to single precision for storing a result.
    float Store(double x);

    bool Faulted() const { return faulted_; }

private:
    double Checked(double result, double a, double b);

    bool faulted_ = false;
};

} // namespace stakewell::calc
