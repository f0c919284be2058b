#include "fop/FopPoints.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace stakewell::fop {
namespace {

// A removed point is overwritten with this before the descending sort carries
// it to the end of the list, where it is dropped.
constexpr FOPPoint RemovalMarker{-1.0, -1.0};

} // namespace

AddRefusal FallOfPotential::CheckPoint(double feet, double ohms) const {
    if (!(ohms > 0.0)) {
        return AddRefusal::ResistanceNotAboveZero;
    }
    if (ohms > LargestReading) {
        return AddRefusal::ResistanceTooLarge;
    }
    if (!(feet > FOPE1Position && feet < FOPE2Distance)) {
        return AddRefusal::DistanceOutsideE1E2;
    }
    if (feet > LargestReading) {
        return AddRefusal::DistanceTooLarge;
    }
    if (PointCount() >= MaxFOPPoints) {
        return AddRefusal::ListFull;
    }
    return AddRefusal::None;
}

bool FallOfPotential::AddPoint(double feet, double ohms) {
    if (CheckPoint(feet, ohms) != AddRefusal::None) {
        return false;
    }
    points.push_back({feet, ohms});
    SortFOPPoints(points, false);
    current = static_cast<std::int16_t>(PointCount());
    return true;
}

bool FallOfPotential::RemovePoint() {
    if (current < 1 || current > PointCount()) {
        return false;
    }
    const auto removed = points.begin() + current;
    const auto atOrBelowMarker = [](const FOPPoint& p) { return p.Distance <= RemovalMarker.Distance; };
    const bool markerSinglesOut = std::none_of(points.begin(), removed, atOrBelowMarker) &&
                                  std::none_of(removed + 1, points.end(), atOrBelowMarker);
    if (markerSinglesOut) {
        *removed = RemovalMarker;
        SortFOPPoints(points, true);
        points.pop_back();
    } else {
        points.erase(removed);
    }
    SortFOPPoints(points, false);
    current = static_cast<std::int16_t>(std::min<int>(current, PointCount()));
    return true;
}

void FallOfPotential::ClearAll() {
    points.assign(1, FOPPoint{});
    current = 0;
}

void FallOfPotential::Replace(std::vector<FOPPoint> newPoints, int newCurrent) {
    if (newPoints.empty()) {
        newPoints.emplace_back();
    }
    newPoints.resize(std::min<std::size_t>(newPoints.size(), MaxFOPPoints + 1));
    newPoints.front() = FOPPoint{};
    points = std::move(newPoints);
    current = static_cast<std::int16_t>(std::clamp(newCurrent, 0, PointCount()));
}

bool FallOfPotential::Browse(int scrollValue) {
    if (scrollValue < 0 || scrollValue > PointCount() || scrollValue == current) {
        return false;
    }
    current = static_cast<std::int16_t>(scrollValue);
    return true;
}

int FallOfPotential::ReadingsBeyondE2() const {
    return static_cast<int>(
        std::count_if(std::next(points.begin()), points.end(),
                      [this](const FOPPoint& point) { return BeyondE2(point); }));
}

} // namespace stakewell::fop
