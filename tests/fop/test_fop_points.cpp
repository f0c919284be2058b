#include "fop/FopPoints.h"

#include "ReferenceBubbleSort.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using stakewell::fop::FallOfPotential;
using stakewell::fop::FOPPoint;
using stakewell::fop::MaxFOPPoints;

// Points at the given distances whose resistances number them 0, 1, 2, ... so
// that the order of equal distances can be read back from the resistances.
std::vector<FOPPoint> Numbered(const std::vector<double>& feet) {
    std::vector<FOPPoint> points;
    points.reserve(feet.size());
    for (const double f : feet) {
        points.push_back({f, static_cast<double>(points.size())});
    }
    return points;
}

std::vector<double> OhmsOf(const std::vector<FOPPoint>& points) {
    std::vector<double> ohms(points.size());
    std::transform(points.begin(), points.end(), ohms.begin(),
                   [](const FOPPoint& p) { return p.Ohms; });
    return ohms;
}

std::vector<double> FeetOf(const std::vector<FOPPoint>& points) {
    std::vector<double> feet(points.size());
    std::transform(points.begin(), points.end(), feet.begin(),
                   [](const FOPPoint& p) { return p.Distance; });
    return feet;
}

FallOfPotential WithE2(double e2) {
    FallOfPotential fop;
    fop.FOPE2Distance = e2;
    return fop;
}

FallOfPotential Loaded(const std::vector<FOPPoint>& measured, int current, double e2 = 50.0) {
    FallOfPotential fop = WithE2(e2);
    std::vector<FOPPoint> points{FOPPoint{}};
    points.insert(points.end(), measured.begin(), measured.end());
    fop.Replace(std::move(points), current);
    return fop;
}

// ---- The sort ------------------------------------------------------------

struct OrderCase {
    std::vector<double> feet;
    std::vector<double> expectedOhms; // the numbers of the points, in sorted order
};

void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.feet);
}

class DescendingOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(DescendingOrderTest, ExchangesEqualNeighboursLikeTheBubbleSort) {
    std::vector<FOPPoint> points = Numbered(GetParam().feet);
    stakewell::fop::SortFOPPoints(points, true);
    EXPECT_EQ(OhmsOf(points), GetParam().expectedOhms);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedByHand, DescendingOrderTest,
    ::testing::Values(OrderCase{{}, {}}, OrderCase{{7}, {0}}, OrderCase{{5, 5, 5}, {2, 1, 0}},
                      OrderCase{{5, 5, 1}, {1, 0, 2}}, OrderCase{{5, 1, 5}, {2, 0, 1}},
                      OrderCase{{2, 5, 5, 1, 5}, {4, 1, 2, 0, 3}},
                      OrderCase{{5, 3, 5, 3, 5, 3}, {4, 0, 2, 5, 3, 1}},
                      OrderCase{{0, 10, 10, 10, -1}, {3, 2, 1, 0, 4}},
                      OrderCase{{0, 1, 2, 3, 4}, {4, 3, 2, 1, 0}}),
    [](const auto& info) {
        return CaseName(info.index, {::testing::PrintToString(info.param.feet)});
    });

TEST(SortFOPPoints, AscendingKeepsEqualDistancesInTheirOrder) {
    std::vector<FOPPoint> points = Numbered({20, 10, 20, 10, 0});
    stakewell::fop::SortFOPPoints(points, false);
    EXPECT_EQ(OhmsOf(points), (std::vector<double>{4, 1, 3, 0, 2}));
}

// Draws lists from a few distances so that most lists hold runs of equal
// distances, the case where the fast sort has to reproduce the passes.
class ListMaker {
public:
    explicit ListMaker(unsigned seed) : random_(seed) {}

    std::vector<FOPPoint> Make(int size) {
        const std::vector<double> pool = Pool();
        std::vector<double> feet(static_cast<std::size_t>(size));
        for (double& f : feet) {
            f = pool[Below(pool.size())];
        }
        switch (Below(4)) {
        case 0: // as Add leaves it, with the removal marker put on one point
            std::sort(feet.begin(), feet.end());
            if (!feet.empty()) {
                feet[Below(feet.size())] = -1.0;
            }
            break;
        case 1:
            std::sort(feet.rbegin(), feet.rend());
            break;
        default:
            break;
        }
        return Numbered(feet);
    }

    std::size_t Below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }

private:
    std::vector<double> Pool() {
        static const std::vector<double> candidates{-1.0, -0.0, 0.0,  2.5,  5.0,
                                                    10.0, 31.0, 49.9, 1e300};
        std::vector<double> pool;
        const std::size_t wanted = 1 + Below(candidates.size());
        while (pool.size() < wanted) {
            pool.push_back(candidates[Below(candidates.size())]);
        }
        return pool;
    }

    std::mt19937 random_;
};

