#include "MainWindowDriver.h"
#include "ModalAnswerer.h"

#include "files/DataFile.h"
#include "files/LastRun.h"
#include "files/XmlValueStore.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using stakewell::files::DataFileContent;
using stakewell::fop::FOPPoint;

QStringList StoredTexts(const stakewell::mainwindow::frmMain& window) {
    QStringList texts;
    for (const stakewell::calc::InputRow& row : stakewell::calc::InputRows) {
        texts.append(window.findChild<QLineEdit*>(QLatin1String(row.Widget))->text());
    }
    return texts;
}

// Everything a load may change.
struct Snapshot {
    explicit Snapshot(stakewell::mainwindow::frmMain& window)
        : texts(StoredTexts(window)), points(window.Work().Fop().FOPPoints()),
          current(window.Work().Fop().FOPCurrent()),
          position(window.pos()), graph{window.Plot().graph.GraphTop, window.Plot().graph.GraphLeft,
                                        window.Plot().graph.GraphWidth,
                                        window.Plot().graph.GraphHeight} {}
    bool operator==(const Snapshot&) const = default;

    QStringList texts;
    std::vector<FOPPoint> points;
    int current;
    QPoint position;
    std::array<std::int32_t, 4> graph;
};

QString WriteBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return fileName;
}

QString WriteContent(const QString& fileName, const DataFileContent& content) {
    stakewell::files::XmlValueStore store;
    store.FileName(fileName);
    stakewell::files::WriteDataFile(store, content);
    EXPECT_EQ(store.Write(), std::nullopt);
    return fileName;
}

DataFileContent ReadContent(const QString& fileName) {
    stakewell::files::XmlValueStore store;
    store.FileName(fileName);
    EXPECT_EQ(store.Read(), std::nullopt) << fileName.toStdString();
    return stakewell::files::ReadDataFile(store);
}

DataFileContent Design() {
    DataFileContent content;
    content.MainTop = 1500;
    content.MainLeft = 3000;
    content.Graph = {1500, 3000, 9000, 7500};
    content.FieldTexts = {"100", "10", "0.625", "4", "40", "0.2043", "2.5", "25", "60"};
    content.FOPPoints = {{}, {30.0, 9.5}, {10.0, 4.0}, {20.0, 7.25}};
    return content;
}

class DataFiles : public testing::Test {
protected:
    QString File(const char* name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
    MainWindowDriver form;
};

struct DialogCase {
    const char* button;
    const char* title;
    const char* filter;
    const char* suffix;
    QFileDialog::AcceptMode mode;
};

class FileDialog : public DataFiles, public testing::WithParamInterface<DialogCase> {};

TEST_P(FileDialog, IsSetUpAsTheButtonNeedsAndCancellingChangesNothing) {
    const DialogCase& c = GetParam();
    form.Type("tbxEarthRes", "100");
    const Snapshot before(form.Window());
    const QStringList labelsBefore{form.Text("lbOneElectRes"), form.Text("lbPoint")};
    QStringList seen;
    ModalAnswerer answerer([&seen](QFileDialog& dialog) {
        seen << dialog.windowTitle() << dialog.nameFilters().join(u'|') << dialog.defaultSuffix()
             << dialog.directory().absolutePath();
        EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), false);
        EXPECT_EQ(dialog.fileMode(), dialog.acceptMode() == QFileDialog::AcceptOpen
                                         ? QFileDialog::ExistingFile
                                         : QFileDialog::AnyFile);
        seen << QString::number(dialog.acceptMode());
        dialog.reject();
    });
    // Loading over the typed work asks first; discarding goes on to the dialog.
    answerer.AnswerMessagesWith(QMessageBox::Discard);
    form.Click(QLatin1String(c.button));
    EXPECT_EQ(seen, (QStringList{c.title, c.filter, c.suffix, QDir::currentPath(),
                                 QString::number(c.mode)}));
    EXPECT_TRUE(Snapshot(form.Window()) == before);
    EXPECT_EQ((QStringList{form.Text("lbOneElectRes"), form.Text("lbPoint")}), labelsBefore);
    const QStringList asked = c.mode == QFileDialog::AcceptOpen
                                  ? QStringList{QStringLiteral("Save changes to the work?")}
                                  : QStringList{};
    EXPECT_EQ(answerer.Messages(), asked);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, FileDialog,
    testing::Values(DialogCase{"cmdLoadData", "Read Data From File", "Data File (*.xml)", "xml",
                               QFileDialog::AcceptOpen},
                    DialogCase{"cmdSaveData", "Save Data To File", "Data File (*.xml)", "xml",
                               QFileDialog::AcceptSave},
                    DialogCase{"cmdSaveText", "Save Text To File", "Text File (*.txt)", "txt",
                               QFileDialog::AcceptSave}),
    [](const testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.button); });

