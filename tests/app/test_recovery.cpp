#include "CaseName.h"
#include "mainwindow/MainWindowDriver.h"
#include "mainwindow/ModalAnswerer.h"

#include "ProgramStart.h"
#include "about/frmAbout.h"
#include "files/RecoveryFile.h"
#include "files/XmlValueStore.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>

namespace {

using stakewell::mainwindow::frmMain;

QString LastConfigIn(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("LastConfig.xml"));
}

void ClickOk(stakewell::about::frmAbout& about) {
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
}

// Says OK to the About box and answers every message the start shows with
// `answer`, keeping what each said.
class StartAnswerer {
public:
    explicit StartAnswerer(std::function<void(QMessageBox&)> answer) : answer(std::move(answer)) {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { AnswerNext(); });
        timer.start();
    }

    const QStringList& Messages() const { return messages; }
    const QStringList& Names() const { return names; }

private:
    void AnswerNext() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* about = qobject_cast<stakewell::about::frmAbout*>(modal)) {
            ClickOk(*about);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            names << box->objectName();
            answer(*box);
        }
    }

    std::function<void(QMessageBox&)> answer;
    QTimer timer;
    QStringList messages;
    QStringList names;
};

std::function<void(QMessageBox&)> Click(const char* text) {
    return [text](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == QLatin1String(text)) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << text << " on " << box.text().toStdString();
        box.done(0);
    };
}

void PressEscape(QMessageBox& box) {
    QTest::keyClick(&box, Qt::Key_Escape);
}

// The named control, its page first turned to as a user would.
QWidget* Reach(MainWindowDriver& form, const QString& name) {
    QWidget* control = form.Control(name);
    for (QWidget* page = control; page != nullptr; page = page->parentWidget()) {
        if (page->objectName().startsWith(QLatin1String("Frame_")) && !page->isVisible()) {
            form.SelectTab(page->objectName().mid(6).toInt());
        }
    }
    return control;
}

void TypeInto(MainWindowDriver& form, const char* name, const char* text) {
    Reach(form, QLatin1String(name));
    form.Type(QLatin1String(name), QLatin1String(text));
}

void FillSiteRecord(QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("tbxSiteName"))->setText(QStringLiteral("Pole 17"));
    dialog.findChild<QPlainTextEdit*>(QStringLiteral("tbxNotes"))
        ->setPlainText(QStringLiteral("Wet clay."));
    dialog.findChild<QDialogButtonBox*>(QStringLiteral("cmdButtons"))
        ->button(QDialogButtonBox::Ok)
        ->click();
}

const char* const KilledProgramFolder = "STAKEWELL_TEST_KILLED_PROGRAM_FOLDER";
const char* const ChangesMade = "-- every change made --";

// The program as the user starts it, from the last run's state in `folder`:
// its work saved to a data file, then changed through the window's own
// controls, and never closed.
void WorkUntilKilled(const QString& folder) {
    ModalAnswerer answerer;
    answerer.AnswerOtherDialogs([](QDialog& dialog) {
        if (auto* about = qobject_cast<stakewell::about::frmAbout*>(&dialog)) {
            ClickOk(*about);
        } else {
            FillSiteRecord(dialog);
        }
    });
    stakewell::app::ProgramStart start(LastConfigIn(folder), {});
    ASSERT_TRUE(start.Run());
    MainWindowDriver form(*start.MainWindow());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form.Window()));
    TypeInto(form, "tbxEarthRes", "250");
    QString site = QDir(folder).filePath(QStringLiteral("site.xml"));
    form.Window().SaveDataFile(site);

    TypeInto(form, "tbxElectLen", "12.5");
    Reach(form, QStringLiteral("WireSize_1"));
    form.Click(QStringLiteral("WireSize_1"));
    TypeInto(form, "tbxFOPE2", "100");
    for (const auto& [feet, ohms] : {std::pair{"20", "10.5"}, std::pair{"40", "12.25"}}) {
        TypeInto(form, "tbxFOPP2Feet", feet);
        TypeInto(form, "tbxFOPP2Ohms", ohms);
        form.Click(QStringLiteral("cmdFOPAdd"));
    }
    form.Window().EditSiteRecord();
    std::puts(ChangesMade);
    std::fflush(stdout);
    // Left behind by a test that went wrong, it still ends.
    QTest::qWait(60000);
    ADD_FAILURE() << "was never killed";
}

