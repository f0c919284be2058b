// The main window as a user in the field works it: by keyboard, with odd
// readings, and with the numbers it shows read off at a glance.
#include "MainWindowDriver.h"

#include "mainwindow/InputHint.h"

#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// Controls on the pages, by page; everything else is on the window itself.
const std::vector<std::vector<std::string>> PageControls = {
    {"tbxEarthRes", "tbxElectLen", "tbxNumer", "tbxDenom", "tbxElectDia"},
    {"tbxNumElect", "WireSize_0", "tbxWireDia", "tbxWireAWG", "tbxWireDepth", "WireLength_0",
     "tbxWireLen", "tbxWireBetween_0", "tbxWireBetween_1"},
    {},
    {},
    {"tbxFOPP2Feet", "tbxFOPP2Ohms", "tbxFOPE2", "cmdFOPClear", "HScroll1", "cmdFOPRemove",
     "cmdFOPAdd"},
    {"tbxMVal", "tbx4ptE2", "cmdSoilSurvey"},
};

// The keyboard order with the window's own controls, then the page's, as the
// Tab key visits them; an option pair is one stop at its chosen button.
const std::vector<std::string> WindowStopsBefore = {"cmdEnd", "cmdLoadData", "cmdSaveData",
                                                    "cmdSaveText"};

std::string FocusName(QWidget* widget) {
    if (qobject_cast<QTabWidget*>(widget->parentWidget()) != nullptr) {
        widget = widget->parentWidget();
    }
    return widget->objectName().toStdString();
}

std::vector<std::string> TabStops(MainWindowDriver& form, std::size_t count) {
    form.Window().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form.Window()));
    form.Control("cmdEnd")->setFocus();
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < count; ++i) {
        QWidget* focus = QApplication::focusWidget();
        visited.push_back(FocusName(focus));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}

class TabOrderOnPage : public testing::TestWithParam<int> {};

TEST_P(TabOrderOnPage, VisitsOnlyTheControlsInSight) {
    const int page = GetParam();
    MainWindowDriver form;
    form.SelectTab(page);
    std::vector<std::string> expected = WindowStopsBefore;
    const auto& onPage = PageControls.at(static_cast<std::size_t>(page - 1));
    const auto split = page == 5 ? onPage.begin() + 3 : onPage.end();
    expected.insert(expected.end(), onPage.begin(), split);
    expected.emplace_back("TabStrip1");
    expected.insert(expected.end(), split, onPage.end());
    expected.emplace_back("cboUnits");
    expected.emplace_back("cmdEnd");
    EXPECT_EQ(TabStops(form, expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, TabOrderOnPage, testing::Range(1, 7),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Page" + std::to_string(info.param);
                         });

TEST(TabOrder, TypingAfterTheLastFieldOfAPageChangesNothingOutOfSight) {
    MainWindowDriver form;
    form.Click("tbxElectDia");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "7");
    EXPECT_EQ(form.Text("tbxNumElect"), "");
    EXPECT_EQ(FocusName(QApplication::focusWidget()), "TabStrip1");
}

// Five points at 10..50 ft with the third one current.
void FivePointsThirdCurrent(MainWindowDriver& form) {
    form.SelectTab(5);
    form.Type("tbxFOPE2", "100");
    for (const char* feet : {"10", "20", "30", "40", "50"}) {
        form.Type("tbxFOPP2Feet", feet);
        form.Type("tbxFOPP2Ohms", "5");
        form.Click("cmdFOPAdd");
    }
    QWidget* bar = form.Control("HScroll1");
    const QPoint leftArrow(bar->height() / 2, bar->height() / 2);
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, leftArrow);
    }
    bar->setFocus();
    ASSERT_EQ(form.Text("lbPoint"), "Point 3 of 5");
}

struct ScrollKeyCase {
    const char* name;
    Qt::Key key;
    const char* point;
};

class ScrollBarKeys : public testing::TestWithParam<ScrollKeyCase> {};

TEST_P(ScrollBarKeys, GoTheWayOfTheArrowButtons) {
    MainWindowDriver form;
    FivePointsThirdCurrent(form);
    QTest::keyClick(form.Control("HScroll1"), GetParam().key);
    EXPECT_EQ(form.Text("lbPoint"), GetParam().point);
}

