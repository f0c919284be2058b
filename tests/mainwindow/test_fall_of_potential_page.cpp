#include "MainWindowDriver.h"

#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

class FallOfPotentialPage : public testing::Test {
protected:
    void SetUp() override { form.SelectTab(5); }

    void AddPoint(const QString& feet, const QString& ohms) {
        form.Type("tbxFOPP2Feet", feet);
        form.Type("tbxFOPP2Ohms", ohms);
        form.Click("cmdFOPAdd");
    }
    QScrollBar* Scroll() { return form.Window().findChild<QScrollBar*>("HScroll1"); }
    const stakewell::fop::FallOfPotential& Points() { return form.Window().Work().Fop(); }
    QString PointLabel() { return form.Text("lbPoint"); }

    MainWindowDriver form;
};

TEST_F(FallOfPotentialPage, ClearAllEmptiesTheListAndTheBoxes) {
    AddPoint("10", "8");
    form.Click("cmdFOPClear");
    EXPECT_EQ(PointLabel(), "Point 0 of 0");
    EXPECT_EQ(form.Text("lbDistPct"), "0.0%");
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "");
    EXPECT_EQ(form.Text("tbxFOPP2Ohms"), "");
    EXPECT_EQ(Scroll()->minimum(), 0);
    EXPECT_EQ(Scroll()->maximum(), 0);
    EXPECT_EQ(Points().PointCount(), 0);
}

TEST_F(FallOfPotentialPage, PointsComeOutSortedWithTheFarthestCurrent) {
    AddPoint("30", "5");
    EXPECT_EQ(PointLabel(), "Point 1 of 1");
    AddPoint("10", "8");
    EXPECT_EQ(PointLabel(), "Point 2 of 2");
    AddPoint("20", "6");
    EXPECT_EQ(PointLabel(), "Point 3 of 3");
    EXPECT_EQ(form.Text("lbDistPct"), "100.0%");
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "30");
    EXPECT_EQ(form.Text("tbxFOPP2Ohms"), "5");
    EXPECT_EQ(Scroll()->maximum(), 3);
    EXPECT_EQ(Scroll()->value(), 3);
}

TEST_F(FallOfPotentialPage, RefusedPointsChangeNothing) {
    AddPoint("10", "8");
    for (const auto& [feet, ohms] : std::vector<std::pair<QString, QString>>{
             {"50", "5"}, {"0", "5"}, {"20", "0"}, {"abc", "5"}, {"20", "-1"}}) {
        AddPoint(feet, ohms);
        EXPECT_EQ(PointLabel(), "Point 1 of 1") << feet.toStdString() << " " << ohms.toStdString();
        EXPECT_EQ(form.Text("tbxFOPP2Feet"), feet) << "no refresh ran";
        EXPECT_EQ(Points().PointCount(), 1);
    }
}

TEST_F(FallOfPotentialPage, TypedE2TakesEffectAtEveryKey) {
    form.Click("cmdFOPClear");
    form.Type("tbxFOPE2", "100");
    EXPECT_EQ(form.Text("lb62Pct"), "62.0");
    EXPECT_DOUBLE_EQ(Points().FOPE2Distance, 100.0);
    AddPoint("90", "5");
    EXPECT_EQ(PointLabel(), "Point 1 of 1") << "taken against the E2 the box shows";
    form.Backspace("tbxFOPE2");
    EXPECT_DOUBLE_EQ(Points().FOPE2Distance, 10.0);
    AddPoint("20", "5");
    EXPECT_EQ(PointLabel(), "Point 1 of 1") << "beyond the shortened E2";
    // A reading typed before E2 is corrected is still there to be added.
    form.Type("tbxFOPP2Feet", "80");
    form.Type("tbxFOPP2Ohms", "7");
    form.Append("tbxFOPE2", "0");
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "80");
    form.Click("cmdFOPAdd");
    EXPECT_EQ(PointLabel(), "Point 2 of 2");
    EXPECT_EQ(Points().FOPPoints()[1], (stakewell::fop::FOPPoint{80, 7}));
}

