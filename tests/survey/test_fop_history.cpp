#include "survey/FopHistory.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

using stakewell::survey::FallOfPotential;
using stakewell::survey::FopHistory;
using stakewell::survey::FOPPoint;

FallOfPotential ThreeReadings() {
    FallOfPotential fop;
    fop.FOPE2Distance = 100.0;
    fop.Replace({{}, {10, 8}, {20, 6}, {30, 5}}, 3);
    return fop;
}

struct Seen {
    std::vector<FOPPoint> points;
    int current;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* os) {
    *os << seen.points.size() - 1 << " readings, point " << seen.current << " current";
}

Seen SeenIn(const FallOfPotential& fop) {
    return {fop.FOPPoints(), fop.FOPCurrent()};
}

// Each change undone gives back the list and current point it found, and
// redone the ones it left, whatever the change was.
TEST(FopHistory, EveryChangeUndoesAndRedoesExactly) {
    FallOfPotential fop = ThreeReadings();
    FopHistory history;
    std::vector<Seen> states{SeenIn(fop)};
    ASSERT_TRUE(history.Push(stakewell::survey::AddReading(25, 5.5), fop));
    states.push_back(SeenIn(fop));
    fop.Browse(2);
    ASSERT_TRUE(history.Push(stakewell::survey::RemoveCurrentReading(), fop));
    states.push_back(SeenIn(fop));
    ASSERT_TRUE(history.Push(stakewell::survey::ReplaceReadings({{}, {40, 9}}, 1), fop));
    states.push_back(SeenIn(fop));
    ASSERT_TRUE(history.Push(stakewell::survey::ClearReadings(), fop));
    states.push_back(SeenIn(fop));

    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(history.Undo(fop));
        // The removal was made with the second reading browsed to.
        const Seen expected = i == 2 ? Seen{states[1].points, 2} : states[i - 1];
        EXPECT_EQ(SeenIn(fop), expected) << "undo " << i;
    }
    EXPECT_FALSE(history.Undo(fop));
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(history.Redo(fop));
        // A redo comes back to the list as the undo left it: the addition
        // with the reading that was browsed to.
        const Seen expected = i == 1 ? Seen{states[1].points, 2} : states[i];
        EXPECT_EQ(SeenIn(fop), expected) << "redo " << i;
    }
    EXPECT_FALSE(history.Redo(fop));
}

TEST(FopHistory, AChangeOfNothingIsNotKeptAndKeepsWhatWasUndone) {
    FallOfPotential fop = ThreeReadings();
    FopHistory history;
    ASSERT_TRUE(history.Push(stakewell::survey::RemoveCurrentReading(), fop));
    ASSERT_TRUE(history.Undo(fop));
    fop.Browse(0);
    EXPECT_FALSE(history.Push(stakewell::survey::RemoveCurrentReading(), fop))
        << "the origin stays";
    EXPECT_TRUE(history.Redo(fop)) << "the undone removal is still there";

    FallOfPotential empty;
    EXPECT_FALSE(history.Push(stakewell::survey::ClearReadings(), empty));
    EXPECT_TRUE(history.Undo(fop));
}

TEST(FopHistory, KeepsTheNewestChangesOnly) {
    FallOfPotential fop;
    fop.FOPE2Distance = 1000.0;
    FopHistory history;
    for (std::size_t i = 1; i <= FopHistory::MaxCommands + 5; ++i) {
        ASSERT_TRUE(history.Push(stakewell::survey::AddReading(static_cast<double>(i), 1.0), fop));
    }
    std::size_t undone = 0;
    while (history.Undo(fop)) {
        ++undone;
    }
    EXPECT_EQ(undone, FopHistory::MaxCommands);
    EXPECT_EQ(fop.PointCount(), 5);
}

} // namespace
