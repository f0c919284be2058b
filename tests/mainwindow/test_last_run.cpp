#include "ModalAnswerer.h"

#include "ProgramIdentity.h"

#include "files/DataFile.h"
#include "files/LastRun.h"
#include "files/XmlValueStore.h"
#include "mainwindow/frmMain.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using stakewell::files::DataFileContent;

class LastRun : public testing::Test {
protected:
    QString LastConfig() const { return folder.filePath(QStringLiteral("LastConfig.xml")); }

    // Every value of a data file, path by path.
    static QStringList Values(const QString& fileName) {
        stakewell::files::XmlValueStore store;
        store.FileName(fileName);
        EXPECT_EQ(store.Read(), std::nullopt);
        QStringList values;
        const DataFileContent content = stakewell::files::ReadDataFile(store);
        values << QString::number(content.MainTop) << QString::number(content.MainLeft)
               << QString::number(content.Graph.GraphTop)
               << QString::number(content.Graph.GraphWidth)
               << QString::number(content.PointCount());
        for (const QString& text : content.FieldTexts) {
            values << text;
        }
        for (const auto& point : content.FOPPoints) {
            values << QString::number(point.Distance, 'g', 17) << QString::number(point.Ohms, 'g', 17);
        }
        return values;
    }

    QTemporaryDir folder;
};

TEST_F(LastRun, AFirstRunClosedWithoutEditsKeepsTheInitialTexts) {
    QStringList initial;
    {
        stakewell::mainwindow::frmMain window(LastConfig());
        for (const stakewell::calc::InputRow& row : stakewell::calc::InputRows) {
            initial << window.findChild<QLineEdit*>(QLatin1String(row.Widget))->text();
        }
        window.close();
    }
    stakewell::files::XmlValueStore store;
    store.FileName(LastConfig());
    ASSERT_EQ(store.Read(), std::nullopt);
    const DataFileContent saved = stakewell::files::ReadDataFile(store);
    EXPECT_EQ(QStringList(saved.FieldTexts.begin(), saved.FieldTexts.end()), initial);
    EXPECT_EQ(store.GetValue(QStringLiteral("Data/Stakewell/FOP/iPts")), "0");
    EXPECT_EQ(store.GetValue(QStringLiteral("Data/Stakewell/FOP/Feet-0")), "0");
    EXPECT_EQ(store.GetValue(QStringLiteral("Data/Stakewell/frmGraph/Width")), "0");
}

// Started from another working directory, the program still finds the file
// beside it, and a start followed at once by a close writes back what it read.
TEST_F(LastRun, AStartThenACloseWritesBackWhatItRead) {
    DataFileContent content;
    content.MainTop = 300;
    content.MainLeft = 450;
    content.Graph = {1500, 3000, 9000, 7500};
    content.FieldTexts = {"100", "10", "5/8", "4", "", "0.2043", " 2 ", "25", "Ω"};
    content.FOPPoints = {{}, {30.0, 9.5}, {10.0, 4.0}};
    {
        stakewell::files::XmlValueStore store;
        store.FileName(LastConfig());
        stakewell::files::WriteDataFile(store, content);
        ASSERT_EQ(store.Write(), std::nullopt);
    }
    const QStringList before = Values(LastConfig());

    QTemporaryDir elsewhere;
    const QString home = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    EXPECT_EQ(stakewell::files::LastConfigFileName(folder.path(), elsewhere.path()), LastConfig());
    {
        stakewell::mainwindow::frmMain window(LastConfig());
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.close();
    }
    QDir::setCurrent(home);
    EXPECT_EQ(Values(LastConfig()), before);
    EXPECT_FALSE(QFileInfo::exists(elsewhere.filePath(QStringLiteral("LastConfig.xml"))));
}

TEST_F(LastRun, AnUnwritableProgramFolderKeepsTheFileInTheUserConfiguration) {
    const QString config = folder.filePath(QStringLiteral("config/Stakewell"));
    EXPECT_EQ(
        stakewell::files::LastConfigFileName(QStringLiteral("/no/such/program/folder"), config),
        config + QStringLiteral("/LastConfig.xml"));
    EXPECT_TRUE(QDir(config).exists());
}

// Installed, the program keeps its state in the user's folder even when it
// could write its own (run by root): never among the system's files.
TEST_F(LastRun, AnInstalledProgramKeepsTheFileInTheUserConfiguration) {
    const QString bin = folder.filePath(QStringLiteral("usr/bin"));
    const QString marker = QDir(bin).filePath(stakewell::InstalledMarker);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(marker).path()));
    const QString config = folder.filePath(QStringLiteral("home/.config/Stakewell"));
    EXPECT_EQ(stakewell::files::LastConfigFileName(bin, config),
              QDir(bin).filePath(QStringLiteral("LastConfig.xml")))
        << "no metainfo file yet: a program run from where it was built";
    QFile(marker).open(QIODevice::WriteOnly);
    EXPECT_EQ(stakewell::files::LastConfigFileName(bin, config),
              config + QStringLiteral("/LastConfig.xml"));
}

// The unreadable file is kept for the user, who is told once; the program
// starts afresh and its close writes a new file beside the kept one.
void ExpectSetAsideAndReportedOnce(const QTemporaryDir& folder, const QString& lastConfig,
                                   const QByteArray& damaged, const char* reason) {
    {
        QFile file(lastConfig);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    ModalAnswerer answerer;
    {
        stakewell::mainwindow::frmMain window(lastConfig);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(answerer.Messages().size(), 1);
        EXPECT_TRUE(answerer.Messages().front().contains(lastConfig));
        EXPECT_TRUE(answerer.Messages().front().contains(QLatin1String(reason)))
            << answerer.Messages().front().toStdString();
        EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("tbxEarthRes"))->text(), "");
        window.close();
    }
    QFile kept(folder.filePath(QStringLiteral("LastConfig.unreadable.xml")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
    stakewell::files::XmlValueStore fresh;
    fresh.FileName(lastConfig);
    EXPECT_EQ(fresh.Read(), std::nullopt);
    EXPECT_EQ(answerer.Messages().size(), 1);
}

TEST_F(LastRun, AnUnreadableFileIsSetAsideAndReportedOnce) {
    ExpectSetAsideAndReportedOnce(
        folder, LastConfig(), R"(<stakewell-data><group name="Data"><value name="x">1)", "line 1");
}

// Half of a damaged last run is no state to work from.
TEST_F(LastRun, ADamagedReadingSetsTheFileAsideLikeAnUnreadableOne) {
    ExpectSetAsideAndReportedOnce(
        folder, LastConfig(),
        R"(<stakewell-data><group name="Data"><group name="Stakewell">)"
        R"(<value name="Earth_Restivity">100</value><group name="FOP">)"
        R"(<value name="iPts">1</value><value name="Ohms-1">abc</value>)"
        R"(<value name="Feet-1">10</value></group></group></group></stakewell-data>)",
        R"(reading 1, resistance "abc" is not a number)");
}

} // namespace
