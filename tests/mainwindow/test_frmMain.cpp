#include "MainWindowDriver.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

const Texts InitialTexts = {
    {"cmdEnd", "End Program"},
    {"cmdLoadData", "Load Data..."},
    {"cmdSaveData", "Save Data..."},
    {"cmdSaveText", "Save Text..."},
    {"cmdSoilSurvey", "Soil Survey..."},
    {"tbxEarthRes", ""},
    {"Label1", "Meter-Ohms"},
    {"tbxElectLen", ""},
    {"Label2", "Feet"},
    {"tbxNumer", "5"},
    {"tbxDenom", "8"},
    {"Label32", "="},
    {"lbResult", "0.625"},
    {"tbxElectDia", ""},
    {"Label3", "Inches"},
    {"lbOneElectRes", ""},
    {"Label5", "Ohms"},
    {"tbxNumElect", ""},
    {"WireSize_0", "Diameter"},
    {"tbxWireDia", ""},
    {"Label9", "Inches"},
    {"WireSize_1", "Gauge"},
    {"tbxWireAWG", ""},
    {"Label27", "AWG"},
    {"tbxWireDepth", ""},
    {"Label10", "Feet"},
    {"WireLength_0", "Total Length"},
    {"tbxWireLen", ""},
    {"Label4", "Feet"},
    {"WireLength_1", "Between Electrodes"},
    {"Label30", "Line"},
    {"Label31", "Poly"},
    {"tbxWireBetween_0", ""},
    {"tbxWireBetween_1", ""},
    {"Label29", "Feet"},
    {"lbLinearSpace", ""},
    {"Label7", "Feet"},
    {"lbLinearElect", ""},
    {"Label8", "Ohms"},
    {"lbLinearWire", ""},
    {"Label11", "Ohms"},
    {"LbLinearMutual", ""},
    {"Label13", "Ohms"},
    {"lbLinearTotal", ""},
    {"Label14", "Ohms"},
    {"lbRectSpace", ""},
    {"Label15", "Feet"},
    {"lbRectElect", ""},
    {"Label20", "Ohms"},
    {"lbRectWire", ""},
    {"Label19", "Ohms"},
    {"lbRectMutual", ""},
    {"Label17", "Ohms"},
    {"lbRectTotal", ""},
    {"Label12", "Ohms"},
    {"lbFOPE1P1", "0"},
    {"Label18", "Feet"},
    {"lb62Pct", "31.0"},
    {"Label25", "Feet"},
    {"tbxFOPP2Feet", "50"},
    {"Label21", "Feet"},
    {"tbxFOPP2Ohms", "50"},
    {"Label22", "Ohms"},
    {"lbPoint", "Point 0 of 0"},
    {"lbDistPct", "k%"},
    {"tbxFOPE2", "50"},
    {"Label23", "Feet"},
    {"cmdFOPAdd", "Add Point"},
    {"cmdFOPRemove", "Remove Point"},
    {"cmdFOPClear", "Clear All"},
    {"tbxMVal", ""},
    {"Label16", "Ohms"},
    {"lbE1", "E1 = 0"},
    {"Label28", "E2 ="},
    {"tbx4ptE2", "50"},
    {"lbP1", "P1 = 16.7"},
    {"lbP2", "P2 = 33.3"},
    {"Label24", "Feet"},
    {"lbEarthRes", ""},
    {"Label26", "Ohm-meters"},
};

const Texts FrameCaptions = {
    {"Frame_1", "Single Electrode:"},
    {"Frame_2", "Multiple Electrodes:"},
    {"Frame_3", "Linear Results:"},
    {"Frame_4", "Polygon Results:"},
    {"Frame_5", "Fall Of Potential:"},
    {"Frame_6", "4-Point Test:"},
    {"Frame2", "Earth Resistivity:"},
    {"Frame3", "Electrode Length:"},
    {"Frame4", "Electrode Diameter:"},
    {"Frame5", "Electrode Resistance:"},
    {"Frame7", "Number of Electrodes:"},
    {"Frame11", "Wire Size:"},
    {"Frame16", "Wire Depth:"},
    {"Frame10", "Wire Length:"},
    {"Frame8", "Spacing between Electrodes:"},
    {"Frame9", "Electrode Resistance:"},
    {"Frame12", "Wire Resistance:"},
    {"Frame13", "Mutual Resistance:"},
    {"Frame14", "Total Resistance:"},
    {"Frame22", "Spacing between Electrodes:"},
    {"Frame21", "Electrode Resistance:"},
    {"Frame20", "Wire Resistance:"},
    {"Frame19", "Mutual Resistance:"},
    {"Frame18", "Total Resistance:"},
    {"Frame1", "E1--P1:"},
    {"Frame24", "62% Point:"},
    {"Frame6", "P2:"},
    {"Frame15", "E2:"},
    {"Frame17", "Measured Resistance:"},
    {"Frame23", "Earth Resistivity:"},
};

