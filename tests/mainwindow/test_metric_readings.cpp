#include "CaseName.h"
#include "MainWindowDriver.h"

#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using stakewell::fop::FOPPoint;
using stakewell::shared::UnitSystem;

struct TypedReading {
    std::string name;
    UnitSystem units;
    const char* distance;
    const char* ohms;
    std::optional<FOPPoint> taken; // nothing: refused
    const char* notice;            // "": no notice
};

std::ostream& operator<<(std::ostream& out, const TypedReading& c) {
    return out << c.name;
}

class ReadingInUnits : public testing::TestWithParam<TypedReading> {};

TEST_P(ReadingInUnits, IsTakenInTheWorksUnitOrRefusedWithTheReason) {
    const TypedReading& c = GetParam();
    MainWindowDriver form;
    form.Window().Work().ChangeUnits(c.units);
    form.SelectTab(5);
    form.Type("tbxFOPE2", "50");
    form.Type("tbxFOPP2Feet", c.distance);
    form.Type("tbxFOPP2Ohms", c.ohms);
    form.Click("cmdFOPAdd");
    EXPECT_EQ(QToolTip::text(), c.notice);
    QToolTip::hideText();
    const auto& points = form.Window().Work().Fop().FOPPoints();
    if (c.taken) {
        ASSERT_EQ(points.size(), 2U);
        EXPECT_EQ(points[1], *c.taken);
    } else {
        EXPECT_EQ(points.size(), 1U);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ReadingInUnits,
    testing::Values(
        TypedReading{"decimal_commas", UnitSystem::Metric, "10,5", "3,2", FOPPoint{10.5, 3.2}, ""},
        TypedReading{"feet_into_metres", UnitSystem::Metric, "10 ft", "3", FOPPoint{3.048, 3},
                     "Added. Read as 3.048 m: converted from 10 ft."},
        TypedReading{"metres_into_feet", UnitSystem::Imperial, "3 m", "3",
                     FOPPoint{9.84251968503937, 3},
                     "Added. Read as 9.84251968504 ft: converted from 3 m."},
        TypedReading{"thousands_or_one", UnitSystem::Metric, "1,000", "3", std::nullopt,
                     "Not added: the distance \"1,000\" could be read as 1 or as 1000: write 1.000 "
                     "or 1000."},
        TypedReading{"beyond_e2_in_metres", UnitSystem::Metric, "60", "3", std::nullopt,
                     "Not added: the distance must be above 0 Metres and below the E2 distance, "
                     "50 Metres."}),
    [](const testing::TestParamInfo<TypedReading>& info) {
        return CaseName(info.index, {info.param.name});
    });

// A box that takes a typed distance grows into the room its shorter caption
// leaves, for the longer figures of metres.
TEST(MetricReadings, CaptionsFollowTheUnitSystemWithinTheirFrames) {
    MainWindowDriver form;
    form.SelectTab(5);
    struct Caption {
        const char* name;
        const char* metric;
        const char* box;
    };
    const Caption captions[] = {{"Label18", "Metres", nullptr},
                                {"Label25", "Metres", nullptr},
                                {"Label21", "m", "tbxFOPP2Feet"},
                                {"Label23", "m", "tbxFOPE2"}};
    const auto box = [&form](const char* name) { return form.Window().findChild<QWidget*>(name); };
    std::vector<QRect> laidOut;
    for (const Caption& caption : captions) {
        laidOut.push_back(form.Label(caption.name)->geometry());
    }
    const int p2Width = box("tbxFOPP2Feet")->width();
    form.Window().Work().ChangeUnits(UnitSystem::Metric);
    for (const Caption& caption : captions) {
        const QLabel* label = form.Label(caption.name);
        EXPECT_EQ(label->text(), caption.metric) << caption.name;
        EXPECT_GE(label->width(), label->sizeHint().width()) << caption.name;
        EXPECT_LT(label->geometry().right(), label->parentWidget()->width() - 1) << caption.name;
        if (caption.box != nullptr) {
            EXPECT_LT(box(caption.box)->geometry().right(), label->geometry().left())
                << caption.name;
        }
    }
    EXPECT_GT(box("tbxFOPP2Feet")->width(), p2Width);
    form.Window().Work().History().undo();
    for (std::size_t i = 0; i < std::size(captions); ++i) {
        EXPECT_EQ(form.Text(captions[i].name), "Feet") << captions[i].name;
        EXPECT_EQ(form.Label(captions[i].name)->geometry(), laidOut[i]) << captions[i].name;
    }
    EXPECT_EQ(box("tbxFOPP2Feet")->width(), p2Width);
}

TEST(MetricReadings, TheE2BoxHintsAtAConvertedLength) {
    MainWindowDriver form;
    form.Window().Work().ChangeUnits(UnitSystem::Metric);
    form.SelectTab(5);
    form.Type("tbxFOPE2", "100 ft");
    EXPECT_EQ(form.Window().Work().Fop().FOPE2Distance, 30.48);
    EXPECT_EQ(form.Field("tbxFOPE2")->toolTip(), "Read as 30.48 m: converted from 100 ft.");
}

TEST(MetricReadings, ABoxsHintFollowsAChangeOfUnits) {
    MainWindowDriver form;
    form.SelectTab(5);
    form.Click("cmdFOPClear");
    form.Type("tbxFOPP2Feet", "2,5");
    EXPECT_NE(form.Field("tbxFOPP2Feet")->toolTip(), "");
    form.Window().Work().ChangeUnits(UnitSystem::Metric);
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "2,5");
    EXPECT_EQ(form.Field("tbxFOPP2Feet")->toolTip(), "") << "a decimal comma in metres";
}

TEST(MetricReadings, CaptionsStayWithinTheirFramesWhenZoomed) {
    MainWindowDriver form;
    form.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.Window()));
    form.Window().Work().ChangeUnits(UnitSystem::Metric);
    QTest::keySequence(&form.Window(), QKeySequence::ZoomIn);
    QTest::keySequence(&form.Window(), QKeySequence::ZoomIn);
    for (const char* caption : {"Label18", "Label25", "Label21", "Label23"}) {
        const QLabel* label = form.Label(caption);
        EXPECT_GE(label->width(), label->sizeHint().width()) << caption;
        EXPECT_LT(label->geometry().right(), label->parentWidget()->width() - 1) << caption;
    }
}

} // namespace
