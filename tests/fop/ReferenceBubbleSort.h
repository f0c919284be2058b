#pragma once

// The point-list sort written out as the literal bubble sort, pass by pass,
// and the Add and Remove steps built on it. Slow (quadratic), and kept only as
// the yardstick that the fast sort and the list operations are checked and
// timed against.

#include "fop/FopPoints.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace reference {

using stakewell::fop::FallOfPotential;
using stakewell::fop::FOPPoint;

inline void SortFOPPoints(std::vector<FOPPoint>& points, bool bDescending) {
    auto k = static_cast<std::ptrdiff_t>(points.size()) - 1;
    for (;;) {
        std::ptrdiff_t lastExchange = -1;
        for (std::ptrdiff_t i = 0; i < k; ++i) {
            FOPPoint& left = points[static_cast<std::size_t>(i)];
            FOPPoint& right = points[static_cast<std::size_t>(i + 1)];
            const bool outOfOrder = bDescending ? left.Distance <= right.Distance : left.Distance > right.Distance;
            if (outOfOrder) {
                std::swap(left, right);
                lastExchange = i;
            }
        }
        if (lastExchange <= 0) {
            return;
        }
        k = lastExchange;
    }
}

inline bool AddPoint(FallOfPotential& fop, double feet, double ohms) {
    if (!(ohms > 0.0 && feet > fop.FOPE1Position && feet < fop.FOPE2Distance) ||
        ohms > stakewell::fop::LargestReading || feet > stakewell::fop::LargestReading ||
        fop.PointCount() >= stakewell::fop::MaxFOPPoints) {
        return false;
    }
    std::vector<FOPPoint> points = fop.FOPPoints();
    points.push_back({feet, ohms});
    reference::SortFOPPoints(points, false);
    const int last = static_cast<int>(points.size()) - 1;
    fop.Replace(std::move(points), last);
    return true;
}

// Every distance in the list must be above -1, as Add keeps it.
inline bool RemovePoint(FallOfPotential& fop) {
    if (fop.FOPCurrent() < 1 || fop.PointCount() < 1) {
        return false;
    }
    std::vector<FOPPoint> points = fop.FOPPoints();
    points[static_cast<std::size_t>(fop.FOPCurrent())] = {-1.0, -1.0};
    reference::SortFOPPoints(points, true);
    points.pop_back();
    reference::SortFOPPoints(points, false);
    const int last = static_cast<int>(points.size()) - 1;
    fop.Replace(std::move(points), std::min<int>(fop.FOPCurrent(), last));
    return true;
}

} // namespace reference