const std::vector<const char*> KeyboardOrder = {
    "cmdEnd",
    "cmdLoadData",
    "cmdSaveData",
    "cmdSaveText",
    "tbxEarthRes",
    "tbxElectLen",
    "tbxNumer",
    "tbxDenom",
    "tbxElectDia",
    "tbxNumElect",
    "WireSize_0",
    "tbxWireDia",
    "WireSize_1",
    "tbxWireAWG",
    "tbxWireDepth",
    "WireLength_0",
    "tbxWireLen",
    "WireLength_1",
    "tbxWireBetween_0",
    "tbxWireBetween_1",
    "tbxUpperRes",
    "tbxLowerRes",
    "tbxUpperDepth",
    "grdLayered",
    "cmdUseLinearEquivalent",
    "cmdUsePolygonEquivalent",
    "tbxFOPP2Feet",
    "tbxFOPP2Ohms",
    "tbxFOPE2",
    "tbxMVal",
    "tbx4ptE2",
    "cmdSoilSurvey",
    "TabStrip1",
    "cmdFOPClear",
    "HScroll1",
    "cmdFOPRemove",
    "cmdFOPAdd",
    "cboUnits",
};

const std::vector<const char*> ResultBoxes = {
    "lbOneElectRes", "lbLinearSpace", "lbLinearElect", "lbLinearWire", "LbLinearMutual",
    "lbLinearTotal", "lbRectSpace",   "lbRectElect",   "lbRectWire",   "lbRectMutual",
    "lbRectTotal",   "lbFOPE1P1",     "lb62Pct",       "lbEarthRes",
};

const std::vector<const char*> InputBoxes = {
    "tbxEarthRes",  "tbxElectLen",  "tbxElectDia", "tbxNumElect",      "tbxWireDia",
    "tbxWireAWG",   "tbxWireDepth", "tbxWireLen",  "tbxWireBetween_0", "tbxWireBetween_1",
    "tbxFOPP2Feet", "tbxFOPP2Ohms", "tbxFOPE2",    "tbxMVal",          "tbx4ptE2",
};

// The page whose rectangle lies inside the window's client area.
std::vector<QString> PagesInView(MainWindowDriver& form) {
    std::vector<QString> inView;
    for (int i = 1; i <= 6; ++i) {
        QWidget* page = form.Control(QStringLiteral("Frame_%1").arg(i));
        if (form.Window().rect().intersects(page->geometry())) {
            inView.push_back(page->objectName());
        }
    }
    return inView;
}

QWidget* GraphWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("stakewell::graph::frmGraph") && top->isVisible()) {
            return top;
        }
    }
    return nullptr;
}

TEST(MainWindowLayout, EveryControlStartsWithItsCaptionOrText) {
    MainWindowDriver form;
    // The '&' that marks a button's access key is not among the letters it shows.
    for (const auto& [name, text] : InitialTexts) {
        EXPECT_EQ(form.Text(name).remove(u'&').toStdString(), text) << name;
    }
    for (const auto& [name, caption] : FrameCaptions) {
        auto* frame = form.Window().findChild<QGroupBox*>(name);
        ASSERT_NE(frame, nullptr) << name;
        EXPECT_EQ(frame->title().toStdString(), caption) << name;
    }
}

TEST(MainWindowLayout, TabsCarryTheirCaptionsInBoldType) {
    MainWindowDriver form;
    auto* tabs = form.Window().findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
    ASSERT_NE(tabs, nullptr);
    const QStringList captions{"Single", "Multiple", "Linear", "Poly", "La&yers", "FOP", "4-Point"};
    ASSERT_EQ(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->tabText(i), captions.at(i));
    }
    EXPECT_DOUBLE_EQ(tabs->tabBar()->font().pointSizeF(), 9.75);
    EXPECT_TRUE(tabs->tabBar()->font().bold());
}

