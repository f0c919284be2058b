#include "fop/TwoLayerProbe.h"
#include "graph/GraphWindowHost.h"
#include "graph/PlotPicture.h"
#include "graph/ScreenPlacement.h"
#include "graph/frmGraph.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <vector>

namespace {

using stakewell::fop::FOPPoint;

// The graph on its own, counting the refreshes it asks for.
class GraphWindowTest : public testing::Test {
protected:
    GraphWindowTest()
        : counting(state.refresh.Listen(stakewell::fop::FopRefresh::Stage::ReadOuts,
                                        [this] { ++refreshes; })),
          host(state) {}

    void TearDown() override { host.Close(); }

    void SetReadings(const std::vector<FOPPoint>& measured, double e2, int current) {
        std::vector<FOPPoint> points{FOPPoint{}};
        points.insert(points.end(), measured.begin(), measured.end());
        survey.Replace(std::move(points), current);
        survey.FOPE2Distance = e2;
    }

    void Refresh() {
        stakewell::graph::frmGraph& graph = host.Window();
        graph.ClearGraph();
        graph.ComputePlotExtents();
        graph.DrawGraph();
    }

    stakewell::graph::PlotPicture& Picture() {
        return *host.Window().findChild<stakewell::graph::PlotPicture*>("FOPGraph");
    }
    QString PanelText(const char* name) { return host.Window().findChild<QLabel*>(name)->text(); }

    // The picture pixel of a user-scale point, from the limits of the last drawing.
    QPoint PixelOf(double x, double y) {
        const auto& plot = state.plot;
        const QSize size = Picture().size();
        const double px = (x - plot.PlotLeft) / (plot.PlotRight - plot.PlotLeft) * size.width();
        const double py = (y - plot.PlotTop) / (plot.PlotBottom - plot.PlotTop) * size.height();
        return {static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py))};
    }

    QColor Pixel(QPoint at) { return Picture().Canvas().pixelColor(at); }

    // True when some pixel within one of `at` (horizontally) matches.
    template <typename Predicate> bool NearColumn(QPoint at, Predicate matches) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (matches(Pixel(at + QPoint(dx, 0)))) {
                return true;
            }
        }
        return false;
    }

    template <typename Predicate> bool NearRow(QPoint at, Predicate matches) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (matches(Pixel(at + QPoint(0, dy)))) {
                return true;
            }
        }
        return false;
    }

    bool PictureIsBlank() {
        const QImage& canvas = Picture().Canvas();
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (canvas.pixelColor(x, y) != stakewell::graph::PlotPicture::Background()) {
                    return false;
                }
            }
        }
        return true;
    }

    void MoveMouse(QPointF position) {
        QMouseEvent move(QEvent::MouseMove, position, Picture().mapToGlobal(position), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&Picture(), &move);
    }

    int OuterHeightTwipsAtMinimum() { return host.Window().TitleBarHeight() * 15 + 3900; }

    static bool Reddish(const QColor& c) { return c.red() > 200 && c.green() < 140; }
    static bool Whitish(const QColor& c) {
        return c.red() > 0xE0 && c.green() > 0xE0 && c.blue() > 0xE0;
    }
    static bool Greenish(const QColor& c) { return c.green() > 200 && c.red() < 140; }
    static bool Blackish(const QColor& c) {
        return c.red() < 40 && c.green() < 40 && c.blue() < 40;
    }

    stakewell::fop::FallOfPotential survey;

    stakewell::fop::FopRefresh refresh;
    std::optional<stakewell::soil::TwoLayerSoil> soil;

    stakewell::graph::PlotState state{survey, refresh, soil};
    int refreshes = 0;
    stakewell::fop::FopRefresh::Subscription counting;
    stakewell::graph::GraphWindowHost host;
};

