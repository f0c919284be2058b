#include "CaseName.h"
#include "MainWindowDriver.h"
#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// Long enough for a button's access key to finish its animated click.
constexpr int ClickSettles = 250;

void Activate(QWidget& window) {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

void AddReading(MainWindowDriver& form, const char* feet, const char* ohms) {
    form.Type("tbxFOPP2Feet", feet);
    form.Type("tbxFOPP2Ohms", ohms);
    form.Click(QStringLiteral("cmdFOPAdd"));
}

QString Locked(QLineEdit* field) {
    return field->isReadOnly() ? QStringLiteral("locked") : QStringLiteral("open");
}

// What one key shows, in the window's own words.
struct KeyTest {
    MainWindowDriver form;
    QStringList dialogs;
};

struct KeyCase {
    const char* name;
    int page;
    std::function<void(MainWindowDriver&)> prepare;
    const char* focus;
    QKeyCombination key;
    std::function<QString(KeyTest&)> shows;
    const char* expected;
};

QString TextOf(KeyTest& test, const char* name) {
    return test.form.Text(QLatin1String(name));
}

class MainWindowKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(MainWindowKeys, DoWhatTheirControlDoes) {
    const KeyCase& c = GetParam();
    KeyTest test;
    test.form.SelectTab(c.page);
    c.prepare(test.form);
    const ModalAnswerer answerer([&test](QFileDialog& dialog) {
        test.dialogs << dialog.windowTitle();
        dialog.reject();
    });
    Activate(test.form.Window());
    QTest::keyClick(test.form.Control(QLatin1String(c.focus)), c.key.key(),
                    c.key.keyboardModifiers());
    QTest::qWait(ClickSettles);
    EXPECT_EQ(c.shows(test), c.expected);
    EXPECT_TRUE(answerer.Messages().isEmpty()) << answerer.Messages().join(u'\n').toStdString();
}

const auto Nothing = [](MainWindowDriver&) {};
const auto Fraction = [](MainWindowDriver& form) {
    form.Type("tbxNumer", "3");
    form.Type("tbxDenom", "4");
    form.Type("tbxElectDia", "0.5");
};
const auto LastDialog = [](KeyTest& test) { return test.dialogs.join(u'|'); };

INSTANTIATE_TEST_SUITE_P(
    Keys, MainWindowKeys,
    testing::Values(
        KeyCase{"Enter in the numerator", 1, Fraction, "tbxNumer", Qt::Key_Return,
                [](KeyTest& t) { return TextOf(t, "tbxElectDia"); }, "0.75"},
        KeyCase{"Enter in the denominator", 1, Fraction, "tbxDenom", Qt::Key_Enter,
                [](KeyTest& t) { return TextOf(t, "tbxElectDia"); }, "0.75"},
        KeyCase{"Enter under no fraction", 1,
                [](MainWindowDriver& form) {
                    Fraction(form);
                    form.Type("tbxDenom", "0");
                },
                "tbxDenom", Qt::Key_Return, [](KeyTest& t) { return TextOf(t, "tbxElectDia"); },
                "0.5"},
        KeyCase{"Alt A adds the point", 5,
                [](MainWindowDriver& form) {
                    form.Type("tbxFOPP2Feet", "20");
                    form.Type("tbxFOPP2Ohms", "5");
                },
                "tbxFOPE2", Qt::ALT | Qt::Key_A, [](KeyTest& t) { return TextOf(t, "lbPoint"); },
                "Point 1 of 1"},
        KeyCase{"Alt R removes the point", 5,
                [](MainWindowDriver& form) {
                    AddReading(form, "20", "5");
                    AddReading(form, "30", "6");
                },
                "tbxFOPE2", Qt::ALT | Qt::Key_R, [](KeyTest& t) { return TextOf(t, "lbPoint"); },
                "Point 1 of 1"},
        KeyCase{"Alt C clears the points", 5,
                [](MainWindowDriver& form) {
                    AddReading(form, "20", "5");
                    AddReading(form, "30", "6");
                },
                "tbxFOPE2", Qt::ALT | Qt::Key_C, [](KeyTest& t) { return TextOf(t, "lbPoint"); },
                "Point 0 of 0"},
        KeyCase{"Alt A on another page adds nothing", 1,
                [](MainWindowDriver& form) {
                    form.SelectTab(5);
                    form.Type("tbxFOPP2Feet", "20");
                    form.Type("tbxFOPP2Ohms", "5");
                    form.SelectTab(1);
                },
                "tbxEarthRes", Qt::ALT | Qt::Key_A, [](KeyTest& t) { return TextOf(t, "lbPoint"); },
                "Point 0 of 0"},
        KeyCase{"Alt G types the gauge", 2, Nothing, "tbxNumElect", Qt::ALT | Qt::Key_G,
                [](KeyTest& t) { return Locked(t.form.Field("tbxWireAWG")); }, "open"},
        KeyCase{"Alt D types the diameter", 2,
                [](MainWindowDriver& form) { form.Click(QStringLiteral("WireSize_1")); },
                "tbxNumElect", Qt::ALT | Qt::Key_D,
                [](KeyTest& t) { return Locked(t.form.Field("tbxWireAWG")); }, "locked"},
        KeyCase{"Alt B takes lengths between electrodes", 2, Nothing, "tbxNumElect",
                Qt::ALT | Qt::Key_B, [](KeyTest& t) { return Locked(t.form.Field("tbxWireLen")); },
                "locked"},
        KeyCase{"Alt N takes the total length", 2,
                [](MainWindowDriver& form) { form.Click(QStringLiteral("WireLength_1")); },
                "tbxNumElect", Qt::ALT | Qt::Key_N,
                [](KeyTest& t) { return Locked(t.form.Field("tbxWireLen")); }, "open"},
        KeyCase{"Alt O opens the soil survey", 6, Nothing, "tbxMVal", Qt::ALT | Qt::Key_O,
                [](KeyTest& t) {
                    auto* soil = t.form.Window().findChild<QWidget*>(QStringLiteral("frmSoil"));
                    return soil != nullptr && soil->isVisible() ? QStringLiteral("shown")
                                                                : QStringLiteral("none");
                },
                "shown"},
        KeyCase{"Alt L loads data", 1, Nothing, "tbxEarthRes", Qt::ALT | Qt::Key_L, LastDialog,
                "Read Data From File"},
        KeyCase{"Alt S saves data", 1, Nothing, "tbxEarthRes", Qt::ALT | Qt::Key_S, LastDialog,
                "Save Data To File"},
        KeyCase{"Alt T saves the text", 1, Nothing, "tbxEarthRes", Qt::ALT | Qt::Key_T, LastDialog,
                "Save Text To File"},
        KeyCase{"Ctrl O loads data", 3, Nothing, "TabStrip1", Qt::CTRL | Qt::Key_O, LastDialog,
                "Read Data From File"},
        KeyCase{"Ctrl S saves data", 5, Nothing, "tbxFOPE2", Qt::CTRL | Qt::Key_S, LastDialog,
                "Save Data To File"},
        KeyCase{"Ctrl R shows the recent files", 4, Nothing, "TabStrip1", Qt::CTRL | Qt::Key_R,
                [](KeyTest&) {
                    QWidget* popup = QApplication::activePopupWidget();
                    const QString name = popup == nullptr ? QString() : popup->objectName();
                    if (popup != nullptr) {
                        popup->close();
                    }
                    return name;
                },
                "mnuRecentFiles"},
        KeyCase{"Alt E ends the program", 1, Nothing, "tbxEarthRes", Qt::ALT | Qt::Key_E,
                [](KeyTest& t) {
                    return t.form.Window().isVisible() ? QStringLiteral("open")
                                                       : QStringLiteral("closed");
                },
                "closed"}),
    [](const testing::TestParamInfo<KeyCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// Each access key reaches one control only, whichever page is shown.
TEST(AccessKeys, EveryButtonHasOneOfItsOwn) {
    MainWindowDriver form;
    std::map<QChar, QString> owners;
    for (QAbstractButton* button : form.Window().findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty()) {
            continue;
        }
        const qsizetype mark = button->text().indexOf(u'&');
        ASSERT_GE(mark, 0) << button->objectName().toStdString() << " has no access key";
        const QChar key = button->text().at(mark + 1).toUpper();
        EXPECT_TRUE(owners.emplace(key, button->objectName()).second)
            << "Alt+" << QString(key).toStdString() << ": " << owners[key].toStdString() << " and "
            << button->objectName().toStdString();
    }
    EXPECT_EQ(owners.size(), 14U);
}

// The graph window's keys, against a curve with an analysis to tell.
class GraphKeys : public testing::Test {
protected:
    void SetUp() override {
        form.SelectTab(5);
        form.Type("tbxFOPE2", "100");
        for (const auto& [feet, ohms] : {std::pair{"20", "8"}, std::pair{"40", "9.5"},
                                         std::pair{"62", "10"}, std::pair{"80", "12"}}) {
            AddReading(form, feet, ohms);
        }
        graph = ShownGraphWindow();
        ASSERT_NE(graph, nullptr);
        Activate(*graph);
    }

    QString Listing() const {
        return graph->findChild<QLabel*>(QStringLiteral("Panel_3"))->toolTip();
    }

    // The entries of the menu that `open` pops up, and whether it stood over
    // the plot; the menu is closed again.
    QStringList MenuOpenedBy(const std::function<void()>& open, bool* overPlot = nullptr) {
        QStringList entries;
        QTimer::singleShot(100, graph, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            for (const QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    entries << action->text();
                }
            }
            if (overPlot != nullptr) {
                QWidget* plot = graph->findChild<QWidget*>(QStringLiteral("FOPGraph"));
                *overPlot = QRect(plot->mapToGlobal(QPoint(0, 0)), plot->size())
                                .contains(menu->geometry().topLeft());
            }
            menu->close();
        });
        open();
        QTest::qWait(200);
        return entries;
    }

    MainWindowDriver form;
    QWidget* graph = nullptr;
};