TEST(MainWindowLayout, ResultBoxesAreBoldAndInputBoxesRegularTwelvePoint) {
    MainWindowDriver form;
    for (const char* name : ResultBoxes) {
        QLabel* box = form.Label(name);
        EXPECT_EQ(box->font().pointSize(), 12) << name;
        EXPECT_TRUE(box->font().bold()) << name;
        EXPECT_EQ(box->alignment() & Qt::AlignHCenter, Qt::AlignHCenter) << name;
        EXPECT_EQ(box->palette().color(box->backgroundRole()), QColor(Qt::white)) << name;
    }
    for (const char* name : InputBoxes) {
        QLineEdit* box = form.Field(name);
        EXPECT_EQ(box->font().pointSize(), 12) << name;
        EXPECT_FALSE(box->font().bold()) << name;
        EXPECT_EQ(box->alignment() & Qt::AlignHCenter, Qt::AlignHCenter) << name;
    }
    EXPECT_EQ(form.Field("tbxNumer")->font().pointSize(), 8);
    EXPECT_DOUBLE_EQ(form.Label("lbResult")->font().pointSizeF(), 13.5);
    EXPECT_DOUBLE_EQ(form.Label("lbPoint")->font().pointSizeF(), 9.75);
    EXPECT_EQ(form.Label("lbResult")->toolTip(), "Double-click here to copy results below.");
}

TEST(MainWindowLayout, WindowIsAFixedCaptionedDialogWithItsOwnIcon) {
    MainWindowDriver form;
    stakewell::mainwindow::frmMain& window = form.Window();
    EXPECT_EQ(window.windowTitle(), "Stakewell");
    EXPECT_EQ(window.size(), QSize(364, 260));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window.windowIcon().pixmap(QSize(32, 32)).isNull());
    EXPECT_FALSE(window.windowIcon().pixmap(QSize(16, 16)).isNull());
    EXPECT_GT(window.TitleBarHeight(), 0);
}

TEST(MainWindowLayout, OptionsAndLockedBoxesStartOnDiameterAndTotalLength) {
    MainWindowDriver form;
    EXPECT_TRUE(form.Window().findChild<QRadioButton*>("WireSize_0")->isChecked());
    EXPECT_FALSE(form.Window().findChild<QRadioButton*>("WireSize_1")->isChecked());
    EXPECT_TRUE(form.Window().findChild<QRadioButton*>("WireLength_0")->isChecked());
    EXPECT_FALSE(form.Window().findChild<QRadioButton*>("WireLength_1")->isChecked());
    EXPECT_TRUE(form.Field("tbxWireAWG")->isReadOnly());
    EXPECT_FALSE(form.Field("tbxWireDia")->isReadOnly());
    EXPECT_FALSE(form.Field("tbxWireLen")->isReadOnly());
    EXPECT_FALSE(form.Field("tbxWireBetween_0")->isReadOnly());
    EXPECT_FALSE(form.Field("tbxWireBetween_1")->isReadOnly());
}

TEST(MainWindowLayout, EveryCaptionFitsInsideItsControl) {
    MainWindowDriver form;
    for (QLabel* label : form.Window().findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        // A caption that wraps needs the height of its lines at its width.
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height())
                << label->objectName().toStdString();
        } else {
            EXPECT_LE(label->sizeHint().width(), label->width())
                << label->objectName().toStdString();
        }
    }
    for (QAbstractButton* button : form.Window().findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty()) {
            EXPECT_LE(button->sizeHint().width(), button->width())
                << button->objectName().toStdString();
        }
    }
    auto* tabs = form.Window().findChild<QTabWidget*>(QStringLiteral("TabStrip1"));
    const QTabBar* bar = tabs->tabBar();
    EXPECT_LE(bar->tabRect(bar->count() - 1).right(), bar->width()) << "all seven tabs fit";
    for (int i = 0; i < bar->count(); ++i) {
        // An access key's mark is no part of the caption shown.
        const QString shown = QString(bar->tabText(i)).remove(u'&');
        EXPECT_LT(bar->fontMetrics().horizontalAdvance(shown), bar->tabRect(i).width())
            << bar->tabText(i).toStdString() << " in a bar " << bar->width() << " wide";
    }
    for (QGroupBox* frame : form.Window().findChildren<QGroupBox*>()) {
        EXPECT_LT(frame->fontMetrics().horizontalAdvance(frame->title()), frame->width())
            << frame->objectName().toStdString();
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(frame->rect().contains(child->geometry()))
                << child->objectName().toStdString();
        }
    }
}

TEST(MainWindowFocus, OpensWithTheFocusOnEndProgram) {
    MainWindowDriver form;
    form.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.Window()));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "cmdEnd");
}