void ExpectSameOrderAsTheBubbleSort(unsigned seed, int lists, int minSize, int maxSize) {
    ListMaker maker(seed);
    for (int list = 0; list < lists; ++list) {
        const int size = minSize + static_cast<int>(maker.Below(maxSize - minSize + 1));
        const std::vector<FOPPoint> original = maker.Make(size);
        for (const bool descending : {false, true}) {
            std::vector<FOPPoint> fast = original;
            std::vector<FOPPoint> slow = original;
            stakewell::fop::SortFOPPoints(fast, descending);
            reference::SortFOPPoints(slow, descending);
            ASSERT_EQ(OhmsOf(fast), OhmsOf(slow)) << "descending " << descending << ", feet "
                                                  << ::testing::PrintToString(FeetOf(original));
            ASSERT_EQ(fast, slow);
        }
    }
}

TEST(SortFOPPoints, MatchesTheBubbleSortOnShortListsWithRepeatedDistances) {
    ExpectSameOrderAsTheBubbleSort(20240501U, 6000, 0, 60);
}

TEST(SortFOPPoints, MatchesTheBubbleSortOnLongerLists) {
    ExpectSameOrderAsTheBubbleSort(77U, 40, 200, 1200);
}

// ---- The list operations -------------------------------------------------

TEST(FallOfPotential, StartsWithTheOriginAlone) {
    const FallOfPotential fop;
    EXPECT_EQ(fop.FOPPoints(), std::vector<FOPPoint>{FOPPoint{}});
    EXPECT_EQ(fop.PointCount(), 0);
    EXPECT_EQ(fop.FOPCurrent(), 0);
}

TEST(FallOfPotential, ClearAllLeavesTheOriginAloneAndSelectsIt) {
    FallOfPotential fop = WithE2(50.0);
    ASSERT_TRUE(fop.AddPoint(10.0, 8.0));
    ASSERT_TRUE(fop.AddPoint(20.0, 6.0));
    fop.ClearAll();
    EXPECT_EQ(fop.FOPPoints(), std::vector<FOPPoint>{FOPPoint{}});
    EXPECT_EQ(fop.FOPCurrent(), 0);
}

struct RefusedCase {
    std::string why;
    double feet;
    double ohms;
};

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.why;
}

class RefusedAddTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedAddTest, ChangesNothing) {
    FallOfPotential fop = WithE2(50.0);
    ASSERT_TRUE(fop.AddPoint(20.0, 6.0));
    ASSERT_TRUE(fop.Browse(0));
    const std::vector<FOPPoint> before = fop.FOPPoints();

