#pragma once

#include "calc/DesignSheet.h"
#include "files/SiteRecord.h"
#include "graph/SharedState.h"
#include "survey/FopHistory.h"

#include <QShortcut>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QDragEnterEvent;
class QDropEvent;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QUrl;

namespace Ui {
class frmMain;
}

namespace stakewell::files {
struct ChoiceContent;
struct DataFileContent;
struct RecoveredWork;
class RecoveryKeeper;
struct ReportContent;
} // namespace stakewell::files

namespace stakewell::graph {
class GraphWindowHost;
struct TestReportContent;
} // namespace stakewell::graph

namespace stakewell::soil {
class frmSoil;
} // namespace stakewell::soil

namespace stakewell::about {
class frmHelp;
} // namespace stakewell::about

namespace stakewell::mainwindow {

class InputHint;
class ResultMarks;

class WindowZoom;

class RecentFiles;

// The calculator's working window: six tab pages of inputs and results, the
// fall-of-potential browser and the four command buttons. Every change of an
// input text recalculates all results at once.
class frmMain : public QWidget {
    Q_OBJECT

public:
    // With a lastConfigFile the window starts from the state it holds and
    // writes its own state back into it at every close, and keeps its recent
    // files beside it; without one it starts afresh and keeps nothing.
    explicit frmMain(QString lastConfigFile = {}, QWidget* parent = nullptr);
    // Starts from dataFile instead of the last run's state. A dataFile that
    // cannot be read is reported, naming it, and the last run's state is used.
    frmMain(QString lastConfigFile, const QString& dataFile, QWidget* parent = nullptr);
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    frmMain(frmMain&&) = delete;
    frmMain& operator=(frmMain&&) = delete;

    // Refreshes the fall-of-potential labels, the scroll bar and the graph
    // from the shared point list.
    void UpdateFOP();

    // Caption height in pixels, read afresh on every call.
    int TitleBarHeight() const;

    graph::SharedState& State() { return state; }

    // Each asks for the file name when fileName is empty and leaves the name
    // used in it (empty when nothing was chosen). A file that cannot be read
    // changes nothing; one that cannot be written leaves the old file whole.
    // Either is reported in a message naming the file.
    void LoadDataFile(QString& fileName);
    void SaveDataFile(QString& fileName);
    void SaveTextReport(QString& fileName);
    // Brings back work found in a recovery file, as unsaved work of its own
    // data file.
    void Restore(const files::RecoveredWork& recovered);

signals:
    // Emitted at the end of every recalculation.
    void Recalculated();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class ShowCurrentPoint { Yes, No };
    void RefreshFOP(ShowCurrentPoint showCurrent);
    void ShowFopReadOuts();
    void ConnectHandlers();
    void SetUpFieldUse();
    void ConnectFieldKeys();
    void SwitchPage(int step);
    QString AddRefusalText(survey::AddRefusal refusal) const;
    void ShowAddNotice(const QString& notice);
    void ChooseWireSize(int index);
    void ChooseWireLength(int index);
    void UndoFOP();
    void RedoFOP();
    void ApplyFractionalFontSizes();
    void FitLabelsToCaptions();
    void ShowPage(int index);
    void BindDesignSheet();
    calc::SheetInputs TypedInputs() const;
    calc::SheetResults ShownResults() const;
    std::optional<calc::WireBetweenInputs> WireBetween() const;
    void Recalculate();
    void RecalculateUnlessLoading();

    void TabStrip1_Click();
    void InputField_Change();
    void tbxWireDia_Change();
    void tbxWireAWG_Change();
    void WireSize_0_Click();
    void WireSize_1_Click();
    void WireLength_0_Click();
    void WireLength_1_Click();
    void Fraction_Change();
    void lbResult_Click();
    void cmdFOPAdd_Click();
    void cmdFOPRemove_Click();
    void cmdFOPClear_Click();
    void HScroll1_Change(int value);
    void tbxFOPE2_Change();
    void cmdEnd_Click();