// Saved through one window and loaded through another, by the dialogs: the
// gauge follows the loaded diameter and the results are computed once.
TEST_F(DataFiles, SavedStateComesBackThroughTheDialogs) {
    form.Type("tbxEarthRes", "100");
    form.Type("tbxElectLen", "10");
    form.Type("tbxElectDia", "0.625");
    form.Type("tbxNumElect", "4");
    form.Type("tbxWireLen", "40");
    form.Type("tbxWireDia", "0.2043");
    form.Type("tbxWireDepth", "2.5");
    PutReadings(form.Window(), {{}, {10.0, 4.0}, {20.0, 7.25}}, 1);
    const QString name = File("site.xml");
    {
        ModalAnswerer answerer(ModalAnswerer::Choose(name));
        form.Click(QStringLiteral("cmdSaveData"));
    }

    MainWindowDriver other;
    other.SelectTab(5);
    other.Type("tbxFOPP2Feet", "12");
    other.Type("tbxFOPP2Ohms", "3");
    other.Click(QStringLiteral("cmdFOPAdd"));
    ASSERT_EQ(other.Text("lbPoint"), "Point 1 of 1");
    QSignalSpy recalculations(&other.Window(), &stakewell::mainwindow::frmMain::Recalculated);
    ModalAnswerer answerer(ModalAnswerer::Choose(name));
    answerer.AnswerMessagesWith(QMessageBox::Discard);
    other.Click(QStringLiteral("cmdLoadData"));
    EXPECT_EQ(recalculations.count(), 1);
    EXPECT_EQ(StoredTexts(other.Window()), StoredTexts(form.Window()));
    EXPECT_EQ(other.Text("tbxWireAWG"), "4");
    EXPECT_EQ(other.Text("lbRectTotal"), form.Text("lbRectTotal"));
    EXPECT_NE(other.Text("lbRectTotal"), "");
    EXPECT_EQ(other.Window().Work().Fop().FOPPoints(), form.Window().Work().Fop().FOPPoints());
    EXPECT_EQ(other.Text("lbPoint"), "Point 2 of 2");

    // The loaded list starts its own history: no undo reaches behind the load.
    QTest::keyClick(other.Control(QStringLiteral("cmdFOPClear")), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(other.Text("lbPoint"), "Point 2 of 2");
}

TEST_F(DataFiles, ALoadLeavesWhatTheFileDoesNotHoldAlone) {
    form.Click(QStringLiteral("WireSize_1"));
    form.Click(QStringLiteral("WireLength_1"));
    form.Type("tbxWireBetween_0", "16");
    form.Type("tbxFOPE2", "77");
    form.Type("tbxFOPP2Feet", "7");
    form.SelectTab(4);
    const QStringList untouched{"tbxWireBetween_0", "tbxFOPE2", "tbxFOPP2Feet", "tbxFOPP2Ohms"};
    QStringList before;
    for (const QString& name : untouched) {
        before << form.Text(name);
    }
    DataFileContent noPoints = Design();
    noPoints.FOPPoints = {{}};
    QString name = WriteContent(File("site.xml"), noPoints);
    form.Window().LoadDataFile(name);

    QStringList after;
    for (const QString& name : untouched) {
        after << form.Text(name);
    }
    EXPECT_EQ(after, before);
    EXPECT_TRUE(form.Window().findChild<QRadioButton*>(QStringLiteral("WireSize_1"))->isChecked());
    EXPECT_TRUE(
        form.Window().findChild<QRadioButton*>(QStringLiteral("WireLength_1"))->isChecked());
    EXPECT_EQ(form.Window().findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->currentIndex(), 3);
    EXPECT_EQ(form.Text("lbPoint"), "Point 0 of 0");
    EXPECT_EQ(form.Text("tbxEarthRes"), "100");
}

TEST_F(DataFiles, AnOpenGraphWindowStaysWhereItIs) {
    form.SelectTab(5);
    QWidget* graph = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "frmGraph" && window->isVisible()) {
            graph = window;
        }
    }
    ASSERT_NE(graph, nullptr);
    const QRect before = graph->geometry();
    QString name = WriteContent(File("site.xml"), Design());
    form.Window().LoadDataFile(name);
    EXPECT_EQ(graph->geometry(), before);
    EXPECT_EQ(form.Window().Plot().graph.GraphWidth, 9000);
}

