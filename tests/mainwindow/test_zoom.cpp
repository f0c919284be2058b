#include "MainWindowDriver.h"

#include "CaseName.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Layout {
    QSize window;
    std::vector<std::pair<QRect, qreal>> controls; // every control's place and font
    bool operator==(const Layout&) const = default;
};

// A table's headers and scroll bars are its own to place, when it is next
// shown; they are parts of it rather than controls of the form.
bool PartOfATable(const QWidget& control) {
    for (const QWidget* parent = control.parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (parent->inherits("QAbstractItemView")) {
            return true;
        }
    }
    return false;
}

Layout LayoutOf(stakewell::mainwindow::frmMain& window) {
    Layout layout{window.size(), {}};
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->window() == &window && !PartOfATable(*control)) {
            layout.controls.emplace_back(control->geometry(), control->font().pointSizeF());
        }
    }
    return layout;
}

void Press(QWidget& window, const QKeySequence& keys) {
    QTest::keySequence(&window, keys);
}

// The keys as the user presses them: standard zoom keys need the running
// application to say what they are, so a case names them by a letter.
enum class Key { In, Out, Equal, Reset };

QKeySequence Sequence(Key key) {
    switch (key) {
    case Key::In:
        return QKeySequence::ZoomIn;
    case Key::Out:
        return QKeySequence::ZoomOut;
    case Key::Equal:
        return QKeySequence(Qt::CTRL | Qt::Key_Equal);
    case Key::Reset:
        break;
    }
    return QKeySequence(Qt::CTRL | Qt::Key_0);
}

struct ZoomCase {
    const char* name;
    std::vector<Key> keys;
    int percent;

    friend void PrintTo(const ZoomCase& c, std::ostream* os) { *os << c.name; }
};

class Zoom : public testing::TestWithParam<ZoomCase> {};

// The window and its controls grow in proportion, within 100 % and 300 %.
TEST_P(Zoom, ScalesTheWindowAndItsControlsInProportion) {
    MainWindowDriver form;
    form.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.Window()));
    const QSize base = form.Window().size();
    const QRect field = form.Field(QStringLiteral("tbxEarthRes"))->geometry();
    const qreal points = form.Field(QStringLiteral("tbxEarthRes"))->font().pointSizeF();
    for (const Key key : GetParam().keys) {
        Press(form.Window(), Sequence(key));
    }
    const double factor = GetParam().percent / 100.0;
    EXPECT_EQ(form.Window().size(),
              QSize(qRound(base.width() * factor), qRound(base.height() * factor)));
    EXPECT_EQ(form.Field(QStringLiteral("tbxEarthRes"))->geometry().width(),
              qRound(field.width() * factor));
    EXPECT_DOUBLE_EQ(form.Field(QStringLiteral("tbxEarthRes"))->font().pointSizeF(),
                     points * factor);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Zoom,
    testing::Values(ZoomCase{"in_once", {Key::In}, 125},
                    ZoomCase{"in_four_times", {Key::In, Key::In, Key::In, Key::In}, 200},
                    ZoomCase{"ctrl_equal", {Key::Equal}, 125},
                    ZoomCase{"held_at_300", std::vector<Key>(9, Key::In), 300},
                    ZoomCase{"held_at_100", {Key::Out}, 100},
                    ZoomCase{"in_then_out", {Key::In, Key::In, Key::Out}, 125},
                    ZoomCase{"reset", {Key::In, Key::In, Key::Reset}, 100}),
    [](const testing::TestParamInfo<ZoomCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// Back at 100 % every control stands where the form put it, at its own font;
// the zoom is kept for the next run.
TEST(ZoomKept, ComesBackExactlyAndIsRememberedForTheNextRun) {
    QTemporaryDir folder;
    const QString lastConfig = folder.filePath(QStringLiteral("LastConfig.xml"));
    auto first = std::make_unique<stakewell::mainwindow::frmMain>(lastConfig);
    first->show();
    first->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(first.get()));
    const Layout original = LayoutOf(*first);
    Press(*first, Sequence(Key::In));
    Press(*first, Sequence(Key::In));
    EXPECT_NE(LayoutOf(*first), original);
    Press(*first, Sequence(Key::Reset));
    EXPECT_EQ(LayoutOf(*first), original);
    Press(*first, Sequence(Key::In));
    const QSize zoomed = first->size();
    first->close();
    first.reset();

    stakewell::mainwindow::frmMain second(lastConfig);
    EXPECT_EQ(second.size(), zoomed);
}

} // namespace