INSTANTIATE_TEST_SUITE_P(Keys, ScrollBarKeys,
                         testing::Values(ScrollKeyCase{"Right", Qt::Key_Right, "Point 4 of 5"},
                                         ScrollKeyCase{"Left", Qt::Key_Left, "Point 2 of 5"}),
                         [](const testing::TestParamInfo<ScrollKeyCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ScrollBarFocus, TheFocusedScrollBarLooksFocused) {
    MainWindowDriver form;
    FivePointsThirdCurrent(form);
    QWidget* bar = form.Control("HScroll1");
    const QImage focused = bar->grab().toImage();
    form.Control("cmdFOPAdd")->setFocus();
    const QImage unfocused = bar->grab().toImage();
    EXPECT_NE(focused, unfocused);
}

// A label's text is cut when ink touches the edge of its contents.
bool InkAtContentsEdge(QLabel* label) {
    const QImage image = label->grab().toImage();
    const QRect contents = label->contentsRect();
    const QColor background = image.pixelColor(contents.left(), contents.top());
    for (int x : {contents.left(), contents.right()}) {
        for (int y = contents.top(); y <= contents.bottom(); ++y) {
            if (std::abs(image.pixelColor(x, y).lightness() - background.lightness()) > 60) {
                return true;
            }
        }
    }
    return false;
}

QString ToolTipOf(QWidget* widget) {
    QHelpEvent help(QEvent::ToolTip, widget->rect().center(),
                    widget->mapToGlobal(widget->rect().center()));
    QApplication::sendEvent(widget, &help);
    const QString text = QToolTip::text();
    QToolTip::hideText();
    return text;
}

struct LongNumberCase {
    const char* name;
    int page;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* label;
    const char* text; // nullptr: whatever the calculation gives, unchanged
};

class LongNumbers : public testing::TestWithParam<LongNumberCase> {};

TEST_P(LongNumbers, AreShownWholeOrMarkedCut) {
    const LongNumberCase& c = GetParam();
    MainWindowDriver form;
    form.SelectTab(c.page);
    for (const auto& [field, text] : c.typed) {
        form.Type(field, text);
    }
    QLabel* label = form.Label(c.label);
    if (c.text != nullptr) {
        EXPECT_EQ(label->text(), c.text) << "the text stays as computed";
    }
    EXPECT_FALSE(InkAtContentsEdge(label)) << label->text().toStdString();
    const QString tip = ToolTipOf(label);
    EXPECT_TRUE(tip == label->toolTip() || tip.startsWith(label->text())) << tip.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Labels, LongNumbers,
    testing::Values(
        LongNumberCase{"Resistivity",
                       6,
                       {{"tbx4ptE2", "50"}, {"tbxMVal", "60000"}},
                       "lbEarthRes",
                       "1,915,113.26"},
        LongNumberCase{"LargerResistivity",
                       6,
                       {{"tbx4ptE2", "50"}, {"tbxMVal", "472700"}},
                       "lbEarthRes",
                       nullptr},
        LongNumberCase{
            "Fraction", 1, {{"tbxNumer", "12345"}, {"tbxDenom", "1"}}, "lbResult", "12345.0"},
        LongNumberCase{"SixtyTwoPercent", 5, {{"tbxFOPE2", "100000"}}, "lb62Pct", "62000.0"},
        LongNumberCase{"HugeResistivity",
                       1,
                       {{"tbxEarthRes", "1E38"}, {"tbxElectLen", "10"}, {"tbxElectDia", "0.625"}},
                       "lbOneElectRes",
                       nullptr}),
    [](const testing::TestParamInfo<LongNumberCase>& info) {
        return std::string(info.param.name);
    });

TEST(LongNumbers, ACutNumberGivesTheWholeTextInItsToolTip) {
    MainWindowDriver form;
    form.Type("tbxEarthRes", "1E38");
    form.Type("tbxElectLen", "10");
    form.Type("tbxElectDia", "0.625");
    QLabel* label = form.Label("lbOneElectRes");
    ASSERT_GT(label->text().size(), 30) << "a text no font size fits";
    EXPECT_EQ(ToolTipOf(label), label->text());
}

// Three arrangements side by side: the between-electrode lengths must give
// exactly what the equivalent total lengths give.
struct BetweenCase {
    const char* name;
    const char* line;
    const char* poly;
    const char* linearTotal;  // (N - 1) x line, N = 4
    const char* polygonTotal; // N x poly
};

class BetweenElectrodes : public testing::TestWithParam<BetweenCase> {};

const std::vector<const char*> LinearLabels = {"lbLinearSpace", "lbLinearElect", "lbLinearWire",
                                               "LbLinearMutual", "lbLinearTotal"};
const std::vector<const char*> PolygonLabels = {"lbRectSpace", "lbRectElect", "lbRectWire",
                                                "lbRectMutual", "lbRectTotal"};

std::vector<QString> Texts(MainWindowDriver& form, const std::vector<const char*>& names) {
    std::vector<QString> texts;
    for (const char* name : names) {
        texts.push_back(form.Text(name));
    }
    return texts;
}

// The first worked design set, all but its wire length, on the page that
// holds the wire inputs.
void TypeFirstDesignSet(MainWindowDriver& form) {
    form.Type("tbxEarthRes", "100");
    form.Type("tbxElectLen", "10");
    form.Type("tbxElectDia", "0.625");
    form.SelectTab(2);
    form.Type("tbxNumElect", "4");
    form.Type("tbxWireDia", "0.1019");
    form.Type("tbxWireDepth", "2.5");
}

TEST_P(BetweenElectrodes, LengthsBetweenElectrodesAreUsed) {
    const BetweenCase& c = GetParam();
    MainWindowDriver form;
    TypeFirstDesignSet(form);
    form.Type("tbxWireLen", "999");
    form.Click("WireLength_1");
    form.Type("tbxWireBetween_0", c.line);
    form.Type("tbxWireBetween_1", c.poly);
    const std::vector<QString> linear = Texts(form, LinearLabels);
    const std::vector<QString> polygon = Texts(form, PolygonLabels);
    const QString single = form.Text("lbOneElectRes");

    form.Click("WireLength_0");
    form.Type("tbxWireLen", c.linearTotal);
    EXPECT_EQ(linear, Texts(form, LinearLabels));
    form.Type("tbxWireLen", c.polygonTotal);
    EXPECT_EQ(polygon, Texts(form, PolygonLabels));
    EXPECT_EQ(single, form.Text("lbOneElectRes"));
}

INSTANTIATE_TEST_SUITE_P(Lengths, BetweenElectrodes,
                         testing::Values(BetweenCase{"SameWire", "20", "15", "60", "60"},
                                         BetweenCase{"FromTheIssue", "16", "12", "48", "48"},
                                         BetweenCase{"Different", "10", "20", "30", "80"}),
                         [](const testing::TestParamInfo<BetweenCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(BetweenElectrodes, WorkedExampleGivesTheFirstSetsResults) {
    MainWindowDriver form;
    TypeFirstDesignSet(form);
    form.Click("WireLength_1");
    form.Type("tbxWireBetween_0", "20");
    form.Type("tbxWireBetween_1", "15");
    EXPECT_EQ(Texts(form, LinearLabels),
              (std::vector<QString>{"20.00", "9.687", "9.945", "4.325", "7.069"}));
    EXPECT_EQ(Texts(form, PolygonLabels),
              (std::vector<QString>{"15.00", "9.900", "10.899", "5.279", "7.815"}));
}

struct GaugeCase {
    const char* typed;
    const char* diameter;
};

class GaugeTexts : public testing::TestWithParam<GaugeCase> {};

TEST_P(GaugeTexts, ReadAsEngineersWriteThem) {
    MainWindowDriver form;
    form.SelectTab(2);
    form.Click("WireSize_1");
    form.Type("tbxWireAWG", GetParam().typed);
    EXPECT_EQ(form.Text("tbxWireDia"), GetParam().diameter) << GetParam().typed;
}

std::string GaugeCaseName(const testing::TestParamInfo<GaugeCase>& info) {
    std::string name;
    for (const char c : std::string(info.param.typed)) {
        if (c == '/') {
            name += "Slash";
        } else if (c == '#') {
            name += "Hash";
        } else if (c == ' ') {
            name += "Blank";
        } else {
            name += c;
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Gauges, GaugeTexts,
                         testing::Values(GaugeCase{"4/0", "0.4600"}, GaugeCase{"3/0", "0.4096"},
                                         GaugeCase{"2/0", "0.3648"}, GaugeCase{"1/0", "0.3249"},
                                         GaugeCase{"#2", "0.2576"}, GaugeCase{"# 10", "0.1019"},
                                         GaugeCase{"#4/0", "0.4600"}, GaugeCase{"0000", "0.4600"},
                                         GaugeCase{"10", "0.1019"}, GaugeCase{"5/0", "0.1819"},
                                         GaugeCase{"4/00", "0.2043"}),
                         GaugeCaseName);

// The row where a group box draws its top border line, found on its right
// edge in a picture of it with its children hidden.
int BorderRow(QGroupBox* box) {
    std::vector<QWidget*> hidden;
    for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            child->hide();
            hidden.push_back(child);
        }
    }
    const QImage image = box->grab().toImage();
    for (QWidget* child : hidden) {
        child->show();
    }
    const int x = box->width() - 8;
    const QColor above = image.pixelColor(x, 0);
    for (int y = 1; y < image.height(); ++y) {
        if (image.pixelColor(x, y) != above) {
            return y;
        }
    }
    return -1;
}

TEST(Layout, NoPageBorderRunsThroughTheMeasuredResistanceCaption) {
    MainWindowDriver form;
    form.SelectTab(6);
    auto* page = qobject_cast<QGroupBox*>(form.Control("Frame_6"));
    auto* frame = qobject_cast<QGroupBox*>(form.Control("Frame17"));
    const int row = BorderRow(page);
    ASSERT_GT(row, frame->y());
    ASSERT_LT(row, frame->y() + frame->fontMetrics().height());
    // Right of the caption's text, inside the frame's caption band.
    const QImage image = page->grab().toImage();
    const int x = frame->x() + frame->width() - 6;
    EXPECT_EQ(image.pixelColor(x, row), image.pixelColor(x, row - 2))
        << "the page's border shows through the caption";
}

TEST(Layout, TheTotalLengthOptionIsNotCutByItsFrame) {
    MainWindowDriver form;
    form.SelectTab(2);
    auto* frame = qobject_cast<QGroupBox*>(form.Control("Frame10"));
    QWidget* option = form.Control("WireLength_0");
    const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight);
    const int indicatorTop = option->y() + (option->height() - indicator) / 2;
    EXPECT_GE(indicatorTop, BorderRow(frame));
    EXPECT_LE(std::abs(option->y() - 16), 2) << "within two pixels of its place";
}

TEST(Layout, TheTwoBetweenBoxesDoNotTouch) {
    MainWindowDriver form;
    const QRect line = form.Control("tbxWireBetween_0")->geometry();
    const QRect poly = form.Control("tbxWireBetween_1")->geometry();
    EXPECT_GT(poly.left(), line.right() + 1);
    EXPECT_LE(std::abs(poly.left() - 64), 2) << "within two pixels of its place";
}

struct HintCase {
    const char* name;
    int page;
    const char* field;
    const char* typed;
    const char* hint; // empty: read in full, no hint
};

class InputHints : public testing::TestWithParam<HintCase> {};

TEST_P(InputHints, SayWhatValueIsUsed) {
    const HintCase& c = GetParam();
    MainWindowDriver form;
    form.SelectTab(c.page);
    if (std::string(c.field) == "tbxWireAWG") {
        form.Click("WireSize_1");
    }
    form.Type(c.field, c.typed);
    QLineEdit* field = form.Field(c.field);
    EXPECT_EQ(field->toolTip(), c.hint);
    EXPECT_EQ(field->palette().color(QPalette::Base) == stakewell::mainwindow::InputHint::Tint(),
              *c.hint != '\0');
}

INSTANTIATE_TEST_SUITE_P(
    Fields, InputHints,
    testing::Values(HintCase{"CommaEndsTheNumber", 1, "tbxEarthRes", "100,5",
                             "Read as 100: the rest of the text is ignored."},
                    HintCase{"Letters", 1, "tbxElectDia", "abc",
                             "Not a number: read as 0.\nThe electrode diameter must be above 0."},
                    HintCase{"WholeNumber", 1, "tbxEarthRes", "100", ""},
                    HintCase{"Exponent", 6, "tbxMVal", "1.5E3", ""},
                    HintCase{"BlanksInsideAreSkipped", 5, "tbxFOPP2Ohms", "1 000",
                             "Read as 1000: the blanks inside the number are skipped."},
                    HintCase{"BlanksAroundAreNot", 1, "tbxEarthRes", " 100 ", ""},
                    HintCase{"CountNotWhole", 1, "tbxNumElect", "6.7", "Read as 7 electrodes."},
                    HintCase{"CountWithABlank", 1, "tbxNumElect", "2 5",
                             "Read as 25: the blanks inside the number are skipped."},
                    HintCase{"UnitTyped", 2, "tbxWireDepth", "2.5ft",
                             "Read as 2.5: the rest of the text is ignored."},
                    HintCase{"OughtGauge", 2, "tbxWireAWG", "4/0", ""},
                    HintCase{"GaugeWithText", 2, "tbxWireAWG", "10 AWG",
                             "Read as gauge 10: the rest of the text is ignored."},
                    HintCase{"NoGauge", 2, "tbxWireAWG", "thick",
                             "Not a gauge: read as gauge 1/0."}),
    [](const testing::TestParamInfo<HintCase>& info) { return std::string(info.param.name); });

TEST(InputHints, AFieldTheProgramWritesShowsNoHint) {
    MainWindowDriver form;
    form.SelectTab(2);
    form.Type("tbxWireDia", "0");
    EXPECT_EQ(form.Text("tbxWireAWG"), "err");
    EXPECT_EQ(form.Field("tbxWireAWG")->toolTip(), "");
    form.Click("WireSize_1");
    EXPECT_EQ(form.Field("tbxWireAWG")->toolTip(),
              "Not a gauge: read as gauge 1/0.\nThe wire diameter must be above 0.");
}

struct RefusalCase {
    const char* name;
    const char* feet;
    const char* ohms;
    const char* reason;
    const char* e2 = "50";
};

class RefusedAdd : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedAdd, SaysWhyNextToTheButton) {
    const RefusalCase& c = GetParam();
    MainWindowDriver form;
    form.SelectTab(5);
    form.Type("tbxFOPE2", c.e2);
    form.Type("tbxFOPP2Feet", c.feet);
    form.Type("tbxFOPP2Ohms", c.ohms);
    form.Click("cmdFOPAdd");
    EXPECT_EQ(QToolTip::text(), c.reason);
    EXPECT_EQ(form.Text("lbPoint"), "Point 0 of 0") << "nothing is added";
    QToolTip::hideText();
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RefusedAdd,
    testing::Values(
        RefusalCase{"AtE2", "50", "8",
                    "Not added: the distance must be above 0 Feet and below the E2 distance, "
                    "50 Feet."},
        RefusalCase{"AtE1", "0", "8",
                    "Not added: the distance must be above 0 Feet and below the E2 distance, "
                    "50 Feet."},
        RefusalCase{"NoResistance", "10", "0", "Not added: the resistance must be above 0 Ohms."},
        RefusalCase{"HugeResistance", "10", "1E308",
                    "Not added: the resistance must be at most 1000000000 Ohms."},
        RefusalCase{"ResistanceJustAboveTheLargest", "10", "1000000001",
                    "Not added: the resistance must be at most 1000000000 Ohms."},
        RefusalCase{"DistanceAboveTheLargestBelowE2", "1000000001", "8",
                    "Not added: the distance must be at most 1000000000 Feet.", "1E12"},
        RefusalCase{"EmptyResistance", "10", "", "Not added: the resistance must be above 0 Ohms."},
        RefusalCase{"NotANumber", "10", "abc",
                    "Not added: the resistance \"abc\" is not a number."},
        RefusalCase{"DecimalComma", "10", "31,2",
                    "Not added: the resistance \"31,2\" is not a number. Did you mean 31.2? Write "
                    "the decimal point as \".\"."},
        RefusalCase{"DistanceWithComma", "4,5", "8",
                    "Not added: the distance \"4,5\" is not a number. Did you mean 4.5? Write the "
                    "decimal point as \".\"."},
        RefusalCase{"TrailingLetters", "45abc", "8",
                    "Not added: the distance \"45abc\" is not a number."},
        RefusalCase{"TrailingLetter", "10", "31.2x",
                    "Not added: the resistance \"31.2x\" is not a number."},
        RefusalCase{"InnerBlank", "1 5", "8", "Not added: the distance \"1 5\" is not a number."},
        RefusalCase{"CommasEverywhere", "10", "1,2,3",
                    "Not added: the resistance \"1,2,3\" is not a number. Write the decimal "
                    "point as \".\"."}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(FieldKeys, EnterInEitherP2BoxAddsThePoint) {
    MainWindowDriver form;
    form.SelectTab(5);
    form.Type("tbxFOPP2Feet", "10");
    form.Type("tbxFOPP2Ohms", "8");
    QTest::keyClick(form.Field("tbxFOPP2Ohms"), Qt::Key_Return);
    EXPECT_EQ(form.Text("lbPoint"), "Point 1 of 1");
    form.Type("tbxFOPP2Feet", "20");
    QTest::keyClick(form.Field("tbxFOPP2Feet"), Qt::Key_Enter);
    EXPECT_EQ(form.Text("lbPoint"), "Point 2 of 2");
}

struct PageKeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int tab;
    const char* page;
};

class PageKeys : public testing::TestWithParam<PageKeyCase> {};

TEST_P(PageKeys, SwitchPagesFromAnyField) {
    const PageKeyCase& c = GetParam();
    MainWindowDriver form;
    form.Click("tbxEarthRes");
    QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
    auto* tabs = qobject_cast<QTabWidget*>(form.Control("TabStrip1"));
    EXPECT_EQ(tabs->currentIndex() + 1, c.tab);
    EXPECT_TRUE(form.Control(QLatin1String(c.page))->isVisible());
    EXPECT_EQ(form.Text("tbxEarthRes"), "") << "the key typed nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PageKeys,
    testing::Values(PageKeyCase{"CtrlTab", Qt::Key_Tab, Qt::ControlModifier, 2, "Frame_2"},
                    PageKeyCase{"CtrlShiftTab", Qt::Key_Backtab,
                                Qt::ControlModifier | Qt::ShiftModifier, 7, "Frame_6"},
                    PageKeyCase{"CtrlPageDown", Qt::Key_PageDown, Qt::ControlModifier, 2,
                                "Frame_2"},
                    PageKeyCase{"CtrlPageUp", Qt::Key_PageUp, Qt::ControlModifier, 7, "Frame_6"}),
    [](const testing::TestParamInfo<PageKeyCase>& info) { return std::string(info.param.name); });

void AddPoint(MainWindowDriver& form, const char* feet, const char* ohms) {
    form.Type("tbxFOPP2Feet", feet);
    form.Type("tbxFOPP2Ohms", ohms);
    form.Click("cmdFOPAdd");
}

// Ctrl+Z (with Shift: Ctrl+Shift+Z) where the focus is.
void Press(QWidget* focus, Qt::KeyboardModifiers modifiers) {
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Z, modifiers);
}

TEST(UndoRedo, BringsBackARemovedOrClearedReading) {
    MainWindowDriver form;
    form.SelectTab(5);
    AddPoint(form, "10", "8");
    AddPoint(form, "20", "6");
    AddPoint(form, "30", "5");
    form.Click("cmdFOPRemove");
    ASSERT_EQ(form.Text("lbPoint"), "Point 2 of 2");
    QWidget* remove = form.Control("cmdFOPRemove");
    Press(remove, Qt::ControlModifier);
    EXPECT_EQ(form.Text("lbPoint"), "Point 3 of 3");
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "30");

    form.Click("cmdFOPClear");
    ASSERT_EQ(form.Text("lbPoint"), "Point 0 of 0");
    QWidget* clear = form.Control("cmdFOPClear");
    Press(clear, Qt::ControlModifier);
    EXPECT_EQ(form.Text("lbPoint"), "Point 3 of 3");
    Press(clear, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.Text("lbPoint"), "Point 0 of 0");
    Press(clear, Qt::ControlModifier);
    Press(clear, Qt::ControlModifier);
    EXPECT_EQ(form.Text("lbPoint"), "Point 2 of 2") << "back before the third Add";
    EXPECT_EQ(form.Text("tbxFOPP2Feet"), "20");
}

