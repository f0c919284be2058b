#include "MainWindowDriver.h"
#include "ModalAnswerer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Fills the site record's dialog as a user would, and accepts or cancels it.
std::function<void(QDialog&)> Fill(const QString& site, const QString& notes, bool accept,
                                   int& asked) {
    return [=, &asked](QDialog& dialog) {
        ++asked;
        dialog.findChild<QLineEdit*>(QStringLiteral("tbxSiteName"))->setText(site);
        dialog.findChild<QPlainTextEdit*>(QStringLiteral("tbxNotes"))->setPlainText(notes);
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("cmdButtons"));
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    };
}

QString Report(MainWindowDriver& form, const QString& fileName) {
    QString name = fileName;
    form.Window().SaveTextReport(name);
    QFile report(fileName);
    EXPECT_TRUE(report.open(QIODevice::ReadOnly));
    return QString::fromUtf8(report.readAll());
}

// Ctrl+I takes the record; it marks the work unsaved, is printed after the
// specified lines of the text report, and comes back with its data file. A
// cancelled dialog changes nothing.
TEST(SiteRecord, CtrlITakesTheRecordWhichTheReportPrintsAndTheFileKeeps) {
    MainWindowDriver form;
    form.Window().show();
    form.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.Window()));
    QTemporaryDir folder;
    int asked = 0;
    const QString before = Report(form, folder.filePath(QStringLiteral("before.txt")));
    {
        ModalAnswerer answerer;
        answerer.AnswerOtherDialogs(Fill(QStringLiteral("Pole 17"), QString(), false, asked));
        QTest::keyClick(&form.Window(), Qt::Key_I, Qt::ControlModifier);
    }
    EXPECT_EQ(Report(form, folder.filePath(QStringLiteral("cancelled.txt"))), before);
    EXPECT_FALSE(form.Window().windowTitle().startsWith(u'*'));
    // A modal box takes the activation with it.
    form.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form.Window()));
    {
        ModalAnswerer answerer;
        answerer.AnswerOtherDialogs(Fill(QStringLiteral("Pole 17"),
                                         QStringLiteral("Wet clay.\nRod top at grade."), true,
                                         asked));
        QTest::keyClick(&form.Window(), Qt::Key_I, Qt::ControlModifier);
    }
    ASSERT_EQ(asked, 2);
    EXPECT_TRUE(form.Window().windowTitle().startsWith(u'*'));
    const QString report = Report(form, folder.filePath(QStringLiteral("filled.txt")));
    EXPECT_TRUE(report.startsWith(before));
    const QString section =
        QStringLiteral("----------- Site Record ---------------------------------\r\n"
                       "Site:       Pole 17\r\n"
                       "Notes:      Wet clay.\r\n"
                       "            Rod top at grade.\r\n"
                       "-------------------------------------------------------\r\n");
    EXPECT_EQ(report.mid(before.size()), section);

    QString saved = folder.filePath(QStringLiteral("pole17.xml"));
    form.Window().SaveDataFile(saved);
    MainWindowDriver reopened;
    QString name = saved;
    reopened.Window().LoadDataFile(name);
    EXPECT_TRUE(
        Report(reopened, folder.filePath(QStringLiteral("reopened.txt"))).endsWith(section));
}

} // namespace