    void RestoreLastRun();
    void OpenAtStart(const QString& dataFile);
    void ShowHelp();
    std::optional<QString> ReadDataFileInto(const QString& fileName);
    void ApplyDataFile(const files::DataFileContent& content);
    void ApplyChoices(const files::ChoiceContent& choices);
    void ShowDiameterFraction(const QString& diameter);
    files::DataFileContent CurrentDataFile() const;
    files::ReportContent CurrentReport() const;
    void ConnectFieldTest();
    void TakeReadings(std::vector<survey::FOPPoint> readings);
    graph::TestReportContent CurrentTestReport() const;
    static QString AskOpenFileName(QFileDialog& CommonDialog1);
    static QString AskSaveFileName(QFileDialog& CommonDialog1);
    void ReportFileProblem(const QString& action, const QString& fileName, const QString& reason);
    std::optional<QString> WriteDataFileTo(const QString& fileName) const;
    void cmdLoadData_Click();
    void cmdSaveData_Click();
    void SetUpFiles();
    // The file just loaded or saved becomes the open one, its content the
    // work there is nothing left to save of.
    void TakeFileName(const QString& fileName);
    void ShowTitle();
    void ShowRecentFiles();
    void OpenRecentFile(const QString& fileName);
    void OpenDropped(const QList<QUrl>& urls);
    void OfferDroppedReadings(const QString& fileName);

    std::unique_ptr<Ui::frmMain> ui;
    graph::SharedState state;
    survey::FopRefresh::Subscription readOuts;
    std::unique_ptr<graph::GraphWindowHost> graph;
    std::array<QGroupBox*, 6> Frame{};
    // The window's part of the design sheet, in the order of its table.
    std::array<QLineEdit*, calc::SheetInputCount> sheetFields{};
    std::array<QLabel*, calc::SheetResultCount> sheetLabels{};
    // What the fields and the results have to say beside the figures.
    InputHint* inputHints = nullptr;
    ResultMarks* resultMarks = nullptr;
    // The notes of the figures the labels show, for the reports.
    calc::SheetNotes shownNotes;
    QString lastConfigFile;
    // The data file last loaded or saved, named on the printed test report.
    QString dataFileName;
    // What the open file (or, with none, the window's start) held.
    std::unique_ptr<files::DataFileContent> savedWork;
    std::unique_ptr<RecentFiles> recent;
    QMenu* recentMenu = nullptr;
    survey::FopHistory fopHistory;
    bool InWireUpdate = false;
    // Whether the refresh under way writes the current point into the P2 boxes.
    ShowCurrentPoint showCurrentPoint = ShowCurrentPoint::Yes;

public:
    // Writes `text` into the earth resistivity box as a user's typing would,
    // so that the design recalculates and the box's own undo takes it back.
    void UseEarthResistivity(const QString& text);
    // Shows the shared soil survey afresh in its window, once there is one.
    void ShowSoilSurvey();
    // Asks for the site record and keeps what the user gives.
    void EditSiteRecord();

private:
    void cmdSoilSurvey_Click();
    // Made at its first showing; a child window, so it closes and goes with
    // this one.
    soil::frmSoil* soilWindow = nullptr;
    about::frmHelp* helpWindow = nullptr;
    std::unique_ptr<WindowZoom> zoom;
    // A key of the window's own, wherever the focus is within it.
    template <typename Action> void BindKey(const QKeySequence& keys, Action action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    }
    void SetUpZoom();
    // After a zoom step: the page in view and the graph's texts follow, and
    // the zoom is kept for the next run.
    void ApplyZoom(bool changed);
    // Where and by whom the test was taken, as the data file keeps it.
    files::SiteRecord siteRecord;
    // Keeps unsaved work beside the last run's state; none without one.
    std::unique_ptr<files::RecoveryKeeper> recovery;
};

} // namespace stakewell::mainwindow
