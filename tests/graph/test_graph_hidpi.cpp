// The plot on a screen of twice the pixel density: dots and lines must keep
// their size, covering twice as many device pixels.
#include "graph/GraphWindowHost.h"
#include "graph/PlotPicture.h"
#include "graph/frmGraph.h"

#include <QApplication>

#include <functional>

#include <gtest/gtest.h>

namespace {

// The scale factor is read once, when the application object starts before
// the first test.
const bool denseScreen = qputenv("QT_SCALE_FACTOR", "2");

using stakewell::fop::FOPPoint;

class DenseScreenGraph : public testing::Test {
protected:
    DenseScreenGraph() : host(state) {
        survey.Replace({{}, {10.0, 8.0}, {20.0, 6.0}, {30.0, 5.0}}, 3);
        survey.FOPE2Distance = 50.0;
    }
    void TearDown() override { host.Close(); }

    const QImage& Canvas() {
        host.Window();
        return host.Window().findChild<stakewell::graph::PlotPicture*>("FOPGraph")->Canvas();
    }

    // Device pixels of one colour in the row through `at`, around it.
    int RunAcross(QPoint at, const std::function<bool(QColor)>& matches) {
        const QImage& canvas = Canvas();
        int run = 0;
        for (int x = at.x() - 12; x <= at.x() + 12; ++x) {
            run += matches(canvas.pixelColor(x, at.y())) ? 1 : 0;
        }
        return run;
    }

    QPoint DeviceOf(double feet, double ohms) {
        const auto& plot = state.plot;
        const QImage& canvas = Canvas();
        const double fx = (1000.0 * feet - plot.PlotLeft) / (plot.PlotRight - plot.PlotLeft);
        const double fy = (1000.0 * ohms - plot.PlotTop) / (plot.PlotBottom - plot.PlotTop);
        return {static_cast<int>(fx * canvas.width()), static_cast<int>(fy * canvas.height())};
    }

    stakewell::fop::FallOfPotential survey;

    stakewell::fop::FopRefresh refresh;

    stakewell::graph::PlotState state{survey, refresh};
    stakewell::graph::GraphWindowHost host;
};

TEST_F(DenseScreenGraph, DrawsAtTwiceThePixelDensity) {
    ASSERT_EQ(Canvas().devicePixelRatio(), 2.0);
}

TEST_F(DenseScreenGraph, TheSixtyTwoPercentLineIsTwoDevicePixelsWide) {
    const auto red = [](QColor c) { return c.red() > 180 && c.green() < 120 && c.blue() < 120; };
    EXPECT_EQ(RunAcross(DeviceOf(31.0, 6.5), red), 2);
}

TEST_F(DenseScreenGraph, AMeasuredDotIsEightDevicePixelsAcross) {
    const auto black = [](QColor c) { return c.lightness() < 80; };
    const int across = RunAcross(DeviceOf(20.0, 6.0), black);
    EXPECT_GE(across, 7);
    EXPECT_LE(across, 9);
}

} // namespace
