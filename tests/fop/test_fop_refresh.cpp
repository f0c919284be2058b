#include "fop/FopRefresh.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using stakewell::fop::FopRefresh;
using Stage = FopRefresh::Stage;

// The read-outs take the E2 distance the plot is drawn against, so they are
// shown first whoever began listening first.
TEST(FopRefresh, ShowsTheReadOutsBeforeThePlot) {
    FopRefresh refresh;
    std::string order;
    const auto plot = refresh.Listen(Stage::Plot, [&] { order += "plot "; });
    const auto labels = refresh.Listen(Stage::ReadOuts, [&] { order += "labels "; });
    const auto scroll = refresh.Listen(Stage::ReadOuts, [&] { order += "scroll "; });
    refresh.Refresh();
    EXPECT_EQ(order, "labels scroll plot ");
}

// A plot made by the refresh asks for a refresh of its own, which runs whole
// before the outer one goes on.
TEST(FopRefresh, ARefreshAskedForWithinOneRunsWhole) {
    FopRefresh refresh;
    std::string order;
    bool made = false;
    const auto labels = refresh.Listen(Stage::ReadOuts, [&] { order += "labels "; });
    const auto plot = refresh.Listen(Stage::Plot, [&] {
        if (!made) {
            made = true;
            refresh.Refresh();
        }
        order += "plot ";
    });
    refresh.Refresh();
    EXPECT_EQ(order, "labels labels plot plot ");
}

TEST(FopRefresh, AListenerGoneIsNotCalledEvenWithinTheRefresh) {
    FopRefresh refresh;
    int calls = 0;
    std::optional<FopRefresh::Subscription> later;
    const auto first = refresh.Listen(Stage::ReadOuts, [&] { later.reset(); });
    later = refresh.Listen(Stage::ReadOuts, [&] { ++calls; });
    refresh.Refresh();
    EXPECT_EQ(calls, 0) << "stopped listening before its turn";

    FopRefresh::Subscription moved = refresh.Listen(Stage::Plot, [&] { ++calls; });
    FopRefresh::Subscription kept = std::move(moved);
    refresh.Refresh();
    EXPECT_EQ(calls, 1) << "a moved subscription listens once";
    kept = FopRefresh::Subscription();
    refresh.Refresh();
    EXPECT_EQ(calls, 1);
}

} // namespace
