#include "CaseName.h"
#include "mainwindow/ModalAnswerer.h"

#include "ProgramStart.h"
#include "about/frmAbout.h"
#include "about/frmHelp.h"
#include "files/DataFile.h"
#include "files/XmlValueStore.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// Answers the About box as soon as it is up, and remembers whether it was.
class AboutAnswerer {
public:
    explicit AboutAnswerer(std::function<void(stakewell::about::frmAbout&)> answer)
        : answer(std::move(answer)) {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* about =
                    qobject_cast<stakewell::about::frmAbout*>(QApplication::activeModalWidget())) {
                timer.stop();
                seen = true;
                this->answer(*about);
            }
        });
        timer.start();
    }

    bool Seen() const { return seen; }

private:
    std::function<void(stakewell::about::frmAbout&)> answer;
    QTimer timer;
    bool seen = false;
};

qsizetype VisibleWindows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::count_if(windows.begin(), windows.end(),
                         [](const QWidget* window) { return window->isVisible(); });
}

void PressKey(stakewell::about::frmAbout& about, Qt::Key key) {
    QWidget* focused = about.focusWidget() != nullptr ? about.focusWidget() : &about;
    QTest::keyClick(focused, key);
}

struct AnswerCase {
    const char* name;
    std::function<void(stakewell::about::frmAbout&)> answer;
    bool mainWindowOpens;
};

class StartWithTheAboutBox : public testing::TestWithParam<AnswerCase> {
protected:
    QTemporaryDir folder;
};

TEST_P(StartWithTheAboutBox, OkOpensTheMainWindowAndTheCloseBoxEndsTheProgram) {
    const AnswerCase& row = GetParam();
    stakewell::app::ProgramStart start(folder.filePath(QStringLiteral("LastConfig.xml")), {});
    const AboutAnswerer answerer(row.answer);
    EXPECT_EQ(start.Run(), row.mainWindowOpens);
    EXPECT_TRUE(answerer.Seen());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the About box stayed open";
    EXPECT_EQ(start.MainWindow() != nullptr, row.mainWindowOpens);
    if (start.MainWindow() != nullptr) {
        EXPECT_TRUE(start.MainWindow()->isVisible());
        start.MainWindow()->close();
    }
    EXPECT_EQ(VisibleWindows(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Start, StartWithTheAboutBox,
    testing::Values(
        AnswerCase{"ClickOnOK",
                   [](stakewell::about::frmAbout& about) {
                       QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")),
                                         Qt::LeftButton);
                   },
                   true},
        AnswerCase{"Enter",
                   [](stakewell::about::frmAbout& about) { PressKey(about, Qt::Key_Return); },
                   true},
        AnswerCase{"Escape",
                   [](stakewell::about::frmAbout& about) { PressKey(about, Qt::Key_Escape); },
                   true},
        AnswerCase{"CloseBox", [](stakewell::about::frmAbout& about) { about.close(); }, false}),
    [](const testing::TestParamInfo<AnswerCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

class StartWithAFile : public testing::Test {
protected:
    QString LastConfig() const { return folder.filePath(QStringLiteral("LastConfig.xml")); }

    static void Write(const QString& fileName, const char* earthResistivity) {
        stakewell::files::DataFileContent content;
        content.FieldTexts[0] = earthResistivity;
        stakewell::files::XmlValueStore store;
        store.FileName(fileName);
        stakewell::files::WriteDataFile(store, content);
        ASSERT_EQ(store.Write(), std::nullopt);
    }

    // The earth resistivity the main window shows once OK has opened it.
    QString StartedWith(const QString& dataFile) const {
        stakewell::app::ProgramStart start(LastConfig(), stakewell::app::StartRequest{dataFile});
        const AboutAnswerer ok([](stakewell::about::frmAbout& about) {
            QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        });
        EXPECT_TRUE(start.Run());
        QTest::qWait(50);
        QString shown =
            start.MainWindow()->findChild<QLineEdit*>(QStringLiteral("tbxEarthRes"))->text();
        start.MainWindow()->close();
        return shown;
    }

    QTemporaryDir folder;
};

TEST_F(StartWithAFile, ADataFileGivenOpensInsteadOfTheLastRun) {
    Write(LastConfig(), "100");
    const QString site = folder.filePath(QStringLiteral("site-12.xml"));
    Write(site, "250");
    const ModalAnswerer messages;
    EXPECT_EQ(StartedWith(site), "250");
    EXPECT_TRUE(messages.Messages().isEmpty());
    // What the run ended with is the next run's state.
    EXPECT_EQ(StartedWith({}), "250");
}

TEST_F(StartWithAFile, ADataFileThatCannotBeReadIsNamedAndTheLastRunComesBack) {
    Write(LastConfig(), "100");
    const QString missing = folder.filePath(QStringLiteral("no-such-site.xml"));
    const ModalAnswerer messages;
    EXPECT_EQ(StartedWith(missing), "100");
    ASSERT_EQ(messages.Messages().size(), 1);
    EXPECT_TRUE(messages.Messages().front().contains(missing));
}

// F1 shows the manual; the About box it reaches closes on OK and leaves the
// main window and the manual as they were.
TEST(MainWindow, F1ShowsTheManualWhoseAboutBoxOkOnlyCloses) {
    stakewell::mainwindow::frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(VisibleWindows(), 2) << "the main window and the manual";
    const AboutAnswerer answerer([](stakewell::about::frmAbout& about) {
        EXPECT_EQ(about.windowTitle(), "About Stakewell");
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    QWidget* manual = window.findChild<stakewell::about::frmHelp*>();
    ASSERT_NE(manual, nullptr);
    QTest::mouseClick(manual->findChild<QPushButton*>(QStringLiteral("cmdAbout")), Qt::LeftButton);
    EXPECT_TRUE(answerer.Seen());
    EXPECT_EQ(VisibleWindows(), 2);
    window.close();
}

TEST(CommandLine, VersionAndHelpAreAnsweredOnTheConsole) {
    QProcess program;
    // As from a console with no display at all.
    QProcessEnvironment console = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        console.remove(QLatin1String(name));
    }
    program.setProcessEnvironment(console);
    program.start(QStringLiteral(STAKEWELL_PROGRAM), {QStringLiteral("--version")});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput(), "Stakewell 1.1.0\n");

    program.start(QStringLiteral(STAKEWELL_PROGRAM), {QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardOutput().contains("[file]"));

    program.start(QStringLiteral(STAKEWELL_PROGRAM),
                  {QStringLiteral("a.xml"), QStringLiteral("b.xml")});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().contains("one data file at a time"));
}

// The survey's lines, the layered ones too, need no display either.
TEST(CommandLine, SoilIsAnsweredOnTheConsole) {
    QTemporaryDir folder;
    QFile csv(folder.filePath(QStringLiteral("survey.csv")));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("3,7.85\n6,3.2\n10,1.6\n16,0.84\n25,0.49\n40,0.29\n");
    csv.close();
    QProcess program;
    QProcessEnvironment console = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        console.remove(QLatin1String(name));
    }
    program.setProcessEnvironment(console);
    program.start(QStringLiteral(STAKEWELL_PROGRAM),
                  {QStringLiteral("--soil"), csv.fileName(), QStringLiteral("--layers=1")});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(program.readAllStandardOutput().contains("\nLayers chosen: 1\n"));
}

} // namespace
