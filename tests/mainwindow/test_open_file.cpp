#include "CaseName.h"
#include "MainWindowDriver.h"
#include "ModalAnswerer.h"
#include "files/DamagedDataFile.h"

#include "files/DataFile.h"
#include "files/XmlValueStore.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

namespace {

using stakewell::mainwindow::frmMain;

QString WriteDesign(const QString& fileName, const char* resistivity = "100") {
    stakewell::files::DataFileContent content;
    content.FieldTexts = {resistivity, "10", "0.625", "4", "40", "0.2043", "2.5", "25", "60"};
    content.FOPPoints = {{}, {10.0, 4.0}, {20.0, 7.25}};
    stakewell::files::XmlValueStore store;
    store.FileName(fileName);
    stakewell::files::WriteDataFile(store, content);
    EXPECT_EQ(store.Write(), std::nullopt);
    return fileName;
}

// A survey cell left empty comes back as NaN, which equals nothing, itself
// included.
QString WriteSurveyWithCellNotRead(const QString& fileName) {
    stakewell::files::DataFileContent content;
    content.FieldTexts = {"100", "10", "0.625", "4", "40", "0.2043", "2.5", "25", "60"};
    content.FOPPoints = {{}};
    content.Soil.readings = {
        {5.0, 3.18, {}, 0.0}, {10.0, 1.59, {}, 0.0}, {20.0, std::nan(""), {}, 0.0}};
    stakewell::files::XmlValueStore store;
    store.FileName(fileName);
    stakewell::files::WriteDataFile(store, content);
    EXPECT_EQ(store.Write(), std::nullopt);
    return fileName;
}

void Activate(QWidget& window) {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

// The recent files menu as Ctrl+R pops it up: its entries, and the menu
// itself left open for the caller to choose from, or closed when not wanted.
QMenu* PopUpRecentFiles(frmMain& window) {
    Activate(window);
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    EXPECT_NE(menu, nullptr) << "Ctrl+R shows no menu";
    return menu;
}

QStringList RecentEntries(frmMain& window) {
    QStringList entries;
    if (QMenu* menu = PopUpRecentFiles(window)) {
        for (const QAction* action : menu->actions()) {
            entries << action->text();
        }
        menu->close();
    }
    return entries;
}

QString Entry(int number, const QString& fileName) {
    return QStringLiteral("&%1 %2").arg(number).arg(QDir::toNativeSeparators(fileName));
}

// The steps of a title case work the fixture from outside it.
class OpenFile : public testing::Test {
public:
    QString File(const QString& name) const { return folder.filePath(name); }
    void Load(const QString& fileName) {
        QString name = fileName;
        form.Window().LoadDataFile(name);
    }
    void Save(const QString& fileName) {
        QString name = fileName;
        form.Window().SaveDataFile(name);
    }

    QTemporaryDir folder;
    MainWindowDriver form;
};

struct TitleCase {
    const char* name;
    std::function<void(OpenFile&, MainWindowDriver&)> steps;
    const char* title;
};

class WindowTitle : public OpenFile, public testing::WithParamInterface<TitleCase> {};

TEST_P(WindowTitle, NamesTheOpenFileAndMarksUnsavedWork) {
    GetParam().steps(*this, form);
    EXPECT_EQ(form.Window().windowTitle(), GetParam().title);
}

// Each case ends on the title it names; "site.xml" holds 100 Meter-Ohms.
const auto Loaded = [](OpenFile& test, MainWindowDriver&) {
    QString name = WriteDesign(test.File(QStringLiteral("site.xml")));
    test.form.Window().LoadDataFile(name);
};

const auto LoadedWithCellNotRead = [](OpenFile& test, MainWindowDriver&) {
    test.Load(WriteSurveyWithCellNotRead(test.File(QStringLiteral("site.xml"))));
};

INSTANTIATE_TEST_SUITE_P(
    Titles, WindowTitle,
    testing::Values(TitleCase{"no file", [](OpenFile&, MainWindowDriver&) {}, "Stakewell"},
                    TitleCase{
                        "typed without a file",
                        [](OpenFile&, MainWindowDriver& form) { form.Type("tbxEarthRes", "7"); },
                        "*Stakewell"},
                    TitleCase{"loaded", Loaded, "site.xml - Stakewell"},
                    TitleCase{"loaded with a survey cell not read", LoadedWithCellNotRead,
                              "site.xml - Stakewell"},
                    TitleCase{"typed after the load",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.Type("tbxEarthRes", "120");
                              },
                              "*site.xml - Stakewell"},
                    TitleCase{"typed back as loaded",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.Type("tbxEarthRes", "120");
                                  form.Type("tbxEarthRes", "100");
                              },
                              "site.xml - Stakewell"},
                    TitleCase{"a reading added",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.SelectTab(5);
                                  form.Type("tbxFOPP2Feet", "30");
                                  form.Type("tbxFOPP2Ohms", "9");
                                  form.Click(QStringLiteral("cmdFOPAdd"));
                              },
                              "*site.xml - Stakewell"},
                    TitleCase{"a reading typed, not added",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.SelectTab(5);
                                  form.Type("tbxFOPP2Feet", "30");
                              },
                              "site.xml - Stakewell"},
                    TitleCase{"E2 changed",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.SelectTab(5);
                                  form.Type("tbxFOPE2", "60");
                              },
                              "*site.xml - Stakewell"},
                    TitleCase{"another choice",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.SelectTab(2);
                                  form.Click(QStringLiteral("WireLength_1"));
                              },
                              "*site.xml - Stakewell"},
                    TitleCase{"soil survey changed",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.SelectTab(6);
                                  form.Click(QStringLiteral("cmdSoilSurvey"));
                                  auto* array = form.Window().findChild<QRadioButton*>(
                                      QStringLiteral("optSchlumberger"));
                                  ASSERT_NE(array, nullptr);
                                  array->click();
                              },
                              "*site.xml - Stakewell"},
                    TitleCase{"window moved",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.Window().move(form.Window().pos() + QPoint(40, 30));
                              },
                              "site.xml - Stakewell"},
                    TitleCase{"saved under another name",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.Type("tbxEarthRes", "120");
                                  test.Save(test.File(QStringLiteral("copy.xml")));
                              },
                              "copy.xml - Stakewell"},
                    TitleCase{"loaded afresh over changes",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.Type("tbxEarthRes", "120");
                                  Loaded(test, form);
                              },
                              "site.xml - Stakewell"},
                    TitleCase{"a file that cannot be read",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.Type("tbxEarthRes", "120");
                                  QFile bad(test.File(QStringLiteral("bad.xml")));
                                  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
                                  bad.write("not xml");
                                  bad.close();
                                  const ModalAnswerer answerer;
                                  test.Load(bad.fileName());
                              },
                              "*site.xml - Stakewell"},
                    TitleCase{"a save that fails",
                              [](OpenFile& test, MainWindowDriver& form) {
                                  Loaded(test, form);
                                  form.Type("tbxEarthRes", "120");
                                  const ModalAnswerer answerer;
                                  test.Save(test.File(QStringLiteral("no-folder/copy.xml")));
                              },
                              "*site.xml - Stakewell"}),
    [](const testing::TestParamInfo<TitleCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST_F(OpenFile, RecentFilesListTheLastFirstAndEachOnce) {
    const QString a = WriteDesign(File(QStringLiteral("a.xml")));
    const QString b = WriteDesign(File(QStringLiteral("b.xml")));
    EXPECT_EQ(RecentEntries(form.Window()), QStringList{"No Recent Files"});
    Load(a);
    Save(b);
    Load(a);
    EXPECT_EQ(RecentEntries(form.Window()), (QStringList{Entry(1, a), Entry(2, b)}));
}

TEST_F(OpenFile, RecentFilesKeepTheLastEight) {
    QStringList expected;
    for (int i = 1; i <= 10; ++i) {
        const QString name = WriteDesign(File(QStringLiteral("site-%1.xml").arg(i)));
        Load(name);
        if (i > 2) {
            expected.prepend(name);
        }
    }
    QStringList entries;
    for (int i = 0; i < expected.size(); ++i) {
        entries << Entry(i + 1, expected[i]);
    }
    EXPECT_EQ(RecentEntries(form.Window()), entries);
}

TEST_F(OpenFile, ARecentFileOpensByItsNumber) {
    const QString a = WriteDesign(File(QStringLiteral("a.xml")), "55");
    const QString b = WriteDesign(File(QStringLiteral("b.xml")), "77");
    Load(a);
    Load(b);
    QMenu* menu = PopUpRecentFiles(form.Window());
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_2);
    EXPECT_EQ(form.Text("tbxEarthRes"), "55");
    EXPECT_EQ(form.Window().windowTitle(), "a.xml - Stakewell");
    EXPECT_EQ(RecentEntries(form.Window()), (QStringList{Entry(1, a), Entry(2, b)}));
}