// What the text report says of the site, the one place the window shows it.
QString ReportOf(frmMain& window, const QString& folder) {
    QString name = QDir(folder).filePath(QStringLiteral("report.txt"));
    window.SaveTextReport(name);
    QFile report(name);
    EXPECT_TRUE(report.open(QIODevice::ReadOnly));
    return QString::fromUtf8(report.readAll());
}

// The program is killed at least two seconds (and up to three) after its
// last change and started again: every change comes back, unsaved, with the
// data file it belonged to. The killed program is this test binary again,
// in the role the environment names.
TEST(KilledProgram, EveryChangeComesBackMarkedUnsaved) {
    if (qEnvironmentVariableIsSet(KilledProgramFolder)) {
        WorkUntilKilled(qEnvironmentVariable(KilledProgramFolder));
        return;
    }
    QTemporaryDir folder;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(KilledProgramFolder), folder.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    const QDateTime started = QDateTime::currentDateTime();
    program.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_filter=KilledProgram.EveryChangeComesBackMarkedUnsaved")});
    QByteArray output;
    const QDeadlineTimer patience(std::chrono::seconds(30));
    while (!output.contains(ChangesMade)) {
        ASSERT_FALSE(patience.hasExpired()) << output.toStdString();
        ASSERT_NE(program.state(), QProcess::NotRunning)
            << output.toStdString() << program.readAllStandardError().toStdString();
        program.waitForReadyRead(100);
        output += program.readAllStandardOutput();
    }
    const int wait = 2000 + QRandomGenerator::global()->bounded(1000);
    SCOPED_TRACE("killed " + std::to_string(wait) + " ms after the last change");
    QThread::msleep(static_cast<unsigned long>(wait));
    program.kill();
    ASSERT_TRUE(program.waitForFinished(5000));
    ASSERT_EQ(program.exitStatus(), QProcess::CrashExit) << output.toStdString();

    const QString recoveryFile = stakewell::files::RecoveryFileName(LastConfigIn(folder.path()));
    const stakewell::files::RecoveryFileRead kept =
        stakewell::files::ReadRecoveryFile(recoveryFile);
    ASSERT_TRUE(kept.Work) << kept.Problem.toStdString();
    EXPECT_GE(kept.Work->ChangedAt, started);
    EXPECT_LE(kept.Work->ChangedAt, QDateTime::currentDateTime());

    const StartAnswerer answerer(Click("Restore"));
    stakewell::app::ProgramStart start(LastConfigIn(folder.path()), {});
    ASSERT_TRUE(start.Run());
    const QString site = folder.filePath(QStringLiteral("site.xml"));
    ASSERT_EQ(answerer.Messages().size(), 1);
    EXPECT_EQ(answerer.Names(), QStringList{QStringLiteral("msgRecovery")});
    const QString& question = answerer.Messages().front();
    EXPECT_TRUE(question.contains(QDir::toNativeSeparators(site))) << question.toStdString();
    EXPECT_TRUE(question.contains(
        kept.Work->ChangedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))))
        << question.toStdString();

    MainWindowDriver form(*start.MainWindow());
    EXPECT_EQ(form.Window().windowTitle(), "*site.xml - Stakewell");
    EXPECT_EQ(form.Text("tbxEarthRes"), "250");
    EXPECT_EQ(form.Text("tbxElectLen"), "12.5");
    EXPECT_TRUE(qobject_cast<QRadioButton*>(form.Control("WireSize_1"))->isChecked());
    EXPECT_EQ(form.Text("tbxFOPE2"), "100");
    EXPECT_EQ(form.Text("lbPoint"), "Point 2 of 2");
    const std::vector<stakewell::fop::FOPPoint> readings{{}, {20.0, 10.5}, {40.0, 12.25}};
    EXPECT_EQ(form.Window().Work().Fop().FOPPoints(), readings);
    const QString report = ReportOf(form.Window(), folder.path());
    EXPECT_TRUE(report.contains("Pole 17")) << report.toStdString();
    EXPECT_TRUE(report.contains("Wet clay.")) << report.toStdString();

    // A normal close keeps the work in the last run's state instead.
    form.Window().close();
    EXPECT_FALSE(QFileInfo::exists(recoveryFile));
}

