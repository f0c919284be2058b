#include "work/SiteWork.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

using stakewell::calc::SheetInput;
using stakewell::fop::FOPPoint;
using stakewell::work::SiteWork;

void ThreeReadings(SiteWork& work) {
    work.TypeE2(QStringLiteral("100"));
    work.ImportReadings({{10, 8}, {20, 6}, {30, 5}});
    work.History().clear();
}

struct Seen {
    std::vector<FOPPoint> points;
    int current;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* os) {
    *os << seen.points.size() - 1 << " readings, point " << seen.current << " current";
}

Seen SeenIn(const SiteWork& work) {
    return {work.Fop().FOPPoints(), work.Fop().FOPCurrent()};
}

// Each change undone gives back the list and current point it found, and
// redone the ones it left, whatever the change was.
TEST(WorkHistory, EveryChangeOfTheReadingsUndoesAndRedoesExactly) {
    SiteWork work;
    ThreeReadings(work);
    QUndoStack& history = work.History();
    std::vector<Seen> states{SeenIn(work)};
    ASSERT_TRUE(work.AddReading(25, 5.5));
    states.push_back(SeenIn(work));
    work.Browse(2);
    ASSERT_TRUE(work.RemoveReading());
    states.push_back(SeenIn(work));
    ASSERT_TRUE(work.ImportReadings({{40, 9}}));
    states.push_back(SeenIn(work));
    ASSERT_TRUE(work.ClearReadings());
    states.push_back(SeenIn(work));

    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(history.canUndo());
        history.undo();
        // The removal was made with the second reading browsed to.
        const Seen expected = i == 2 ? Seen{states[1].points, 2} : states[i - 1];
        EXPECT_EQ(SeenIn(work), expected) << "undo " << i;
    }
    EXPECT_FALSE(history.canUndo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(history.canRedo());
        history.redo();
        // A redo comes back to the list as the undo left it: the addition
        // with the reading that was browsed to.
        const Seen expected = i == 1 ? Seen{states[1].points, 2} : states[i];
        EXPECT_EQ(SeenIn(work), expected) << "redo " << i;
    }
    EXPECT_FALSE(history.canRedo());
}

TEST(WorkHistory, AChangeOfNothingIsNotKeptAndKeepsWhatWasUndone) {
    SiteWork work;
    ThreeReadings(work);
    ASSERT_TRUE(work.RemoveReading());
    work.History().undo();
    work.Browse(0);
    EXPECT_FALSE(work.RemoveReading()) << "the origin stays";
    EXPECT_TRUE(work.History().canRedo()) << "the undone removal is still there";

    SiteWork empty;
    EXPECT_FALSE(empty.ClearReadings());
    EXPECT_FALSE(empty.History().canUndo());

    SiteWork saved;
    ThreeReadings(saved);
    saved.MarkSaved();
    EXPECT_TRUE(saved.Browse(1));
    EXPECT_FALSE(saved.UseInDesign(SheetInput::ElectrodeLength, QString()));
    EXPECT_FALSE(saved.ChangeSite(saved.Site()));
    EXPECT_FALSE(saved.ChangeSoil(saved.Soil()));
    EXPECT_FALSE(saved.History().canUndo());
    EXPECT_FALSE(saved.Unsaved()) << "browsing and changes of nothing leave nothing to save";
}

TEST(WorkHistory, KeepsTheNewestChangesOnly) {
    SiteWork work;
    work.TypeE2(QStringLiteral("1000"));
    for (int i = 1; i <= work.History().undoLimit() + 5; ++i) {
        ASSERT_TRUE(work.AddReading(static_cast<double>(i), 1.0));
    }
    int undone = 0;
    while (work.History().canUndo()) {
        work.History().undo();
        ++undone;
    }
    EXPECT_EQ(undone, work.History().undoLimit());
    EXPECT_EQ(work.Fop().PointCount(), 5);
}

} // namespace
