#pragma once

#include <vector>

namespace stakewell::fop {

// One fall-of-potential reading: the distance of P2 from E1, in the work's
// length unit (feet, or metres in a metric work), and the resistance there.
struct FOPPoint {
    double Distance = 0.0;
    double Ohms = 0.0;
    friend bool operator==(const FOPPoint&, const FOPPoint&) = default;
};

// Largest number of measured points: the count and the current index are 16-bit.
inline constexpr int MaxFOPPoints = 32767;

// Sorts by distance only, producing exactly the order of a bubble sort over the
// whole array (ascending: equal distances never exchanged; descending: equal
// neighbours exchanged on every comparison), in O(n log n). Removal relies on
// where the descending pass leaves points of equal distance, so that order is
// reproduced too, not just any descending order. No distance may be NaN: Add
// refuses it and the number reading never yields it.
void SortFOPPoints(std::vector<FOPPoint>& points, bool bDescending);

} // namespace stakewell::fop
