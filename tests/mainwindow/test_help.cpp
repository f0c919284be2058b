#include "MainWindowDriver.h"
#include "ModalAnswerer.h"

#include "about/frmHelp.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

stakewell::about::frmHelp* ShownHelp() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<stakewell::about::frmHelp*>(top); help && help->isVisible()) {
            return help;
        }
    }
    return nullptr;
}

// F1 shows the manual, with each of its subjects; the About box is one button
// away; Esc closes the manual and F1 brings the same window back.
TEST(Help, F1ShowsTheManualAndTheAboutBoxIsReachedFromIt) {
    MainWindowDriver form;
    form.Window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form.Window()));
    QTest::keyClick(&form.Window(), Qt::Key_F1);
    stakewell::about::frmHelp* help = ShownHelp();
    ASSERT_NE(help, nullptr);
    const QString manual =
        help->findChild<QTextBrowser*>(QStringLiteral("txtManual"))->toPlainText();
    for (const char* subject : {"The pages", "The 62 % rule", "The slope method", "P_T / C",
                                "The soil survey", "Data files"}) {
        EXPECT_TRUE(manual.contains(QLatin1String(subject))) << subject;
    }

    ModalAnswerer answerer;
    QString aboutTitle;
    answerer.AnswerOtherDialogs([&aboutTitle](QDialog& dialog) {
        aboutTitle = dialog.windowTitle();
        dialog.reject();
    });
    help->findChild<QPushButton*>(QStringLiteral("cmdAbout"))->click();
    EXPECT_EQ(aboutTitle, QStringLiteral("About Stakewell"));

    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_EQ(ShownHelp(), nullptr);
    form.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.Window()));
    QTest::keyClick(&form.Window(), Qt::Key_F1);
    EXPECT_EQ(ShownHelp(), help) << "one manual window, shown again";
}

} // namespace