TEST_F(DataFiles, TheWindowMovesToTheStoredPositionOrOntoAScreen) {
    QString name = WriteContent(File("site.xml"), Design());
    form.Window().LoadDataFile(name);
    EXPECT_EQ(form.Window().pos(), QPoint(200, 100));

    DataFileContent unplugged = Design();
    unplugged.MainLeft = 15 * 100000;
    unplugged.Graph = {15 * 100000, -15 * 100000, 9000, 7500};
    name = WriteContent(File("far.xml"), unplugged);
    MainWindowDriver fresh;
    fresh.Window().LoadDataFile(name);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(fresh.Window().frameGeometry())) << fresh.Window().pos().x();
    fresh.SelectTab(5);
    int graphsShown = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "frmGraph" && window->isVisible()) {
            ++graphsShown;
            EXPECT_TRUE(screen.intersects(window->frameGeometry())) << window->pos().x();
        }
    }
    EXPECT_EQ(graphsShown, 1);
}

struct HostileCase {
    const char* name;
    std::function<QByteArray()> bytes;
    int pointsAfter; // -1: the file is refused and nothing changes
};

class HostileFile : public DataFiles, public testing::WithParamInterface<HostileCase> {};

// Either the file's state or the window's own, never half of each, and at most
// one message.
TEST_P(HostileFile, LeavesAWholeState) {
    form.Type("tbxEarthRes", "250");
    PutReadings(form.Window(), {{}, {10.0, 4.0}}, 1);
    const Snapshot before(form.Window());
    QString name = WriteBytes(File("hostile.xml"), GetParam().bytes());
    ModalAnswerer answerer;
    form.Window().LoadDataFile(name);

    const stakewell::fop::FallOfPotential& fop = form.Window().Work().Fop();
    EXPECT_LE(fop.FOPCurrent(), fop.PointCount());
    if (GetParam().pointsAfter < 0) {
        EXPECT_TRUE(Snapshot(form.Window()) == before);
        ASSERT_EQ(answerer.Messages().size(), 1);
        EXPECT_TRUE(answerer.Messages().front().contains(QDir::toNativeSeparators(name)));
    } else {
        EXPECT_TRUE(answerer.Messages().isEmpty());
        EXPECT_EQ(fop.PointCount(), GetParam().pointsAfter);
        EXPECT_EQ(fop.FOPCurrent(), GetParam().pointsAfter);
    }
}

