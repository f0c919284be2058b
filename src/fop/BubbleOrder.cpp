#include "fop/BubbleOrder.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>
#include <numeric>

namespace stakewell::fop {
namespace {

// A Fenwick tree of counts over the slots 0..size-1.
class SlotCounts {
public:
    explicit SlotCounts(int size) : tree_(static_cast<std::size_t>(size) + 1, 0) {}

    void Add(int slot, int delta) {
        for (int i = slot + 1; i < Size(); i += i & -i) {
            tree_[static_cast<std::size_t>(i)] += delta;
        }
    }

    // The sum of the counts of the slots below `slot`.
    int CountBelow(int slot) const {
        int sum = 0;
        for (int i = slot; i > 0; i &= i - 1) {
            sum += tree_[static_cast<std::size_t>(i)];
        }
        return sum;
    }

    // The slot that holds the n-th item (from 0) when every count is 0 or 1.
    int FindNth(int n) const {
        int found = 0;
        for (int step = static_cast<int>(std::bit_floor(tree_.size() - 1)); step > 0; step >>= 1) {
            const int next = found + step;
            if (next < Size() && tree_[static_cast<std::size_t>(next)] <= n) {
                found = next;
                n -= tree_[static_cast<std::size_t>(next)];
            }
        }
        return found;
    }

private:
    int Size() const { return static_cast<int>(tree_.size()); }

    std::vector<int> tree_;
};

double FeetAt(const std::vector<FOPPoint>& points, int index) {
    return points[static_cast<std::size_t>(index)].Distance;
}

// For each point, how many points of a strictly smaller distance stand in
// front of it. `byDistance` lists the indices in descending order of distance.
std::vector<int> SmallerInFront(const std::vector<FOPPoint>& points,
                                const std::vector<int>& byDistance) {
    const int n = static_cast<int>(points.size());
    std::vector<int> rank(points.size());
    int distinct = 0;
    for (int i = n - 1; i >= 0; --i) {
        if (i < n - 1 && FeetAt(points, byDistance[i + 1]) < FeetAt(points, byDistance[i])) {
            ++distinct;
        }
        rank[static_cast<std::size_t>(byDistance[i])] = distinct;
    }
    SlotCounts seen(distinct + 1);
    std::vector<int> smaller(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        smaller[i] = seen.CountBelow(rank[i]);
        seen.Add(rank[i], 1);
    }
    return smaller;
}

// For each place q of the sorted list, the pass after which q lies beyond the
// part of the list that the descending sort still works on.
//
// Every pass settles at least its last place, so q leaves at the latest one
// pass after q+1 does. It leaves in that same pass only when q holds a strictly
// larger distance than q+1 (the pass exchanges equal neighbours, which keeps q
// in) and every point that belongs beyond q has already been carried past the
// last point that belongs at or before q, one of them per pass. That the
// points beyond q are in order among themselves by then needs no check: the
// pass that settles q+1 comes after each of them has lost all the smaller
// points in front of it.
std::vector<int> RangeEndingPasses(const std::vector<FOPPoint>& points,
                                   const std::vector<int>& byDistance) {
    const int n = static_cast<int>(points.size());
    std::vector<int> lastOriginalIndex(points.size());
    int latest = -1;
    for (int q = 0; q < n; ++q) {
        latest = std::max(latest, byDistance[q]);
        lastOriginalIndex[q] = latest;
    }
    std::vector<int> passes(points.size());
    passes.back() = 1;
    for (int q = n - 2; q >= 0; --q) {
        const int passesToClearTail = lastOriginalIndex[q] - q;
        const bool strictlyLarger =
            FeetAt(points, byDistance[q + 1]) < FeetAt(points, byDistance[q]);
        const bool sameEnd = strictlyLarger && passesToClearTail < passes[q + 1];
        passes[q] = passes[q + 1] + (sameEnd ? 0 : 1);
    }
    return passes;
}

// Points of one distance v, listed in their original order, each with the
// number of passes after which no smaller point is left in front of it. Such
// points wait in a round-robin queue: every pass carries the first of them past
// all the others to the next smaller point, that is to the back of the queue,
// and then the points freed by that pass join behind it. Returns the order of
// the queue after `passes` passes, as indices into the run.
//
// The queue is kept as a circle read from its front: a pass moves the front
// one step, and joining points are inserted just before the front. Only where
// each group is inserted is worked out while the passes go by; the slots are
// then filled latest group first, each into the free slots that the points
// present at its time end up filling.
std::vector<int> RoundRobinOrder(const std::vector<int>& joinsAfter, int passes) {
    struct Insertion {
        int at;
        int first;
        int count;
    };
    const int m = static_cast<int>(joinsAfter.size());
    std::vector<Insertion> insertions;
    int length = 0;
    int front = 0;
    int passesDone = 0;
    for (int first = 0; first < m;) {
        int end = first;
        while (end < m && joinsAfter[end] == joinsAfter[first]) {
            ++end;
        }
        if (length > 0) {
            front = (front + joinsAfter[first] - passesDone) % length;
        }
        insertions.push_back({front, first, end - first});
        length += end - first;
        front = (front + end - first) % length;
        passesDone = joinsAfter[first];
        first = end;
    }
    assert(passes >= passesDone);
    front = (front + passes - passesDone) % length;

    SlotCounts freeSlots(m);
    for (int slot = 0; slot < m; ++slot) {
        freeSlots.Add(slot, 1);
    }
    std::vector<int> circle(joinsAfter.size());
    std::for_each(insertions.rbegin(), insertions.rend(), [&](const Insertion& insertion) {
        for (int j = 0; j < insertion.count; ++j) {
            const int slot = freeSlots.FindNth(insertion.at);
            freeSlots.Add(slot, -1);
            circle[static_cast<std::size_t>(slot)] = insertion.first + j;
        }
    });
    std::rotate(circle.begin(), circle.begin() + front, circle.end());
    return circle;
}

// The indices of the points in the order the descending bubble sort leaves
// them. Distances end in descending order; only the order inside each run of
// equal distances needs working out, because the pass exchanges equal
// neighbours. Each pass takes one smaller point past every point that still
// has one in front of it, and round-robins the points of one distance that
// have none (see RoundRobinOrder). The pass that ends the range before the
// run's last place carries the queue's first point there, and the passes
// after it take the others in queue order, so the run is that queue reversed.
std::vector<int> DescendingBubbleOrder(const std::vector<FOPPoint>& points) {
    std::vector<int> order(points.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&points](int a, int b) { return FeetAt(points, a) > FeetAt(points, b); });
    if (points.size() < 2) {
        return order;
    }
    const std::vector<int> smallerInFront = SmallerInFront(points, order);
    const std::vector<int> rangeEndingPasses = RangeEndingPasses(points, order);