TEST_F(GraphWindowTest, WorkedExampleDrawsGridRedLineAndPoints) {
    SetReadings({{10, 8}, {20, 6}, {30, 5}}, 50, 1);
    host.Window().resize(640, 480);
    Refresh();
    const int midHeight = Picture().height() / 2;
    for (const double feet : {11.0, 15.0, 19.0, 23.0, 27.0}) {
        const QPoint column = PixelOf(1000 * feet, 0);
        EXPECT_TRUE(NearColumn({column.x(), midHeight}, Whitish)) << feet << " ft";
    }
    EXPECT_TRUE(NearColumn({PixelOf(31000, 0).x(), midHeight}, Reddish));
    for (const double ohms : {6.0, 7.0}) {
        const QPoint row = PixelOf(0, 1000 * ohms);
        EXPECT_TRUE(NearRow({Picture().width() / 3, row.y()}, Whitish)) << ohms << " ohms";
    }
    EXPECT_TRUE(Blackish(Pixel(PixelOf(20000, 6000))));
    EXPECT_TRUE(Reddish(Pixel(PixelOf(10000, 8000) + QPoint(0, 1))));
    // A grid label sits right of its line, below the top edge.
    const QPoint label = PixelOf(19000, 0);
    bool dark = false;
    for (int x = label.x() + 2; x < label.x() + 20; ++x) {
        for (int y = 1; y < 14; ++y) {
            dark = dark || Blackish(Pixel({x, y}));
        }
    }
    EXPECT_TRUE(dark);
}

// The true-resistance position in the soil model: its lines in the analysis
// and its own mark beside the 62% line, drawn even where no reading stands
// beyond it.
class TruePositionTest : public GraphWindowTest {
protected:
    static bool InSoilColour(const QColor& c) {
        return c.green() > 90 && c.red() < 70 && c.blue() < 110 && c.green() > c.blue();
    }

    QString Analysis() { return host.Window().findChild<QLabel*>("Panel_3")->toolTip(); }

    bool MarkedAt(double feet) {
        const int x = PixelOf(1000.0 * feet, 0).x();
        EXPECT_GT(x, 0);
        EXPECT_LT(x, Picture().width());
        // Above the label, which stands near the bottom on either side.
        for (int y = 0; y < Picture().height() * 4 / 5; ++y) {
            if (NearColumn({x, y}, InSoilColour)) {
                return true;
            }
        }
        return false;
    }

    double TrueFeet(double e2Feet) {
        const std::optional<double> fraction =
            stakewell::fop::TrueResistanceFraction(*soil, e2Feet * 0.3048);
        EXPECT_TRUE(fraction.has_value());
        return fraction.value_or(0.0) * e2Feet;
    }
};

TEST_F(TruePositionTest, TheAnalysisReadsTheTestInTheSoilModel) {
    soil = stakewell::soil::TwoLayerSoil{300.0, 100.0, 2.5};
    SetReadings({{10, 5}, {20, 6}, {25, 6.3}, {30, 6.5}, {35, 6.7}, {40, 7.5}}, 50, 1);
    host.Window().resize(640, 480);
    Refresh();
    EXPECT_TRUE(Analysis().contains("True-resistance position: ")) << Analysis().toStdString();
    EXPECT_TRUE(Analysis().contains(
        QRegularExpression(R"(R at the true-resistance position: [0-9.]+ Ohms)")))
        << Analysis().toStdString();
    EXPECT_TRUE(MarkedAt(TrueFeet(50)));
    EXPECT_FALSE(MarkedAt(TrueFeet(50) - 3)) << "the mark is a line of its own";

    // Beyond the readings the mark still stands, where a reading is wanted.
    SetReadings({{5, 3}, {10, 4}, {15, 4.5}}, 50, 1);
    Refresh();
    EXPECT_TRUE(MarkedAt(TrueFeet(50)));
}

TEST_F(GraphWindowTest, EqualResistancesKeepAHeightAndDrawTheSixOhmLine) {
    SetReadings({{10, 5}, {20, 5}}, 30, 1);
    Refresh();
    EXPECT_DOUBLE_EQ(state.plot.MaxOhms, 6.25);
    EXPECT_GT(state.plot.PlotTop, state.plot.PlotBottom);
    const QPoint row = PixelOf(0, 6000);
    EXPECT_TRUE(NearRow({Picture().width() / 3, row.y()}, Whitish));
}

TEST_F(GraphWindowTest, FewerThanTwoPointsLeaveThePictureBlank) {
    for (const auto& measured : {std::vector<FOPPoint>{}, std::vector<FOPPoint>{{10, 5}}}) {
        SetReadings(measured, 50, 0);
        Refresh();
        const QImage& canvas = Picture().Canvas();
        const QColor background = stakewell::graph::PlotPicture::Background();
        bool blank = true;
        for (int y = 0; y < canvas.height(); y += 3) {
            for (int x = 0; x < canvas.width(); x += 3) {
                blank = blank && canvas.pixelColor(x, y) == background;
            }
        }
        EXPECT_TRUE(blank) << measured.size() << " points";
    }
}