struct AnswerCase {
    const char* name;
    std::function<void(QMessageBox&)> answer;
    const char* earthResistivity;
    const char* title;
};

// Only Discard deletes the work; Escape brings it back, as Restore does.
class RecoveryOffer : public testing::TestWithParam<AnswerCase> {
protected:
    QString LastConfig() const { return LastConfigIn(folder.path()); }

    QTemporaryDir folder;
};

TEST_P(RecoveryOffer, TheAnswerDecidesWhatTheWindowStartsWith) {
    const AnswerCase& row = GetParam();
    stakewell::files::DataFileContent lastRun;
    lastRun.FieldTexts[0] = QStringLiteral("100");
    stakewell::files::XmlValueStore store;
    store.FileName(LastConfig());
    stakewell::files::WriteDataFile(store, lastRun);
    ASSERT_EQ(store.Write(), std::nullopt);
    stakewell::files::RecoveredWork work{lastRun, QString(), QDateTime::currentDateTime()};
    work.Content.FieldTexts[0] = QStringLiteral("250");
    const QString recoveryFile = stakewell::files::RecoveryFileName(LastConfig());
    ASSERT_EQ(stakewell::files::WriteRecoveryFile(recoveryFile, work), std::nullopt);

    const StartAnswerer answerer(row.answer);
    stakewell::app::ProgramStart start(LastConfig(), {});
    ASSERT_TRUE(start.Run());
    ASSERT_EQ(answerer.Messages().size(), 1);
    EXPECT_TRUE(answerer.Messages().front().contains(
        "Data file: none, the work was never saved to a file."));
    MainWindowDriver form(*start.MainWindow());
    EXPECT_EQ(form.Text("tbxEarthRes"), row.earthResistivity);
    EXPECT_EQ(form.Window().windowTitle(), row.title);
    const bool restored = form.Text("tbxEarthRes") == "250";
    EXPECT_EQ(QFileInfo::exists(recoveryFile), restored);
    form.Window().close();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RecoveryOffer,
    testing::Values(AnswerCase{"Restore", Click("Restore"), "250", "*Stakewell"},
                    AnswerCase{"Escape", PressEscape, "250", "*Stakewell"},
                    AnswerCase{"Discard", Click("Discard"), "100", "Stakewell"}),
    [](const testing::TestParamInfo<AnswerCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// Kept under another name, never deleted, and told of once, naming both
// files; the program starts from the last run as usual.
TEST(UnreadableRecoveryFile, IsKeptAsideAndToldOfOnce) {
    QTemporaryDir folder;
    const QString recoveryFile = stakewell::files::RecoveryFileName(LastConfigIn(folder.path()));
    const QByteArray damaged = "<?xml version=\"1.0\"?>\n<stakewell-data>\n <group name=\"Da";
    {
        QFile file(recoveryFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    const QString keptAs = folder.filePath(QStringLiteral("LastConfig.recovery.unreadable.xml"));
    for (int run = 0; run < 2; ++run) {
        const StartAnswerer answerer([](QMessageBox& box) { box.done(QMessageBox::Ok); });
        stakewell::app::ProgramStart start(LastConfigIn(folder.path()), {});
        ASSERT_TRUE(start.Run());
        QTest::qWait(50);
        if (run == 0) {
            ASSERT_EQ(answerer.Messages().size(), 1);
            const QString& notice = answerer.Messages().front();
            EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(recoveryFile)))
                << notice.toStdString();
            EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(keptAs))) << notice.toStdString();
        } else {
            EXPECT_EQ(answerer.Messages(), QStringList());
        }
        EXPECT_EQ(start.MainWindow()->windowTitle(), "Stakewell");
        start.MainWindow()->close();
    }
    EXPECT_FALSE(QFileInfo::exists(recoveryFile));
    QFile kept(keptAs);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
}

} // namespace