QByteArray Saved(const DataFileContent& content) {
    QTemporaryDir folder;
    QFile file(WriteContent(folder.filePath(QStringLiteral("saved.xml")), content));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QByteArray WithCount(const char* count) {
    return QByteArray("<stakewell-data><group name=\"Data\"><group name=\"Stakewell\">"
                      "<group name=\"FOP\"><value name=\"iPts\">") +
           count + "</value></group></group></group></stakewell-data>";
}

DataFileContent Survey(int points) {
    DataFileContent content = Design();
    content.FOPPoints.assign(1, FOPPoint{});
    for (int i = 1; i <= points; ++i) {
        content.FOPPoints.push_back({0.01 * i, 2.0 + 1e-4 * i});
    }
    return content;
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFile,
    testing::Values(
        HostileCase{"Truncated", [] { return Saved(Design()).chopped(40); }, -1},
        HostileCase{"NotXml", [] { return QByteArray("PK\x03\x04 not a data file"); }, -1},
        HostileCase{"EntityBomb",
                    [] {
                        QByteArray entities = "<!ENTITY e0 \"0123456789\">";
                        for (int i = 1; i < 8; ++i) {
                            const QByteArray ref = "&e" + QByteArray::number(i - 1) + ";";
                            entities += "<!ENTITY e" + QByteArray::number(i) + " \"" +
                                        ref.repeated(10) + "\">";
                        }
                        return "<!DOCTYPE s [" + entities +
                               "]><stakewell-data><value name=\"x\">&e7;</value></stakewell-data>";
                    },
                    -1},
        HostileCase{"OverTheSizeLimit",
                    [] {
                        return Saved(Design()) +
                               QByteArray(stakewell::files::XmlValueStore::MaxFileBytes, ' ');
                    },
                    -1},
        HostileCase{"WrongTypes",
                    [] {
                        return QByteArray(
                            "<stakewell-data><group name=\"Data\"><group name=\"Stakewell\">"
                            "<group name=\"FOP\"><value name=\"iPts\">two</value></group>"
                            "<group name=\"frmMain\"><value name=\"Top\">high</value></group>"
                            "</group></group></stakewell-data>");
                    },
                    -1},
        HostileCase{"MissingItems", [] { return QByteArray("<stakewell-data/>"); }, 0},
        HostileCase{"NegativeCount", [] { return WithCount("-5"); }, -1},
        HostileCase{"CountBeyondTheList", [] { return WithCount("99999"); }, -1},
        HostileCase{"FullSurvey", [] { return Saved(Survey(32767)); }, 32767}),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

TEST_F(DataFiles, AFailedSaveSaysSoAndWritesNothing) {
    for (const char* target : {"no-such-folder/site.xml", "no-such-folder/report.txt"}) {
        QString name = File(target);
        ModalAnswerer answerer;
        if (name.endsWith(QLatin1String(".xml"))) {
            form.Window().SaveDataFile(name);
        } else {
            form.Window().SaveTextReport(name);
        }
        ASSERT_EQ(answerer.Messages().size(), 1) << target;
        EXPECT_TRUE(answerer.Messages().front().contains(QDir::toNativeSeparators(name)));
        EXPECT_FALSE(QFileInfo::exists(name));
    }
}

// The file dialog's own boxes: the question whether to replace a file is
// answered yes and the file replaced; the notice that a file to open does
// not exist is closed, and the dialog cancelled then loads nothing.
TEST_F(DataFiles, TheFileDialogsOwnQuestionAndNoticeAreAnswered) {
    const QString existing = File("site.xml");
    QString written = existing;
    form.Window().SaveDataFile(written);
    form.Type("tbxEarthRes", "250");
    {
        ModalAnswerer answerer(ModalAnswerer::Choose(existing));
        form.Click(QStringLiteral("cmdSaveData"));
    }
    stakewell::files::XmlValueStore store;
    store.FileName(existing);
    ASSERT_EQ(store.Read(), std::nullopt);
    EXPECT_EQ(stakewell::files::ReadDataFile(store).FieldTexts[0], "250");

    form.Type("tbxEarthRes", "300");
    const Snapshot before(form.Window());
    int offered = 0;
    ModalAnswerer answerer([&offered, missing = File("missing.xml")](QFileDialog& dialog) {
        if (offered++ == 0) {
            ModalAnswerer::Choose(missing)(dialog);
        } else {
            dialog.reject();
        }
    });
    answerer.AnswerMessagesWith(QMessageBox::Discard);
    form.Click(QStringLiteral("cmdLoadData"));
    EXPECT_EQ(offered, 2);
    EXPECT_TRUE(Snapshot(form.Window()) == before);
}

TEST_F(DataFiles, ALongChosenNameIsCutToTwoHundredCharactersAndTheExtension) {
    const QString chosen = folder.filePath(QString(230 - folder.path().size() - 1, u'n'));
    ModalAnswerer answerer(ModalAnswerer::Choose(chosen));
    form.Click(QStringLiteral("cmdSaveData"));
    EXPECT_TRUE(QFileInfo::exists(chosen.left(200) + QStringLiteral(".xml")));
}

QByteArray ReadBytes(const QString& fileName) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The report copies what the window shows, letters and all, and a second
// report under the same name replaces the first completely.
TEST_F(DataFiles, TheReportCopiesTheWindowAndReplacesAnOldOne) {
    form.Type("tbxElectLen", "12abc");
    form.SelectTab(5);
    form.Type("tbxFOPE2", "100");
    for (const auto& [feet, ohms] : {std::pair{"10", "5"}, std::pair{"20", "7.5"}}) {
        form.Type("tbxFOPP2Feet", feet);
        form.Type("tbxFOPP2Ohms", ohms);
        form.Click(QStringLiteral("cmdFOPAdd"));
    }
    QString name = File("report.txt");
    form.Window().SaveTextReport(name);
    const QByteArray report = ReadBytes(name);
    EXPECT_TRUE(report.contains("\r\n   Electrode Length     = 12abc feet\r\n"));
    EXPECT_TRUE(report.contains("P2 = 10 Feet  5 Ohms\r\nP2 = 20 Feet  7.5 Ohms\r\n"
                                "E2    = 100 feet\r\n"
                                "-------------------------------------------------------\r\n"
                                "----------- Fall of Potential Analysis ------------------\r\n"));
    EXPECT_TRUE(report.contains("R true by the model: none (no reading beyond 40% of E2)\r\n"
                                "-------------------------------------------------------\r\n"
                                "----------- Cautions ---"));

    form.Click(QStringLiteral("cmdFOPClear"));
    form.Window().SaveTextReport(name);
    // The results end the report, but for the cautions on what the design lacks.
    const QString lastResults = QStringLiteral("Total resistance     = %1 Ohms\r\n%2\r\n")
                                    .arg(form.Text("lbRectTotal"), QString(55, u'-'));
    const QByteArray withoutReadings = ReadBytes(name);
    EXPECT_TRUE(withoutReadings.contains(lastResults.toUtf8() + "----------- Cautions"));
    EXPECT_TRUE(withoutReadings.endsWith("Wire Depth: Enter the wire depth.\r\n" +
                                         QString(55, u'-').toUtf8() + "\r\n"));

    QString tooShort = QStringLiteral("  a.tx  ");
    form.Window().SaveTextReport(tooShort);
    EXPECT_FALSE(QFileInfo::exists(tooShort));
}

// Random texts (any characters, blanks at the ends, empty) and random point
// lists survive a save and a load through real files.
TEST_F(DataFiles, RandomStatesSurviveASaveAndALoad) {
    QRandomGenerator random(20261209);
    const QString alphabet = QStringLiteral(" \t<>&\"'/;=-.,0123456789Eeé€Ω😀\n\r");
    for (int round = 0; round < 25; ++round) {
        DataFileContent content;
        for (QString& text : content.FieldTexts) {
            const int length = random.bounded(0, 12);
            for (int i = 0; i < length; ++i) {
                text += alphabet[random.bounded(alphabet.size())];
            }
            if (text.endsWith(QChar::highSurrogate(0x1F600))) {
                text.chop(1);
            }
        }
        // Six significant digits at any scale: exactly what the file keeps.
        const auto decimal = [&random] {
            return std::stod(std::to_string(random.bounded(1, 999999)) + "e" +
                             std::to_string(random.bounded(-12, 12)));
        };
        const int count = random.bounded(0, 30);
        for (int i = 0; i < count; ++i) {
            content.FOPPoints.push_back({decimal(), decimal()});
        }
        content.MainTop = random.bounded(0, 30) * 15;
        content.MainLeft = random.bounded(0, 30) * 15;
        QString name = WriteContent(File("first.xml"), content);
        stakewell::mainwindow::frmMain source;
        source.LoadDataFile(name);
        QString copy = File("copy.xml");
        source.SaveDataFile(copy);

        stakewell::mainwindow::frmMain target;
        target.LoadDataFile(copy);
        const DataFileContent reread = ReadContent(copy);
        EXPECT_EQ(StoredTexts(target),
                  QStringList(content.FieldTexts.begin(), content.FieldTexts.end()))
            << "round " << round;
        EXPECT_EQ(target.Work().Fop().FOPPoints(), content.FOPPoints) << "round " << round;
        EXPECT_EQ(reread.MainTop, content.MainTop);
        EXPECT_EQ(reread.MainLeft, content.MainLeft);
    }
}

} // namespace