TEST_F(OpenFile, ARecentFileGoneIsNamedAndDropped) {
    const QString a = WriteDesign(File(QStringLiteral("a.xml")));
    const QString gone = WriteDesign(File(QStringLiteral("gone.xml")), "77");
    Load(gone);
    Load(a);
    form.Type("tbxEarthRes", "5");
    ASSERT_TRUE(QFile::remove(gone));
    QMenu* menu = PopUpRecentFiles(form.Window());
    ASSERT_NE(menu, nullptr);
    const ModalAnswerer answerer;
    QTest::keyClick(menu, Qt::Key_2);
    ASSERT_EQ(answerer.Messages().size(), 1);
    EXPECT_TRUE(answerer.Messages().front().contains(QDir::toNativeSeparators(gone)));
    EXPECT_TRUE(answerer.Messages().front().contains("no longer exists"));
    EXPECT_EQ(form.Text("tbxEarthRes"), "5");
    EXPECT_EQ(form.Window().windowTitle(), "*a.xml - Stakewell");
    EXPECT_EQ(RecentEntries(form.Window()), QStringList{Entry(1, a)});
}

TEST_F(OpenFile, TheRecentFilesButtonShowsTheSameMenu) {
    const QString a = WriteDesign(File(QStringLiteral("a.xml")));
    Load(a);
    form.Click(QStringLiteral("cmdRecentFiles"));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->text(), Entry(1, a));
    menu->close();
}