TEST(UndoRedo, WorksFromTheBoxThePointWasTypedInto) {
    MainWindowDriver form;
    form.SelectTab(5);
    form.Type("tbxFOPP2Feet", "10");
    form.Type("tbxFOPP2Ohms", "8");
    QLineEdit* ohms = form.Field("tbxFOPP2Ohms");
    QTest::keyClick(ohms, Qt::Key_Return);
    ASSERT_EQ(form.Text("lbPoint"), "Point 1 of 1");
    Press(ohms, Qt::ControlModifier);
    EXPECT_EQ(form.Text("lbPoint"), "Point 0 of 0");
    form.Type("tbxFOPP2Ohms", "12");
    Press(ohms, Qt::ControlModifier);
    EXPECT_EQ(form.Text("tbxFOPP2Ohms"), "8") << "undoes the typing first";
    EXPECT_EQ(form.Text("lbPoint"), "Point 0 of 0");
}

TEST(GraphWindow, FirstOpensBesideTheMainWindow) {
    MainWindowDriver form;
    form.Window().move(20, 20);
    form.SelectTab(5);
    QWidget* graph = ShownGraphWindow();
    ASSERT_NE(graph, nullptr);
    EXPECT_FALSE(graph->frameGeometry().intersects(form.Window().frameGeometry()))
        << "graph at " << graph->x() << "," << graph->y();
    const QRect screen = form.Window().screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(graph->frameGeometry()));
}

