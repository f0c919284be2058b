#include "CaseName.h"
#include "graph/ScreenPlacement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using stakewell::graph::BesidePlacement;

struct PlacementCase {
    std::string name;
    QRect screen;
    QRect neighbour;
    QSize size;
    QRect expected;
};

// The main window's controls, as the tests place them: all of it but its
// caption and tab strip.
QRect ControlsOf(const QRect& neighbour) {
    return neighbour.adjusted(0, 60, 0, 0);
}

class BesideTheMainWindow : public testing::TestWithParam<PlacementCase> {};

TEST_P(BesideTheMainWindow, TakesTheFirstSideWithRoomAndNeverHidesTheControlsItCanAvoid) {
    const PlacementCase& c = GetParam();
    const QSize least(364, 283);
    const QRect placed =
        BesidePlacement(c.neighbour, c.size, least, c.screen, ControlsOf(c.neighbour));
    EXPECT_EQ(placed, c.expected) << placed.x() << "," << placed.y() << " " << placed.width() << "x"
                                  << placed.height();
    EXPECT_TRUE(c.screen.contains(placed));
}

const QRect FullHd(0, 0, 1920, 1080);
const QRect Sxga(0, 0, 1280, 1024);

INSTANTIATE_TEST_SUITE_P(
    Sides, BesideTheMainWindow,
    testing::Values(
        PlacementCase{"right_at_full_size", FullHd, QRect(100, 100, 380, 300), QSize(380, 300),
                      QRect(488, 100, 380, 300)},
        PlacementCase{"left_when_the_right_is_short", FullHd, QRect(1400, 100, 380, 300),
                      QSize(380, 300), QRect(1012, 100, 380, 300)},
        PlacementCase{"held_on_the_screen_across_its_side", FullHd, QRect(100, 900, 380, 300),
                      QSize(380, 400), QRect(488, 680, 380, 400)},
        PlacementCase{"zoomed_twice_centred_shrinks_to_the_room_on_the_right", FullHd,
                      QRect(596, 270, 728, 540), QSize(728, 540), QRect(1332, 270, 588, 540)},
        PlacementCase{"zoomed_twice_on_a_small_screen_goes_above_made_smaller", Sxga,
                      QRect(276, 400, 728, 540), QSize(728, 540), QRect(276, 0, 728, 392)},
        PlacementCase{"no_room_anywhere_hides_least_of_the_controls", Sxga,
                      QRect(276, 242, 728, 540), QSize(728, 540), QRect(276, 0, 728, 540)}),
    [](const testing::TestParamInfo<PlacementCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

} // namespace