// The list lives beside the last run's state; that state itself is no file
// of the user's and is never listed.
TEST_F(OpenFile, RecentFilesOutliveTheWindowAndLeaveTheLastRunOut) {
    const QString config = File(QStringLiteral("LastConfig.xml"));
    const QString a = WriteDesign(File(QStringLiteral("a.xml")));
    const QString b = WriteDesign(File(QStringLiteral("b.xml")));
    {
        frmMain first(config);
        QString name = a;
        first.LoadDataFile(name);
        name = b;
        first.LoadDataFile(name);
        first.close();
    }
    ASSERT_TRUE(QFile::exists(config));
    frmMain second(config);
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    EXPECT_EQ(second.windowTitle(), "Stakewell");
    EXPECT_EQ(RecentEntries(second), (QStringList{Entry(1, b), Entry(2, a)}));
}

TEST_F(OpenFile, AFileNamedAtTheStartIsOpenAndListed) {
    const QString config = File(QStringLiteral("LastConfig.xml"));
    const QString site = WriteDesign(File(QStringLiteral("site.xml")), "42");
    frmMain window(config, site);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "site.xml - Stakewell");
    EXPECT_EQ(RecentEntries(window), QStringList{Entry(1, site)});
}

struct FileKeyCase {
    const char* name;
    Qt::Key key;
    const char* title;
};

class FileKeys : public OpenFile, public testing::WithParamInterface<FileKeyCase> {};

