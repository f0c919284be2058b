#include "calc/FourPoint.h"

#include "calc/CheckedArithmetic.h"

#include <cmath>

namespace stakewell::calc {
namespace {

std::optional<double> UnlessFaulted(const CheckedArithmetic& fp, double value) {
    if (fp.Faulted() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

FourPointResults ComputeFourPoint(double e2Distance, double measuredOhms) {
    FourPointResults results;
    {
        CheckedArithmetic fp;
        results.P1 = UnlessFaulted(fp, fp.Mul(fp.Div(1.0, 3.0), e2Distance));
    }
    {
        CheckedArithmetic fp;
        results.P2 = UnlessFaulted(fp, fp.Mul(fp.Div(2.0, 3.0), e2Distance));
    }
    {
        CheckedArithmetic fp;
        const double a = fp.Mul(measuredOhms, 0.3048);
        const double rho = fp.Div(fp.Mul(fp.Mul(fp.Add(a, a), 3.14159), e2Distance), 3.0);
        results.rho = UnlessFaulted(fp, rho);
    }
    return results;
}

} // namespace stakewell::calc
