// The fall-of-potential list under any run of Add, Remove, Browse, Clear and
// whole-list replacements (as a data file or an undo brings them). After every
// Add and Remove the list is exactly what the plain bubble-sort steps give;
// the current point always stays within the list.
#include "FuzzCheck.h"

#include "fop/ReferenceBubbleSort.h"

#include "fop/FopPoints.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using stakewell::fop::FallOfPotential;
using stakewell::fop::FOPPoint;

// Distances from a small set, so that equal distances are common and the
// order among them is put to the test, or any double at all.
double Distance(FuzzedDataProvider& input) {
    if (input.ConsumeBool()) {
        return input.ConsumeIntegralInRange<int>(-2, 12) * 5.0;
    }
    const auto bits = input.ConsumeIntegral<std::uint64_t>();
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Lists and E2 come from the number reading, which never gives NaN or infinity.
double FiniteDistance(FuzzedDataProvider& input) {
    const double value = Distance(input);
    return std::isfinite(value) ? value : 0.0;
}

bool SameBits(const std::vector<FOPPoint>& a, const std::vector<FOPPoint>& b) {
    return a.size() == b.size() &&
           std::memcmp(a.data(), b.data(), a.size() * sizeof(FOPPoint)) == 0;
}

// The points whatever their order, to tell that Add and Remove took in or out
// exactly one point and kept every other.
std::vector<FOPPoint> AnyOrder(std::vector<FOPPoint> points) {
    const auto bits = [](const FOPPoint& p) {
        std::array<std::uint64_t, 2> b{};
        std::memcpy(b.data(), &p, sizeof p);
        return b;
    };
    std::sort(points.begin(), points.end(),
              [&bits](const FOPPoint& a, const FOPPoint& b) { return bits(a) < bits(b); });
    return points;
}

// The plain steps are the yardstick for a list as Add builds it: the origin
// first and every other distance above 0. A list taken whole may hold other
// distances; Add and Remove must then still leave it in order.
bool BuiltByAdd(const FallOfPotential& fop) {
    const auto& points = fop.FOPPoints();
    return points.front() == FOPPoint{} &&
           std::all_of(points.begin() + 1, points.end(),
                       [](const FOPPoint& p) { return p.Distance > 0; });
}

void RequireInOrder(const FallOfPotential& fop, const char* step) {
    const auto& points = fop.FOPPoints();
    Require(std::is_sorted(points.begin(), points.end(),
                           [](const FOPPoint& a, const FOPPoint& b) { return a.Distance < b.Distance; }),
            "the list is in ascending order of distance", step);
}

void RequireWithinList(const FallOfPotential& fop) {
    Require(fop.FOPCurrent() >= 0 && fop.FOPCurrent() <= fop.PointCount(),
            "the current point is within the list");
    Require(fop.PointCount() >= 0 && fop.PointCount() <= stakewell::fop::MaxFOPPoints,
            "the list holds the origin and at most the largest count");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FallOfPotential fop;
    fop.FOPE2Distance = input.ConsumeBool() ? 50.0 : FiniteDistance(input);
    while (input.remaining_bytes() > 0) {
        const auto before = fop.FOPPoints();
        const auto currentBefore = fop.FOPCurrent();
        switch (input.ConsumeIntegralInRange<int>(0, 5)) {
        case 0:
        case 1: {
            const double feet = Distance(input);
            const double ohms = input.ConsumeBool() ? 10.0 : Distance(input);
            FallOfPotential expected = fop;
            const bool comparable = BuiltByAdd(fop);
            const bool taken = reference::AddPoint(expected, feet, ohms);
            Require(fop.AddPoint(feet, ohms) == taken, "Add takes exactly the valid points");
            Require(!comparable || (SameBits(fop.FOPPoints(), expected.FOPPoints()) &&
                                    fop.FOPCurrent() == expected.FOPCurrent()),
                    "Add leaves the list the bubble sort leaves");
            if (taken) {
                RequireInOrder(fop, "Add");
                auto grown = before;
                grown.push_back({feet, ohms});
                Require(SameBits(AnyOrder(fop.FOPPoints()), AnyOrder(grown)),
                        "Add takes in the point and keeps every other");
            }
            break;
        }
        case 2: {
            FallOfPotential expected = fop;
            const bool comparable = BuiltByAdd(fop);
            const bool removed = fop.RemovePoint();
            Require(removed == (currentBefore >= 1), "Remove takes out the current point");
            if (comparable) {
                reference::RemovePoint(expected);
                Require(SameBits(fop.FOPPoints(), expected.FOPPoints()) &&
                            fop.FOPCurrent() == expected.FOPCurrent(),
                        "Remove leaves the list the bubble sort leaves");
            }
            if (removed) {
                Require(fop.PointCount() + 1 == static_cast<int>(before.size()) - 1,
                        "Remove takes out one point");
                RequireInOrder(fop, "Remove");
                auto shrunk = before;
                shrunk.erase(shrunk.begin() + currentBefore);
                Require(SameBits(AnyOrder(fop.FOPPoints()), AnyOrder(shrunk)),
                        "Remove takes out the current point and keeps every other");
            }
            break;
        }
        case 3: {
            const int value = input.ConsumeIntegralInRange<int>(-2, fop.PointCount() + 2);
            const bool moved = fop.Browse(value);
            Require(moved == (value >= 0 && value <= fop.PointCount() && value != currentBefore),
                    "Browse selects exactly a point of the list");
            Require(SameBits(fop.FOPPoints(), before), "Browse leaves the list alone");
            break;
        }
        case 4:
            fop.ClearAll();
            Require(fop.PointCount() == 0 && fop.FOPCurrent() == 0,
                    "Clear leaves the origin alone");
            break;
        default: {
            std::vector<FOPPoint> points(input.ConsumeIntegralInRange<std::size_t>(0, 12));
            for (FOPPoint& point : points) {
                point = {FiniteDistance(input), 10.0};
            }
            fop.Replace(points, input.ConsumeIntegralInRange<int>(-3, 15));
            Require(fop.FOPPoints().front() == FOPPoint{},
                    "a list taken whole starts at the origin");
            break;
        }
        }
        RequireWithinList(fop);
    }
    return 0;
}
