#include "graph/WindowCaption.h"

#include <QStyle>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(WindowCaption, IsTheFrameTopLessItsBottomBorderOrElseTheStyles) {
    QWidget window;
    const int styled = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    EXPECT_EQ(stakewell::graph::CaptionHeight(window, QMargins(4, 29, 4, 4)), 25);
    EXPECT_EQ(stakewell::graph::CaptionHeight(window, std::nullopt), styled);
    EXPECT_EQ(stakewell::graph::CaptionHeight(window, QMargins(0, 0, 0, 0)), styled);
    EXPECT_EQ(stakewell::graph::FrameMarginsOf(window), std::nullopt)
        << "not framed before it is shown";
}

} // namespace