TEST_F(GraphWindowTest, ReadOutWorksWithNoDrawingYet) {
    SetReadings({{10, 5}}, 50, 1);
    host.Window();
    refreshes = 0;
    MoveMouse({30, 40});
    EXPECT_EQ(PanelText("Panel_1"), "0 Feet");
    EXPECT_EQ(PanelText("Panel_2"), "0 Ohms");
    EXPECT_EQ(refreshes, 1);
}

TEST_F(GraphWindowTest, ReadOutKeepsTheLastLimitsAfterThePlotGoesBlank) {
    SetReadings({{10, 8}, {20, 6}, {30, 5}}, 50, 1);
    Refresh();
    SetReadings({{10, 8}}, 50, 1);
    refreshes = 0;
    const QPointF middle(Picture().width() / 2.0, Picture().height() / 2.0);
    MoveMouse(middle);
    EXPECT_EQ(refreshes, 1);
    // Half way between 8065 and 33435 thousandths of a foot, 4970.3 and 8029.7 of an ohm.
    EXPECT_EQ(PanelText("Panel_1"), "20.75 Feet");
    EXPECT_EQ(PanelText("Panel_2"), "6.5 Ohms");
    EXPECT_TRUE(NearRow(middle.toPoint() + QPoint(-20, 0), Greenish));
    EXPECT_TRUE(NearColumn(middle.toPoint() + QPoint(0, -20), Greenish));
}

TEST_F(GraphWindowTest, MouseMoveRefreshesOnceThenDrawsTheCrossHair) {
    SetReadings({{10, 8}, {20, 6}, {30, 5}}, 50, 1);
    Refresh();
    refreshes = 0;
    const QPoint at = PixelOf(25000, 7000);
    MoveMouse(at);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(PanelText("Panel_1").endsWith(" Feet"));
    EXPECT_NEAR(PanelText("Panel_1").split(' ')[0].toDouble(), 25.0, 0.1);
    EXPECT_NEAR(PanelText("Panel_2").split(' ')[0].toDouble(), 7.0, 0.02);
    // The cross-hair survives the refresh because it is drawn after it.
    EXPECT_TRUE(NearColumn(at + QPoint(0, 15), Greenish));
    EXPECT_TRUE(NearRow(at + QPoint(15, 0), Greenish));
    // The next refresh erases it.
    Refresh();
    EXPECT_FALSE(NearColumn(at + QPoint(0, 15), Greenish));
}

TEST_F(GraphWindowTest, OriginAsCurrentPointIsDrawnAtZero) {
    SetReadings({{-5, -5}, {10, 10}}, 10, 0);
    Refresh();
    EXPECT_TRUE(Reddish(Pixel(PixelOf(0, 0) + QPoint(1, 1))));
}

TEST_F(GraphWindowTest, CurrentPointIsRedAndOthersBlack) {
    SetReadings({{10, 8}, {20, 6}, {30, 5}}, 50, 2);
    Refresh();
    EXPECT_TRUE(Reddish(Pixel(PixelOf(20000, 6000))));
    EXPECT_TRUE(Blackish(Pixel(PixelOf(30000, 5000) + QPoint(-1, -1))));
}

// Readings beyond single precision, or closer together than it can tell
// apart, give the plot no scale: the picture stays blank rather than showing a
// collapsed or endless plot, and no cross-hair is drawn over it.
// Readings too large to place are left out and the rest stay drawn; readings
// that all round to one value still get a plot around them.
TEST_F(GraphWindowTest, AbsurdReadingsLeaveThePlaceableOnesDrawn) {
    SetReadings({{1.0e300, -1.0e300}, {-1.0e300, 1.0e300}, {1e-300, 0}}, 1.0e308, 2);
    Refresh();
    EXPECT_FALSE(PictureIsBlank());
    SetReadings({{1, 1}, {1 + 1e-12, 1 + 1e-12}}, 2, 1);
    Refresh();
    EXPECT_FALSE(PictureIsBlank());
    refreshes = 0;
    MoveMouse({10, 10});
    EXPECT_EQ(refreshes, 1);
    // The read-out still answers, with plain numbers.
    EXPECT_TRUE(PanelText("Panel_1").contains(QRegularExpression(R"(^[0-9.]+ Feet$)")))
        << PanelText("Panel_1").toStdString();
    EXPECT_TRUE(PanelText("Panel_2").contains(QRegularExpression(R"(^[0-9.]+ Ohms$)")))
        << PanelText("Panel_2").toStdString();
}

