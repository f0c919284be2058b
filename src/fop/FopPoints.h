#pragma once

#include "fop/BubbleOrder.h"
#include "shared/Units.h"

#include <cstdint>
#include <vector>

namespace stakewell::fop {

// Why an entry is not taken into the list.
enum class AddRefusal {
    None,
    ResistanceNotAboveZero,
    ResistanceTooLarge,
    DistanceOutsideE1E2,
    DistanceTooLarge,
    ListFull,
};

// The largest resistance in ohms and the largest distance in feet a reading
// may have: far beyond any instrument's range or any test lead, and small
// enough that the plot's single-precision scale and every sum, difference
// and ratio the analysis forms from such readings stay finite.
inline constexpr double LargestReading = 1e9;

// The fall-of-potential test data. Element 0 of FOPPoints is the origin; the
// measured points are 1..PointCount().
// The list and the current index change only through the operations below,
// which keep FOPCurrent within 0..PointCount(). Add and Remove sort the whole
// list, origin included: in a loaded list holding a distance below zero that
// point sorts in front of the origin, which then is element 0 no longer.
class FallOfPotential {
public:
    double FOPE2Distance = 0.0;
    double FOPE1Position = 0.0;
    // The unit of every distance: feet, or metres in a metric work.
    shared::UnitSystem Units = shared::UnitSystem::Imperial;

    const std::vector<FOPPoint>& FOPPoints() const { return points; }
    std::int16_t FOPCurrent() const { return current; }
    int PointCount() const { return static_cast<int>(points.size()) - 1; }
    const FOPPoint& CurrentPoint() const { return points[static_cast<std::size_t>(current)]; }
    // A reading at or beyond the E2 distance, which no test against it can
    // have taken: the analysis leaves it out and every output marks it.
    bool BeyondE2(const FOPPoint& point) const { return point.Distance >= FOPE2Distance; }
    int ReadingsBeyondE2() const;

    // Each returns true when the list or the current point changed, that is
    // when the caller must refresh the display. A refused entry changes
    // nothing: a resistance not above 0, a distance not strictly between E1
    // and E2, either above LargestReading, NaN, or a list that already holds
    // MaxFOPPoints points.
    bool AddPoint(double feet, double ohms);
    // The reason AddPoint would refuse this entry, None when it would take it.
    AddRefusal CheckPoint(double feet, double ohms) const;
    // Takes out the current point (nothing when the origin is current). The
    // marker the point is overwritten with singles it out only while every
    // other distance is above the marker's, as in every list built by Add; a
    // loaded list holding such a distance has the current point erased directly.
    bool RemovePoint();
    void ClearAll();
    // Selects the point at the scroll bar's value; a value outside
    // 0..PointCount() is refused.
    bool Browse(int scrollValue);
    // Takes a whole list, as a data file or an undo brings it: element 0 is
    // made the origin again, the list is cut at MaxFOPPoints measured points
    // and the current index is held within it. The order is kept as given.
    void Replace(std::vector<FOPPoint> newPoints, int newCurrent);

private:
    std::vector<FOPPoint> points{FOPPoint{}};
    std::int16_t current = 0;
};

} // namespace stakewell::fop