TEST_F(GraphKeys, ShiftF10OpensTheContextMenuOverThePlot) {
    bool overPlot = false;
    const QStringList entries =
        MenuOpenedBy([this] { QTest::keyClick(graph, Qt::Key_F10, Qt::ShiftModifier); }, &overPlot);
    EXPECT_TRUE(entries.contains("&Copy Graph"));
    EXPECT_TRUE(entries.contains("Analysis Detai&ls..."));
    EXPECT_TRUE(overPlot);
}

// The Menu key comes to the window as a context menu asked for by the
// keyboard, at wherever the pointer happens to be.
TEST_F(GraphKeys, TheMenuKeyOpensTheContextMenuOverThePlot) {
    bool overPlot = false;
    const QStringList entries = MenuOpenedBy(
        [this] {
            QWidget* plot = graph->findChild<QWidget*>(QStringLiteral("FOPGraph"));
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(-500, -500),
                                    QPoint(-500, -500));
            QApplication::sendEvent(plot, &event);
        },
        &overPlot);
    EXPECT_TRUE(entries.contains("Analysis Detai&ls..."));
    EXPECT_TRUE(overPlot);
}

struct DetailsSeen {
    QString title;
    QString text;
    bool readOnly = false;
};

TEST_F(GraphKeys, CtrlDShowsTheWholeListingAndCopiesIt) {
    ASSERT_TRUE(Listing().count(u'\n') >= 3) << Listing().toStdString();
    QApplication::clipboard()->clear();
    DetailsSeen seen;
    ModalAnswerer answerer;
    answerer.AnswerOtherDialogs([&seen](QDialog& dialog) {
        auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("txtListing"));
        ASSERT_NE(text, nullptr);
        seen = {dialog.windowTitle(), text->toPlainText(), text->isReadOnly()};
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
    });
    QTest::keyClick(graph, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(seen.title, "Analysis Details");
    EXPECT_EQ(seen.text, Listing());
    EXPECT_TRUE(seen.readOnly);
    EXPECT_EQ(QApplication::clipboard()->text(), Listing());
}

TEST_F(GraphKeys, TheMenusDetailsEntryOpensTheSameListing) {
    QString shown;
    ModalAnswerer answerer;
    answerer.AnswerOtherDialogs([&shown](QDialog& dialog) {
        shown = dialog.findChild<QPlainTextEdit*>(QStringLiteral("txtListing"))->toPlainText();
        dialog.reject();
    });
    QTimer::singleShot(100, graph, [] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            QTest::keyClick(menu, Qt::Key_L);
        }
    });
    QTest::keyClick(graph, Qt::Key_F10, Qt::ShiftModifier);
    QTest::qWait(200);
    EXPECT_EQ(shown, Listing());
}

} // namespace