// Add refuses such a reading; a data file may still bring one.
TEST(GraphWindow, AnAbsurdReadingLeavesTheOthersOnThePlot) {
    MainWindowDriver form;
    form.SelectTab(5);
    form.Type("tbxFOPE2", "100");
    AddPoint(form, "10", "8");
    AddPoint(form, "20", "6");
    AddPoint(form, "55", "1e999");
    EXPECT_EQ(QToolTip::text(), "Not added: the resistance must be at most 1000000000 Ohms.");
    QToolTip::hideText();
    ASSERT_EQ(form.Text("lbPoint"), "Point 2 of 2") << "the reading is refused";
    std::vector<stakewell::fop::FOPPoint> loaded = form.Window().Work().Fop().FOPPoints();
    loaded.push_back({55, 1e308});
    PutReadings(form.Window(), loaded, 3);
    ASSERT_EQ(form.Text("lbPoint"), "Point 3 of 3");

    QWidget* graph = ShownGraphWindow();
    ASSERT_NE(graph, nullptr);
    auto* picture = graph->findChild<QWidget*>(QStringLiteral("FOPGraph"));
    const QImage plot = picture->grab().toImage();
    int black = 0;
    for (int y = 0; y < plot.height(); ++y) {
        for (int x = 0; x < plot.width(); ++x) {
            black += plot.pixelColor(x, y).lightness() < 40 ? 1 : 0;
        }
    }
    EXPECT_GT(black, 100) << "the frame, grid labels and dots are drawn";

    QTest::mouseMove(picture, picture->rect().center());
    const auto* feet = graph->findChild<QLabel*>(QStringLiteral("Panel_1"));
    const auto* ohms = graph->findChild<QLabel*>(QStringLiteral("Panel_2"));
    EXPECT_TRUE(feet->text().endsWith(" Feet")) << feet->text().toStdString();
    EXPECT_TRUE(ohms->text().endsWith(" Ohms")) << ohms->text().toStdString();
    for (const QString& text : {feet->text(), ohms->text()}) {
        bool number = false;
        const double value = text.section(' ', 0, 0).toDouble(&number);
        EXPECT_TRUE(number && std::isfinite(value)) << text.toStdString();
    }
}

} // namespace