    EXPECT_FALSE(fop.AddPoint(GetParam().feet, GetParam().ohms));
    EXPECT_EQ(fop.FOPPoints(), before);
    EXPECT_EQ(fop.FOPCurrent(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedAddTest,
    ::testing::Values(RefusedCase{"AtE2", 50.0, 5.0}, RefusedCase{"BeyondE2", 60.0, 5.0},
                      RefusedCase{"AtE1", 0.0, 5.0}, RefusedCase{"BehindE1", -5.0, 5.0},
                      RefusedCase{"ZeroOhms", 10.0, 0.0}, RefusedCase{"NegativeOhms", 10.0, -2.0},
                      RefusedCase{"NaNFeet", NaN, 5.0}, RefusedCase{"NaNOhms", 10.0, NaN}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.why; });

struct LimitCase {
    std::string name;
    double feet;
    double ohms;
    double e2;
    stakewell::fop::AddRefusal refusal;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

class LargestReadingTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LargestReadingTest, IsTakenAndNothingBeyondIt) {
    const LimitCase& c = GetParam();
    FallOfPotential fop = WithE2(c.e2);
    EXPECT_EQ(fop.CheckPoint(c.feet, c.ohms), c.refusal);
    EXPECT_EQ(fop.AddPoint(c.feet, c.ohms), c.refusal == stakewell::fop::AddRefusal::None);
}

using stakewell::fop::AddRefusal;
using stakewell::fop::LargestReading;

INSTANTIATE_TEST_SUITE_P(
    Table, LargestReadingTest,
    ::testing::Values(
        LimitCase{"ResistanceAtTheLargest", 10.0, LargestReading, 50.0, AddRefusal::None},
        LimitCase{"ResistanceJustBeyond", 10.0, std::nextafter(LargestReading, 2e9), 50.0,
                  AddRefusal::ResistanceTooLarge},
        LimitCase{"ResistanceOfTheLargestDouble", 10.0, 1e308, 50.0,
                  AddRefusal::ResistanceTooLarge},
        LimitCase{"DistanceAtTheLargest", LargestReading, 5.0, 1e12, AddRefusal::None},
        LimitCase{"DistanceBeyondItBelowE2", 2e9, 5.0, 1e12, AddRefusal::DistanceTooLarge},
        LimitCase{"DistanceBeyondItAndE2", 2e9, 5.0, 50.0, AddRefusal::DistanceOutsideE1E2}),
    [](const ::testing::TestParamInfo<LimitCase>& info) { return info.param.name; });

TEST(FallOfPotential, RefusesEveryPointBeforeE2IsFirstTaken) {
    FallOfPotential fop;
    EXPECT_FALSE(fop.AddPoint(10.0, 5.0));
    EXPECT_EQ(fop.PointCount(), 0);
}

TEST(FallOfPotential, TakesANewE2OnlyOnceItIsSet) {
    FallOfPotential fop = WithE2(50.0);
    EXPECT_FALSE(fop.AddPoint(70.0, 5.0));
    fop.FOPE2Distance = 100.0;
    EXPECT_TRUE(fop.AddPoint(70.0, 5.0));
}

TEST(FallOfPotential, KeepsPointsSortedAndSelectsTheFarthestAfterEachAdd) {
    FallOfPotential fop = WithE2(50.0);
    const std::vector<double> added{30.0, 10.0, 20.0};
    for (std::size_t i = 0; i < added.size(); ++i) {
        ASSERT_TRUE(fop.AddPoint(added[i], 5.0));
        EXPECT_EQ(fop.FOPCurrent(), static_cast<int>(i) + 1);
        EXPECT_EQ(fop.CurrentPoint().Distance, 30.0);
    }
    EXPECT_EQ(FeetOf(fop.FOPPoints()), (std::vector<double>{0.0, 10.0, 20.0, 30.0}));
}

TEST(FallOfPotential, PlacesASecondPointAtAnExistingDistanceAfterTheFirst) {
    FallOfPotential fop = WithE2(50.0);
    ASSERT_TRUE(fop.AddPoint(20.0, 1.0));
    ASSERT_TRUE(fop.AddPoint(10.0, 2.0));
    ASSERT_TRUE(fop.AddPoint(20.0, 3.0));
    EXPECT_EQ(OhmsOf(fop.FOPPoints()), (std::vector<double>{0.0, 2.0, 1.0, 3.0}));
}

TEST(FallOfPotential, RefusesAnAddOnceTheListIsFull) {
    std::vector<double> feet(MaxFOPPoints - 1);
    for (std::size_t i = 0; i < feet.size(); ++i) {
        feet[i] = 1.0 + static_cast<double>(i % 40);
    }
    std::sort(feet.begin(), feet.end());
    FallOfPotential fop = Loaded(Numbered(feet), 1);
    ASSERT_TRUE(fop.AddPoint(5.0, 0.5));
    EXPECT_EQ(fop.PointCount(), MaxFOPPoints);
    EXPECT_EQ(fop.FOPCurrent(), MaxFOPPoints);

    const std::vector<FOPPoint> full = fop.FOPPoints();
    EXPECT_FALSE(fop.AddPoint(5.0, 0.5));
    EXPECT_EQ(fop.FOPPoints(), full);
    EXPECT_TRUE(fop.RemovePoint());
    EXPECT_EQ(fop.PointCount(), MaxFOPPoints - 1);
}

struct RemoveCase {
    std::string name;
    std::vector<double> feet; // measured points, numbered 1, 2, ...
    int current;
    std::vector<double> expectedOhms; // the origin is 0
    int expectedCurrent;
};

void PrintTo(const RemoveCase& c, std::ostream* os) {
    *os << c.name;
}

class RemoveTest : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveTest, TakesOutTheCurrentPoint) {
    const RemoveCase& c = GetParam();
    std::vector<FOPPoint> measured = Numbered(c.feet);
    for (FOPPoint& p : measured) {
        p.Ohms += 1.0;
    }
    FallOfPotential fop = Loaded(measured, c.current);
    EXPECT_TRUE(fop.RemovePoint());
    EXPECT_EQ(OhmsOf(fop.FOPPoints()), c.expectedOhms);
    EXPECT_EQ(fop.FOPCurrent(), c.expectedCurrent);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RemoveTest,
    ::testing::Values(
        RemoveCase{"MiddleSelectsTheFollowingPoint", {10, 20, 30}, 2, {0, 1, 3}, 2},
        RemoveCase{"LastSelectsTheNewLast", {10, 20, 30}, 3, {0, 1, 2}, 2},
        RemoveCase{"OnlyPointLeavesTheOrigin", {10}, 1, {0}, 0},
        // The two sorts reorder points of equal distance.
        RemoveCase{"FarthestReversesAnEqualRun", {10, 10, 10, 20}, 4, {0, 3, 2, 1}, 3},
        RemoveCase{"FirstOfAnEqualRun", {10, 10, 10, 20}, 1, {0, 3, 2, 4}, 1},
        RemoveCase{"LastOfAnEqualRunKeepsTheOrder", {10, 10, 10, 20}, 3, {0, 1, 2, 4}, 3},
        RemoveCase{"LoadedDescendingListEndsSorted", {30, 20, 10}, 1, {0, 3, 2}, 1},
        // A distance at or below the marker elsewhere: the point is erased directly.
        RemoveCase{"BesideADistanceBelowTheMarker", {-3, 10, 20}, 2, {1, 0, 3}, 2},
        RemoveCase{"BesideADistanceAtTheMarker", {-1, 10}, 2, {1, 0}, 1}),
    [](const ::testing::TestParamInfo<RemoveCase>& info) { return info.param.name; });

TEST(FallOfPotential, RemoveDoesNothingWithTheOriginSelected) {
    FallOfPotential fop = Loaded(Numbered({10, 20}), 0);
    const std::vector<FOPPoint> before = fop.FOPPoints();
    EXPECT_FALSE(fop.RemovePoint());
    EXPECT_EQ(fop.FOPPoints(), before);
}

TEST(FallOfPotential, RemoveDoesNothingOnAnEmptyList) {
    FallOfPotential fop = WithE2(50.0);
    EXPECT_FALSE(fop.RemovePoint());
    EXPECT_EQ(fop.FOPPoints(), std::vector<FOPPoint>{FOPPoint{}});
}

TEST(FallOfPotential, BrowseSelectsOnlyAnotherExistingPoint) {
    FallOfPotential fop = Loaded(Numbered({10, 20, 30}), 3);
    EXPECT_FALSE(fop.Browse(3));
    EXPECT_TRUE(fop.Browse(0));
    EXPECT_EQ(fop.CurrentPoint(), FOPPoint{});
    EXPECT_TRUE(fop.Browse(2));
    EXPECT_EQ(fop.CurrentPoint().Distance, 20.0);
    EXPECT_FALSE(fop.Browse(4));
    EXPECT_FALSE(fop.Browse(-1));
    EXPECT_EQ(fop.FOPCurrent(), 2);
}

TEST(FallOfPotential, ALoadedDescendingListKeepsItsOrderUntilAnAdd) {
    FallOfPotential fop = Loaded(Numbered({30, 20, 10}), 3);
    ASSERT_TRUE(fop.Browse(1));
    EXPECT_EQ(FeetOf(fop.FOPPoints()), (std::vector<double>{0, 30, 20, 10}));
    ASSERT_TRUE(fop.AddPoint(15.0, 9.0));
    EXPECT_EQ(FeetOf(fop.FOPPoints()), (std::vector<double>{0, 10, 15, 20, 30}));
}

// Random sessions of adds, removes, browsing and clearing, run once with the
// fast sort and once with the bubble sort itself; both lists must agree after
// every step. Distances come from a short list so that equal distances abound.
TEST(FallOfPotential, SessionsMatchTheBubbleSortStepByStep) {
    std::mt19937 random(4242U);
    const auto below = [&random](int bound) {
        return std::uniform_int_distribution<int>(0, bound - 1)(random);
    };
    const std::vector<double> distances{0.0, 5.0, 10.0, 10.0, 12.5, 20.0, 31.0, 50.0, 60.0};
    double nextOhms = 1.0;
    for (int session = 0; session < 400; ++session) {
        const int loadedCount = below(12);
        std::vector<FOPPoint> loaded(static_cast<std::size_t>(loadedCount));
        for (FOPPoint& p : loaded) {
            p = {distances[static_cast<std::size_t>(below(7)) + 1], nextOhms++};
        }
        FallOfPotential fast = Loaded(loaded, loadedCount);
        FallOfPotential slow = fast;
        for (int step = 0; step < 60; ++step) {
            const int choice = below(20);
            bool fastChanged = false;
            bool slowChanged = false;
            if (choice < 9) {
                const double feet = distances[static_cast<std::size_t>(below(9))];
                const double ohms = below(10) == 0 ? 0.0 : nextOhms++;
                fastChanged = fast.AddPoint(feet, ohms);
                slowChanged = reference::AddPoint(slow, feet, ohms);
            } else if (choice < 15) {
                fastChanged = fast.RemovePoint();
                slowChanged = reference::RemovePoint(slow);
            } else if (choice < 19) {
                const int value = below(fast.PointCount() + 1);
                fastChanged = fast.Browse(value);
                slowChanged = slow.Browse(value);
            } else {
                fast.ClearAll();
                slow.ClearAll();
            }
            ASSERT_EQ(fastChanged, slowChanged) << "session " << session << ", step " << step;
            ASSERT_EQ(fast.FOPPoints(), slow.FOPPoints())
                << "session " << session << ", step " << step;
            ASSERT_EQ(fast.FOPCurrent(), slow.FOPCurrent());
        }
    }
}

} // namespace
