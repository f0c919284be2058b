#pragma once

#include <optional>

// The curve a fall-of-potential test traces around a hemispherical electrode
// in uniform soil, when the electrode's electrical centre lies xi * C behind
// the point distances are measured from (C: the distance of the current
// electrode). A reading at p * C is R(p) = Rtrue - K * g(p).
namespace stakewell::fop {

double G(double p, double xi);

// (g(0.4) - g(0.6)) / (g(0.2) - g(0.4)): the slope ratio of the readings at
// 20, 40 and 60 percent of C, which depends on xi alone.
double Mu(double xi);

// The fraction of C at which the reading equals Rtrue: the root of g = 0,
// which for this g is linear in xi.
double TrueDistanceRatio(double xi);

// xi is taken where every reading the method uses lies beyond the centre
// (xi above -0.2) and the true distance lies beyond the origin (xi below the
// golden ratio, where TrueDistanceRatio reaches 0). Mu rises strictly across
// that range.
inline constexpr double SmallestXi = -0.2;
inline constexpr double LargestXi = 1.6180339887498949;

// The xi whose Mu is `mu`, or nothing when `mu` lies outside what the model
// can give, Mu(SmallestXi) = 0 to Mu(LargestXi).
std::optional<double> XiOfMu(double mu);
double LargestMu();

} // namespace stakewell::fop
