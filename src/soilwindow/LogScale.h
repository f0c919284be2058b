#pragma once

#include <vector>

namespace stakewell::soilwindow {

// A logarithmic axis over whole decades that holds every value it was given.
class LogScale {
public:
    // Values not finite and above 0 are left out; without any the axis runs
    // over the one decade 1 to 10.
    explicit LogScale(const std::vector<double>& values);

    double Low() const { return low; }
    double High() const { return high; }
    // Where a value stands along the axis, 0 at Low and 1 at High; NaN for
    // a value not above 0.
    double Fraction(double value) const;
    double ValueAt(double fraction) const;
    // 1, 2 and 5 times each power of ten on the axis, ends included.
    std::vector<double> Ticks() const;

private:
    double low = 1.0;
    double high = 10.0;
};

} // namespace stakewell::soilwindow