TEST_F(GraphWindowTest, FirstCreationUsesTheTopLeftCornerAndTheMinimumSize) {
    stakewell::graph::frmGraph& graph = host.Window();
    EXPECT_FALSE(graph.isVisible());
    EXPECT_EQ(graph.windowTitle(), "Fall of Potential");
    EXPECT_EQ(state.graph.GraphLeft, 0);
    EXPECT_EQ(state.graph.GraphTop, 0);
    EXPECT_EQ(state.graph.GraphWidth, 5460);
    EXPECT_EQ(state.graph.GraphHeight, OuterHeightTwipsAtMinimum());
}

TEST_F(GraphWindowTest, CreationRefreshesOnce) {
    host.Window();
    EXPECT_EQ(refreshes, 1);
}

TEST_F(GraphWindowTest, StoredPlacementIsAppliedAndReadBack) {
    state.graph = {1500, 3000, 9000, 7500};
    host.Window();
    EXPECT_EQ(state.graph.GraphTop, 1500);
    EXPECT_EQ(state.graph.GraphLeft, 3000);
    EXPECT_EQ(state.graph.GraphWidth, 9000);
    EXPECT_EQ(state.graph.GraphHeight, 7500);
}

struct SnapCase {
    int width;
    int height;
    bool snapsWidth;
    bool snapsHeight;
};

void PrintTo(const SnapCase& c, std::ostream* os) {
    *os << c.width << "x" << c.height;
}

class GraphResizeTest : public GraphWindowTest, public testing::WithParamInterface<SnapCase> {};