TEST_F(FallOfPotentialPage, SixtyTwoPercentPointFollowsEveryKey) {
    form.Type("tbxFOPE2", "0.5");
    EXPECT_EQ(form.Text("lb62Pct"), "0.3");
    form.Type("tbxFOPE2", "50");
    EXPECT_EQ(form.Text("lb62Pct"), "31.0");
    form.Type("tbxFOPE2", "");
    EXPECT_EQ(form.Text("lb62Pct"), "0.0");
}

TEST_F(FallOfPotentialPage, RemovingTheMiddlePointSelectsTheOneAfterIt) {
    AddPoint("10", "8");
    AddPoint("20", "6");
    AddPoint("30", "5");
    Scroll()->setValue(2);
    EXPECT_EQ(PointLabel(), "Point 2 of 3");
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "20");
    form.Click("cmdFOPRemove");
    EXPECT_EQ(PointLabel(), "Point 2 of 2");
    EXPECT_EQ(form.Text("lbDistPct"), "100.0%");
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "30");
    EXPECT_EQ(Scroll()->maximum(), 2);
    EXPECT_EQ(Scroll()->value(), 2);
}

TEST_F(FallOfPotentialPage, RemovingTheLastPointSelectsTheNewLast) {
    AddPoint("10", "8");
    AddPoint("20", "6");
    form.Click("cmdFOPRemove");
    EXPECT_EQ(PointLabel(), "Point 1 of 1");
    form.Click("cmdFOPRemove");
    EXPECT_EQ(PointLabel(), "Point 0 of 0");
    EXPECT_EQ(form.Text("lbDistPct"), "0.0%");
}

TEST_F(FallOfPotentialPage, RemoveWithTheOriginSelectedDoesNothing) {
    AddPoint("10", "8");
    Scroll()->setValue(0);
    form.Type("tbxFOPP2Feet", "44");
    form.Click("cmdFOPRemove");
    EXPECT_EQ(PointLabel(), "Point 0 of 1");
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "44") << "no refresh ran";
}

TEST_F(FallOfPotentialPage, ScrollingToTheOriginShowsZeroes) {
    AddPoint("10", "8");
    AddPoint("20", "6");
    AddPoint("30", "5");
    Scroll()->setValue(0);
    EXPECT_EQ(PointLabel(), "Point 0 of 3");
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "0");
    EXPECT_EQ(form.Text("tbxFOPP2Ohms"), "0");
    EXPECT_EQ(form.Text("lbDistPct"), "0.0%");
    Scroll()->setValue(1);
    EXPECT_EQ(PointLabel(), "Point 1 of 3");
    EXPECT_EQ(form.Text("lbDistPct"), "33.3%");
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "10");
    EXPECT_EQ(form.Text("tbxFOPP2Ohms"), "8");
}

TEST_F(FallOfPotentialPage, ScrollBarArrowBrowsesPointByPoint) {
    AddPoint("10", "8");
    AddPoint("20", "6.5");
    Scroll()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(PointLabel(), "Point 1 of 2");
    EXPECT_EQ(form.Text("lbDistPct"), "50.0%");
    Scroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(PointLabel(), "Point 2 of 2");
    EXPECT_EQ(form.Text("tbxFOPP2Ohms"), "6.5");
}

TEST_F(FallOfPotentialPage, AddingTheShownPointTwiceAddsItTwice) {
    AddPoint("25", "4");
    form.Click("cmdFOPAdd");
    EXPECT_EQ(PointLabel(), "Point 2 of 2");
}

TEST_F(FallOfPotentialPage, RefreshFromOutsideTakesTheTypedE2) {
    form.Type("tbxFOPE2", "80");
    form.Window().UpdateFOP();
    EXPECT_DOUBLE_EQ(Points().FOPE2Distance, 80.0);
    EXPECT_DOUBLE_EQ(Points().FOPE1Position, 0.0);
}

} // namespace