// The keys open the buttons' own dialogs: a name typed there is used as the
// button uses it.
TEST_P(FileKeys, OpenTheButtonsDialogs) {
    const QString site = File(QStringLiteral("site.xml"));
    if (GetParam().key == Qt::Key_O) {
        WriteDesign(site, "64");
    } else {
        form.Type("tbxEarthRes", "64");
    }
    QStringList titles;
    const ModalAnswerer answerer([&titles, site](QFileDialog& dialog) {
        titles << dialog.windowTitle();
        ModalAnswerer::Choose(site)(dialog);
    });
    Activate(form.Window());
    QTest::keyClick(form.Field(QStringLiteral("tbxElectLen")), GetParam().key, Qt::ControlModifier);
    EXPECT_EQ(titles, QStringList{GetParam().title});
    EXPECT_EQ(form.Window().windowTitle(), "site.xml - Stakewell");
    EXPECT_EQ(form.Text("tbxEarthRes"), "64");
    EXPECT_TRUE(QFile::exists(site));
}

INSTANTIATE_TEST_SUITE_P(Keys, FileKeys,
                         testing::Values(FileKeyCase{"CtrlO", Qt::Key_O, "Read Data From File"},
                                         FileKeyCase{"CtrlS", Qt::Key_S, "Save Data To File"}),
                         [](const testing::TestParamInfo<FileKeyCase>& info) {
                             return std::string(info.param.name);
                         });

// Drops a list of files on the window as the desktop does, and lets the
// window open what it was given.
bool Drop(QWidget& window, const QList<QUrl>& urls) {
    QMimeData mime;
    mime.setUrls(urls);
    const QPoint where = window.rect().center();
    QDragEnterEvent enter(where, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(where), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QTest::qWait(50);
    return drop.isAccepted();
}

TEST_F(OpenFile, ADroppedFileOpens) {
    const QString site = WriteDesign(File(QStringLiteral("site.xml")), "31");
    EXPECT_TRUE(Drop(form.Window(), {QUrl::fromLocalFile(site)}));
    EXPECT_EQ(form.Text("tbxEarthRes"), "31");
    EXPECT_EQ(form.Window().windowTitle(), "site.xml - Stakewell");
    EXPECT_EQ(RecentEntries(form.Window()), QStringList{Entry(1, site)});
}

TEST_F(OpenFile, SeveralDroppedFilesAreRefused) {
    const QString a = WriteDesign(File(QStringLiteral("a.xml")), "31");
    const QString b = WriteDesign(File(QStringLiteral("b.xml")), "32");
    const ModalAnswerer answerer;
    EXPECT_TRUE(Drop(form.Window(), {QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)}));
    ASSERT_EQ(answerer.Messages().size(), 1);
    EXPECT_TRUE(answerer.Messages().front().contains("one data file at a time"));
    EXPECT_EQ(form.Text("tbxEarthRes"), "");
    EXPECT_EQ(form.Window().windowTitle(), "Stakewell");
}

