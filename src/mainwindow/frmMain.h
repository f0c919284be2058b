#pragma once

#include "graph/PlotState.h"
#include "work/SiteWork.h"

#include <QShortcut>
#include <QWidget>

#include <array>
#include <memory>

class QDragEnterEvent;
class QDropEvent;
class QGroupBox;

namespace Ui {
class frmMain;
}

namespace stakewell::files {
struct RecoveredWork;
} // namespace stakewell::files

namespace stakewell::graph {
class GraphWindowHost;
} // namespace stakewell::graph

namespace stakewell::soilwindow {
class frmSoil;
} // namespace stakewell::soilwindow

namespace stakewell::about {
class frmHelp;
} // namespace stakewell::about

namespace stakewell::mainwindow {

class DesignPage;
class DesignUnits;
class FopPage;
class InputHint;
class LayeredPage;
class WindowZoom;
class WorkFiles;

// The calculator's working window: seven tab pages of inputs and results, the
// fall-of-potential browser and the four command buttons, over the site's
// work. Its pages and its files are parts of their own; the window puts them
// together and keeps the keys, the zoom and the other windows.
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

    work::SiteWork& Work() { return work; }
    // The graph's extents and placement.
    graph::PlotState& Plot() { return plot; }
    // Shows the fall-of-potential labels, the scroll bar and the graph afresh.
    void UpdateFOP();
    // Caption height in pixels, read afresh on every call.
    int TitleBarHeight() const;
    // As Load Data, Save Data and Save Text do, with the file dialog only when
    // fileName is empty; see WorkFiles.
    void LoadDataFile(QString& fileName);
    void SaveDataFile(QString& fileName);
    void SaveTextReport(QString& fileName);
    // Asks for the site record and keeps what the user gives.
    void EditSiteRecord();
    // Brings back work found in a recovery file, as unsaved work of its own
    // data file.
    void Restore(const files::RecoveredWork& recovered);

signals:
    // Emitted each time the results are shown afresh.
    void Recalculated();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectHandlers();
    void SetUpFieldUse();
    void ConnectKeys();
    void SwitchPage(int step);
    void ShowPage(int index);
    void TabStrip1_Click();
    void ConnectFieldTest();
    void cmdSoilSurvey_Click();
    void ShowHelp();
    // After a zoom step: the page in view and the graph's texts follow, and
    // the zoom is kept for the next run.
    void ApplyZoom(bool changed);
    void SetUpZoom();
    // A key of the window's own, wherever the focus is within it.
    template <typename Action> void BindKey(const QKeySequence& keys, Action action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    }

    std::unique_ptr<Ui::frmMain> ui;
    work::SiteWork work;
    graph::PlotState plot;
    std::unique_ptr<graph::GraphWindowHost> graph;
    std::array<QGroupBox*, 7> Frame{};
    InputHint* inputHints = nullptr;
    DesignPage* design = nullptr;
    DesignUnits* units = nullptr;
    LayeredPage* layered = nullptr;
    FopPage* fopPage = nullptr;
    WorkFiles* files = nullptr;
    std::unique_ptr<WindowZoom> zoom;
    // Made at their first showing; child windows, so they close and go with
    // this one.
    soilwindow::frmSoil* soilWindow = nullptr;
    about::frmHelp* helpWindow = nullptr;
};

} // namespace stakewell::mainwindow