// The tab strip takes the focus through its tab bar.
std::string FocusOwnerName(QWidget* widget) {
    if (qobject_cast<QTabWidget*>(widget->parentWidget()) != nullptr) {
        widget = widget->parentWidget();
    }
    return widget->objectName().toStdString();
}

TEST(MainWindowFocus, KeyboardOrderRunsThroughEveryControlInTurn) {
    MainWindowDriver form;
    QWidget* start = form.Control("cmdEnd");
    std::vector<std::string> chain;
    for (QWidget* w = start;;) {
        // Controls of the pages out of sight stay in the chain; only their
        // page is hidden.
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->focusProxy() == nullptr &&
            !w->isHidden()) {
            chain.push_back(FocusOwnerName(w));
        }
        w = w->nextInFocusChain();
        if (w == start) {
            break;
        }
    }
    EXPECT_EQ(chain, std::vector<std::string>(KeyboardOrder.begin(), KeyboardOrder.end()));
}

// Both option pairs are on the "Multiple" page; the Tab key visits only the
// page in sight besides the window's own controls.
TEST(MainWindowFocus, TabKeyStopsOnlyAtTheChosenOptionOfEachPair) {
    MainWindowDriver form;
    form.SelectTab(2);
    form.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.Window()));
    form.Control("cmdEnd")->setFocus();
    std::vector<std::string> expected;
    for (const char* name : KeyboardOrder) {
        const QWidget* page = form.Control(name)->parentWidget();
        while (page != nullptr && !page->objectName().startsWith("Frame_")) {
            page = page->parentWidget();
        }
        const bool inSight = page == nullptr || page->objectName() == "Frame_2";
        if (inSight && std::string(name) != "WireSize_1" && std::string(name) != "WireLength_1") {
            expected.emplace_back(name);
        }
    }
    expected.emplace_back("cmdEnd");
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        visited.push_back(FocusOwnerName(focus));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

TEST(MainWindowTabs, AtStartOnlyTheSinglePageIsInView) {
    MainWindowDriver form;
    EXPECT_EQ(PagesInView(form), std::vector<QString>{"Frame_1"});
    EXPECT_EQ(form.Control("Frame_1")->pos(), QPoint(16, 24));
}

TEST(MainWindowTabs, EachTabBringsExactlyItsOwnPageIntoView) {
    MainWindowDriver form;
    for (int index : {2, 3, 4, 5, 6, 1, 6, 6}) {
        form.SelectTab(index);
        const QString page = QStringLiteral("Frame_%1").arg(index);
        EXPECT_EQ(PagesInView(form), std::vector<QString>{page}) << index;
        EXPECT_EQ(form.Control(page)->pos(), QPoint(16, 24)) << index;
    }
}

TEST(MainWindowTabs, FallOfPotentialTabShowsTheGraphWindowAndOtherTabsHideIt) {
    MainWindowDriver form;
    EXPECT_EQ(GraphWindow(), nullptr);
    form.SelectTab(5);
    ASSERT_NE(GraphWindow(), nullptr);
    form.SelectTab(1);
    EXPECT_EQ(GraphWindow(), nullptr);
    form.SelectTab(5);
    QWidget* graph = GraphWindow();
    ASSERT_NE(graph, nullptr);

    graph->close();
    QApplication::processEvents();
    EXPECT_EQ(GraphWindow(), nullptr);
    form.SelectTab(5);
    EXPECT_NE(GraphWindow(), nullptr) << "clicking the selected tab brings the window back";
    form.SelectTab(2);
    form.SelectTab(5);
    EXPECT_NE(GraphWindow(), nullptr);
}

TEST(MainWindowTabs, EndProgramClosesBothWindows) {
    MainWindowDriver form;
    form.SelectTab(5);
    ASSERT_NE(GraphWindow(), nullptr);
    form.SelectTab(1);
    form.Click("cmdEnd");
    QApplication::processEvents();
    EXPECT_FALSE(form.Window().isVisible());
    EXPECT_EQ(GraphWindow(), nullptr);
}

TEST(MainWindowTabs, FixedLabelsNeverChange) {
    MainWindowDriver form;
    form.Type("tbx4ptE2", "300");
    form.Type("tbxMVal", "100");
    form.Type("tbxFOPE2", "80");
    EXPECT_EQ(form.Text("lbE1"), "E1 = 0");
    EXPECT_EQ(form.Text("lbFOPE1P1"), "0");
}

} // namespace
