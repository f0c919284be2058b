#include "CaseName.h"
#include "mainwindow/ModalAnswerer.h"

#include "about/SysInfo.h"
#include "about/frmAbout.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(frmAbout, FillsItsTextsWhenCreated) {
    const stakewell::about::frmAbout about;
    const auto text = [&about](const char* name) {
        return about.findChild<QLabel*>(QLatin1String(name))->text();
    };
    EXPECT_EQ(about.windowTitle(), "About Stakewell");
    EXPECT_EQ(text("lblTitle"), "Stakewell");
    EXPECT_EQ(text("lblVersion"), "Version 1.1.0");
    const QStringList description = text("lblDescription").split(QStringLiteral("\r\n"));
    ASSERT_EQ(description.size(), 4);
    EXPECT_TRUE(description[0].endsWith(u'.')) << description[0].toStdString();
    EXPECT_EQ(description[1], "");
    EXPECT_TRUE(description[2].startsWith(QStringLiteral("Copyright \u00A9 ")));
    EXPECT_EQ(text("lblDisclaimer"), "https://stakewell.example.org/\r\n");
    EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text(),
              "&System Info...");
    EXPECT_TRUE(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->isDefault());
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull());
    EXPECT_EQ(about.geometry(), QRect(156, 129, 382, 237));
}

// PATH pointed at a folder of the test's own for as long as it lives.
class PathFolder {
public:
    PathFolder() : saved(qgetenv("PATH")) { qputenv("PATH", folder.path().toLocal8Bit()); }
    ~PathFolder() { qputenv("PATH", saved); }
    PathFolder(const PathFolder&) = delete;
    PathFolder& operator=(const PathFolder&) = delete;
    PathFolder(PathFolder&&) = delete;
    PathFolder& operator=(PathFolder&&) = delete;

    // A program that leaves a mark beside itself when it runs.
    void Add(const QString& name, const QByteArray& interpreter, bool executable) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!" + interpreter + "\necho > \"$0.ran\"\n");
        file.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable) {
            permissions |= QFile::ExeOwner;
        }
        file.setPermissions(permissions);
    }

    bool Ran(const QString& name) const {
        return QFile::exists(folder.filePath(name + QStringLiteral(".ran")));
    }

private:
    QTemporaryDir folder;
    QByteArray saved;
};

enum class Fake { Runs, NotExecutable, CannotStart };

struct ViewerCase {
    const char* name;
    std::vector<std::pair<int, Fake>> fakes; // by place in the list of viewers
    int started;                             // place of the viewer started, -1 for none
};

class ViewerOnPath : public testing::TestWithParam<ViewerCase> {};

TEST_P(ViewerOnPath, StartsTheFirstOfTheListThatIsThere) {
    const ViewerCase& row = GetParam();
    const QStringList& viewers = stakewell::about::PathViewers;
    PathFolder path;
    for (const auto& [place, fake] : row.fakes) {
        path.Add(viewers.at(place), fake == Fake::CannotStart ? "/no/such/shell" : "/bin/sh",
                 fake != Fake::NotExecutable);
    }
    EXPECT_EQ(stakewell::about::StartViewerOnPath(viewers), row.started >= 0);
    if (row.started >= 0) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return path.Ran(viewers.at(row.started)); }));
    }
    for (const auto& [place, fake] : row.fakes) {
        if (place != row.started) {
            EXPECT_FALSE(path.Ran(viewers.at(place))) << viewers.at(place).toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Linux, ViewerOnPath,
    testing::Values(
        ViewerCase{"NoneThere", {}, -1},
        ViewerCase{"FirstOfTwo", {{1, Fake::Runs}, {3, Fake::Runs}}, 1},
        ViewerCase{"LastOfTheList", {{3, Fake::Runs}}, 3},
        ViewerCase{"NotExecutableIsPassedOver", {{0, Fake::NotExecutable}, {2, Fake::Runs}}, 2},
        ViewerCase{"FoundButCannotStart", {{0, Fake::CannotStart}}, -1}),
    [](const testing::TestParamInfo<ViewerCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// Nothing to start: the user is told so in the program's own words, and the
// box stays open.
TEST(frmAbout, SaysSoWhenNoViewerCanBeStarted) {
    const PathFolder empty;
    stakewell::about::frmAbout about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const ModalAnswerer answerer;
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    EXPECT_EQ(answerer.Messages(), QStringList{"System Information Is Unavailable At This Time"});
    EXPECT_EQ(answerer.MessageTitles(), QStringList{"Stakewell"});
    ASSERT_EQ(answerer.MessageDetails().size(), 1);
    for (const char* viewer : {"kinfocenter", "hardinfo2", "hardinfo", "cpu-x"}) {
        EXPECT_TRUE(answerer.MessageDetails().front().contains(QLatin1String(viewer))) << viewer;
    }
    EXPECT_TRUE(about.isVisible());
}

} // namespace