TEST_P(GraphResizeTest, SnapsToTheMinimumAndRecordsThePlacement) {
    const SnapCase& c = GetParam();
    host.Show();
    stakewell::graph::frmGraph& graph = host.Window();
    graph.resize(800, 600);
    QCoreApplication::processEvents();
    refreshes = 0;
    graph.resize(c.width, c.height);
    QCoreApplication::processEvents();
    const QRect outer = graph.frameGeometry();
    if (c.snapsWidth) {
        EXPECT_EQ(outer.width() * 15, 5460);
    } else {
        EXPECT_EQ(graph.width(), c.width);
    }
    if (c.snapsHeight) {
        EXPECT_EQ(outer.height() * 15, OuterHeightTwipsAtMinimum());
    } else {
        EXPECT_EQ(graph.height(), c.height);
    }
    EXPECT_EQ(state.graph.GraphLeft, outer.left() * 15);
    EXPECT_EQ(state.graph.GraphTop, outer.top() * 15);
    EXPECT_EQ(state.graph.GraphWidth, outer.width() * 15);
    EXPECT_EQ(state.graph.GraphHeight, outer.height() * 15);
    EXPECT_GE(refreshes, 1);
    const QRect picture = Picture().geometry();
    EXPECT_GT(picture.width(), 0);
    EXPECT_GT(picture.height(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GraphResizeTest,
                         testing::Values(SnapCase{10, 10, true, true},
                                         SnapCase{600, 50, false, true},
                                         SnapCase{100, 450, true, false},
                                         SnapCase{640, 480, false, false}),
                         [](const auto& info) {
                             const std::string size = std::to_string(info.param.width) + "x" +
                                                      std::to_string(info.param.height);
                             return CaseName(info.index, {size});
                         });

// A window far larger than the desktop, asked for by the user or by a stored
// placement, would hold gigabytes of pixels nobody can see.
TEST_F(GraphWindowTest, NeverGrowsPastTheDesktopLimit) {
    SetReadings({{10.0, 8.0}, {20.0, 6.0}}, 50.0, 2);
    state.graph = {0, 0, 20000 * 15, 20000 * 15};
    host.Show();
    stakewell::graph::frmGraph& graph = host.Window();
    const QSize largest = stakewell::graph::LargestWindowSize(graph.screen());
    ASSERT_LT(largest.width(), 20000);
    ASSERT_LT(largest.height(), 20000);
    const auto withinLimit = [&](const char* step) {
        QCoreApplication::processEvents();
        EXPECT_LE(graph.frameGeometry().width(), largest.width()) << step;
        EXPECT_LE(graph.frameGeometry().height(), largest.height()) << step;
        const QSize canvas = Picture().Canvas().size();
        EXPECT_LE(canvas.width(), largest.width() * graph.devicePixelRatio()) << step;
        EXPECT_LE(canvas.height(), largest.height() * graph.devicePixelRatio()) << step;
    };
    withinLimit("stored placement");
    graph.resize(20000, 20000);
    withinLimit("resize");
    EXPECT_EQ(state.graph.GraphWidth, graph.frameGeometry().width() * 15);
}

TEST(LargestWindowSize, KeepsAUsableSizeWithoutAScreen) {
    EXPECT_EQ(stakewell::graph::LargestWindowSize(nullptr), QSize(2048, 2048));
}

TEST_F(GraphWindowTest, ResizeRefreshesAndKeepsThePlacement) {
    host.Show();
    refreshes = 0;
    host.Window().resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_GE(refreshes, 1);
    EXPECT_EQ(state.graph.GraphWidth, host.Window().frameGeometry().width() * 15);
}

TEST_F(GraphWindowTest, ResizeFromWithinTheRefreshIsIgnored) {
    int nested = 0;
    stakewell::graph::GraphWindowHost resizing(state);
    const stakewell::fop::FopRefresh::Subscription resize =
        state.refresh.Listen(stakewell::fop::FopRefresh::Stage::Plot, [&] {
            ++nested;
            resizing.Window().resize(500 + nested, 400);
        });
    resizing.Show();
    QCoreApplication::processEvents();
    EXPECT_LT(nested, 10);
    resizing.Close();
}

TEST_F(GraphWindowTest, ShowAndHideFollowTheTab) {
    host.Show();
    EXPECT_TRUE(host.Window().isVisible());
    EXPECT_TRUE(host.Window().isWindow());
    host.Hide();
    EXPECT_TRUE(host.Exists());
    EXPECT_FALSE(host.Window().isVisible());
    host.Show();
    EXPECT_TRUE(host.Window().isVisible());
}

TEST_F(GraphWindowTest, HideBeforeAnyUseCreatesItHidden) {
    EXPECT_FALSE(host.Exists());
    host.Hide();
    EXPECT_TRUE(host.Exists());
    EXPECT_FALSE(host.Window().isVisible());
}

TEST_F(GraphWindowTest, ClosedWindowKeepsItsPlacementAndComesBackHidden) {
    host.Show();
    stakewell::graph::frmGraph* first = &host.Window();
    first->setGeometry(200, 150, 500, 400);
    QCoreApplication::processEvents();
    const QRect placed = first->geometry();
    const QRect outer = first->frameGeometry();
    first->close();
    EXPECT_FALSE(host.Exists());
    const stakewell::shared::GraphPlacement closedAt{outer.top() * 15, outer.left() * 15,
                                                     outer.width() * 15, outer.height() * 15};
    EXPECT_EQ(state.graph.GraphTop, closedAt.GraphTop);
    EXPECT_EQ(state.graph.GraphLeft, closedAt.GraphLeft);
    EXPECT_EQ(state.graph.GraphWidth, closedAt.GraphWidth);
    EXPECT_EQ(state.graph.GraphHeight, closedAt.GraphHeight);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    SetReadings({{10, 8}, {20, 6}, {30, 5}}, 50, 1);
    Refresh(); // browsing on the main window touches the graph again
    EXPECT_TRUE(host.Exists());
    EXPECT_NE(&host.Window(), nullptr);
    EXPECT_FALSE(host.Window().isVisible());
    EXPECT_EQ(state.graph.GraphLeft, closedAt.GraphLeft);
    EXPECT_EQ(state.graph.GraphHeight, closedAt.GraphHeight);
    host.Show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(host.Window().isVisible());
    EXPECT_EQ(host.Window().geometry(), placed);
}

TEST_F(GraphWindowTest, ProgramEndClosesAndRecordsThePlacement) {
    state.graph = {750, 1500, 9000, 7500};
    host.Show();
    host.Window().move(300, 240);
    QCoreApplication::processEvents();
    const QRect outer = host.Window().frameGeometry();
    host.Close();
    EXPECT_FALSE(host.Exists());
    EXPECT_EQ(state.graph.GraphLeft, 300 * 15);
    EXPECT_EQ(state.graph.GraphTop, 240 * 15);
    EXPECT_EQ(state.graph.GraphWidth, outer.width() * 15);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(GraphWindowTest, StatusBarHasTwoPanels) {
    const auto* statusBar = host.Window().findChild<QStatusBar*>("StatusBar1");
    ASSERT_NE(statusBar, nullptr);
    EXPECT_NE(statusBar->findChild<QLabel*>("Panel_1"), nullptr);
    EXPECT_NE(statusBar->findChild<QLabel*>("Panel_2"), nullptr);
    EXPECT_NE(host.Window().findChild<QWidget*>("Frame_6"), nullptr);
}

} // namespace