TEST_F(OpenFile, ADroppedFileThatIsNoDataFileIsReportedByName) {
    QFile text(File(QStringLiteral("notes.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("field notes");
    text.close();
    const ModalAnswerer answerer;
    EXPECT_TRUE(Drop(form.Window(), {QUrl::fromLocalFile(text.fileName())}));
    ASSERT_EQ(answerer.Messages().size(), 1);
    EXPECT_TRUE(answerer.Messages().front().contains(QDir::toNativeSeparators(text.fileName())));
    EXPECT_EQ(form.Window().windowTitle(), "Stakewell");
}

// A damaged file named at the start is refused as a loaded one is, once the
// window is up; the window keeps the last run's state.
TEST_F(OpenFile, ADamagedFileNamedAtTheStartIsRefusedWithTheItemNamed) {
    const QString damaged = WriteDamagedDataFile(File(QStringLiteral("site.xml")), DamagedKinds[0]);
    const ModalAnswerer answerer;
    frmMain window(File(QStringLiteral("LastConfig.xml")), damaged);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(answerer.Messages().size(), 1);
    EXPECT_EQ(answerer.Messages().front(), QStringLiteral("Could not read data from \"%1\":\n%2.")
                                               .arg(QDir::toNativeSeparators(damaged),
                                                    QString::fromUtf8(DamagedKinds[0].reason)));
    EXPECT_EQ(window.Work().Fop().PointCount(), 0);
    EXPECT_EQ(window.windowTitle(), "Stakewell");
    window.close();
}

QString WriteReadings(const QString& fileName) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Distance,Ohms\r\n10,4\r\n20,7.25\r\n");
    return fileName;
}

QString ReadingsOffer(const QString& fileName) {
    return QStringLiteral("\"%1\" is a CSV file, not a data file.\nImport its readings into the "
                          "fall-of-potential test?")
        .arg(QDir::toNativeSeparators(fileName));
}

TEST_F(OpenFile, ADroppedCsvFileIsOfferedAsReadingsAndTakenOnYes) {
    const QString csv = WriteReadings(File(QStringLiteral("readings.CSV")));
    ModalAnswerer answerer;
    answerer.AnswerMessagesWith(QMessageBox::Yes);
    EXPECT_TRUE(Drop(form.Window(), {QUrl::fromLocalFile(csv)}));
    EXPECT_EQ(answerer.Messages(), QStringList{ReadingsOffer(csv)});
    EXPECT_EQ(form.Window().Work().Fop().FOPPoints(),
              (std::vector<stakewell::fop::FOPPoint>{{}, {10.0, 4.0}, {20.0, 7.25}}));
    EXPECT_EQ(form.Window().windowTitle(), "*Stakewell");
    EXPECT_EQ(RecentEntries(form.Window()), QStringList{"No Recent Files"});
}

TEST_F(OpenFile, ADroppedCsvFileDeclinedChangesNothing) {
    const QString csv = WriteReadings(File(QStringLiteral("readings.csv")));
    const ModalAnswerer answerer;
    EXPECT_TRUE(Drop(form.Window(), {QUrl::fromLocalFile(csv)}));
    EXPECT_EQ(answerer.Messages(), QStringList{ReadingsOffer(csv)});
    EXPECT_EQ(form.Window().Work().Fop().PointCount(), 0);
    EXPECT_EQ(form.Window().windowTitle(), "Stakewell");
}

TEST_F(OpenFile, ADropWithoutFilesIsNotTaken) {
    QMimeData mime;
    mime.setText(QStringLiteral("100"));
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form.Window(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

// Refused whole: the inputs, the readings, E2, the open file and the recent
// files stay as they were, and the one message names the item. Each kind of
// damage is tabled against the check the window reads through.
TEST_F(OpenFile, ADamagedFileIsRefusedWholeWithTheItemNamed) {
    const DamagedCase& damage = DamagedKinds[0];
    const QString a = WriteDesign(File(QStringLiteral("a.xml")));
    Load(a);
    form.Type("tbxEarthRes", "250");
    form.Type("tbxFOPE2", "80");
    const std::vector<stakewell::fop::FOPPoint> points = form.Window().Work().Fop().FOPPoints();
    const QString damaged = WriteDamagedDataFile(File(QStringLiteral("site.xml")), damage);
    const ModalAnswerer answerer;
    Load(damaged);
    EXPECT_EQ(
        answerer.Messages(),
        QStringList{QStringLiteral("Could not read data from \"%1\":\n%2.")
                        .arg(QDir::toNativeSeparators(damaged), QString::fromUtf8(damage.reason))});
    EXPECT_EQ(form.Text("tbxEarthRes"), "250");
    EXPECT_EQ(form.Text("tbxFOPE2"), "80");
    EXPECT_EQ(form.Window().Work().Fop().FOPPoints(), points);
    EXPECT_FALSE(form.Window().Work().Soil().Exists());
    EXPECT_EQ(form.Window().windowTitle(), "*a.xml - Stakewell");
    EXPECT_EQ(RecentEntries(form.Window()), QStringList{Entry(1, a)});
}

} // namespace

namespace {

enum class Opening { LoadData, RecentFile, Dropped };

struct AskCase {
    const char* name;
    Opening opening;
    // The answer to "Save changes to ...?"; none when nothing is unsaved.
    std::optional<QMessageBox::StandardButton> answer;
    // Where Save Data's dialog saves: empty when it is cancelled.
    const char* saveAs;
    bool opens;
};

void PrintTo(const AskCase& row, std::ostream* os) {
    *os << row.name;
}

class SaveChanges : public OpenFile, public testing::WithParamInterface<AskCase> {};

// Work with unsaved changes is never replaced without asking, however the
// other file is opened; Save runs Save Data, and a save cancelled or failed
// keeps the work where it is.
TEST_P(SaveChanges, AreAskedForBeforeAnotherFileTakesTheirPlace) {
    const AskCase& row = GetParam();
    const QString other = WriteDesign(File(QStringLiteral("other.xml")), "77");
    const QString site = WriteDesign(File(QStringLiteral("site.xml")), "55");
    Load(other);
    Load(site);
    if (row.answer) {
        form.Type("tbxEarthRes", "250");
    }
    const QString savedAs = File(QLatin1String(row.saveAs));
    ModalAnswerer answerer([&](QFileDialog& dialog) {
        if (dialog.acceptMode() == QFileDialog::AcceptOpen) {
            ModalAnswerer::Choose(other)(dialog);
        } else if (*row.saveAs != '\0') {
            ModalAnswerer::Choose(savedAs)(dialog);
        } else {
            dialog.reject();
        }
    });
    answerer.AnswerMessagesWith(row.answer.value_or(QMessageBox::NoButton));
    switch (row.opening) {
    case Opening::LoadData:
        form.Click(QStringLiteral("cmdLoadData"));
        break;
    case Opening::RecentFile: {
        QMenu* menu = PopUpRecentFiles(form.Window());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_2);
        break;
    }
    case Opening::Dropped:
        ASSERT_TRUE(Drop(form.Window(), {QUrl::fromLocalFile(other)}));
        break;
    }

    const QStringList asked =
        row.answer ? QStringList{QStringLiteral("Save changes to site.xml?")} : QStringList{};
    EXPECT_EQ(answerer.Messages().mid(0, 1), asked);
    const bool saved = row.answer == QMessageBox::Save && QFileInfo(savedAs).isFile();
    EXPECT_EQ(form.Text("tbxEarthRes"), row.opens ? "77" : "250");
    EXPECT_EQ(form.Window().windowTitle(),
              row.opens ? "other.xml - Stakewell" : "*site.xml - Stakewell");
    if (saved) {
        stakewell::files::XmlValueStore store;
        store.FileName(savedAs);
        ASSERT_EQ(store.Read(), std::nullopt);
        EXPECT_EQ(stakewell::files::ReadDataFile(store).FieldTexts[0], "250");
    }
    EXPECT_EQ(saved, row.opens && row.answer == QMessageBox::Save);
}

constexpr auto Save = QMessageBox::Save;
constexpr auto Discard = QMessageBox::Discard;
constexpr auto Cancel = QMessageBox::Cancel;

INSTANTIATE_TEST_SUITE_P(
    EveryWayOfOpening, SaveChanges,
    testing::Values(AskCase{"LoadDataSave", Opening::LoadData, Save, "kept.xml", true},
                    AskCase{"LoadDataDiscard", Opening::LoadData, Discard, "", true},
                    AskCase{"LoadDataCancel", Opening::LoadData, Cancel, "", false},
                    AskCase{"LoadDataSaveCancelled", Opening::LoadData, Save, "", false},
                    AskCase{"LoadDataSaveFails", Opening::LoadData, Save, "gone/kept.xml", false},
                    AskCase{"LoadDataNothingUnsaved", Opening::LoadData, std::nullopt, "", true},
                    AskCase{"RecentFileSave", Opening::RecentFile, Save, "kept.xml", true},
                    AskCase{"RecentFileCancel", Opening::RecentFile, Cancel, "", false},
                    AskCase{"DroppedDiscard", Opening::Dropped, Discard, "", true},
                    AskCase{"DroppedCancel", Opening::Dropped, Cancel, "", false}),
    [](const testing::TestParamInfo<AskCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

} // namespace