    const auto n = static_cast<std::ptrdiff_t>(order.size());
    std::vector<int> joinsAfter;
    std::vector<int> run;
    for (std::ptrdiff_t first = 0; first < n;) {
        std::ptrdiff_t end = first + 1;
        while (end < n && FeetAt(points, order[end]) == FeetAt(points, order[first])) {
            ++end;
        }
        if (end - first > 1) {
            run.assign(order.begin() + first, order.begin() + end);
            joinsAfter.clear();
            for (const int index : run) {
                joinsAfter.push_back(smallerInFront[static_cast<std::size_t>(index)]);
            }
            const std::vector<int> queue =
                RoundRobinOrder(joinsAfter, rangeEndingPasses[end - 1] - 1);
            for (std::size_t j = 0; j < queue.size(); ++j) {
                order[end - 1 - static_cast<std::ptrdiff_t>(j)] =
                    run[static_cast<std::size_t>(queue[j])];
            }
        }
        first = end;
    }
    return order;
}

} // namespace

void SortFOPPoints(std::vector<FOPPoint>& points, bool bDescending) {
    if (!bDescending) {
        std::stable_sort(points.begin(), points.end(),
                         [](const FOPPoint& a, const FOPPoint& b) { return a.Distance < b.Distance; });
        return;
    }
    std::vector<FOPPoint> sorted;
    sorted.reserve(points.size());
    for (const int index : DescendingBubbleOrder(points)) {
        sorted.push_back(points[static_cast<std::size_t>(index)]);
    }
    points = std::move(sorted);
}

} // namespace stakewell::fop
