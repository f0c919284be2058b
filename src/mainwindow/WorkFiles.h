#pragma once

#include "files/DataFile.h"
#include "files/TextReport.h"
#include "work/SiteWork.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace stakewell::files {
struct RecoveredWork;
} // namespace stakewell::files

class QFileDialog;
class QMenu;
class QUrl;
class QWidget;

namespace stakewell::graph {
struct PlotState;
} // namespace stakewell::graph

namespace stakewell::mainwindow {

class RecentFiles;
class UnsavedWork;

// The window's side of the work's files: the data file it was loaded from or
// saved to, which the title names, the recent files, the text report, the
// last run's state, and a file dropped on the window. Work with unsaved
// changes is never replaced without asking.
class WorkFiles : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        // The window shows a loaded work beyond what the work tells it.
        std::function<void()> loaded;
        std::function<files::ReportContent()> report;
        // A dropped readings file, offered to the graph's import.
        std::function<void(QString&)> importReadings;
    };

    // With a lastConfigFile the last run's state is read from it and written
    // back at every close, and the recent files are kept beside it.
    WorkFiles(QWidget& window, work::SiteWork& work, graph::PlotState& plot, QString lastConfigFile,
              Hooks hooks);
    ~WorkFiles() override;
    WorkFiles(const WorkFiles&) = delete;
    WorkFiles& operator=(const WorkFiles&) = delete;
    WorkFiles(WorkFiles&&) = delete;
    WorkFiles& operator=(WorkFiles&&) = delete;

    // The data file named at the start, or the last run's state.
    void Start(const QString& dataFile);
    // Each asks for the file name when fileName is empty and leaves the name
    // used in it (empty when nothing was chosen). A file that cannot be read
    // changes nothing; one that cannot be written leaves the old file whole.
    // Either is reported in a message naming the file.
    void LoadDataFile(QString& fileName);
    void SaveDataFile(QString& fileName);
    void SaveTextReport(QString& fileName);
    // Load Data..., a recent file and a dropped file: each first asks what
    // to do with unsaved work.
    void cmdLoadData_Click();
    void ShowRecentFiles(const QWidget& below);
    void OpenDropped(const QList<QUrl>& urls);
    // Keeps the state for the next run; the work kept against a crash goes
    // once that state is written.
    void Close();
    // Brings back work a run that did not close left behind, as unsaved work
    // of its own data file.
    void Restore(const files::RecoveredWork& recovered);

    const QString& FileName() const { return dataFileName; }
    RecentFiles& Recent() { return *recent; }

private:
    bool MayReplaceWork();
    void OpenRecentFile(const QString& fileName);
    void OfferDroppedReadings(const QString& fileName);
    std::optional<QString> ReadDataFileInto(const QString& fileName);
    void Apply(const files::DataFileContent& content);
    files::DataFileContent CurrentDataFile() const;
    std::optional<QString> WriteDataFileTo(const QString& fileName) const;
    // The file just loaded or saved becomes the open one, its content the
    // work there is nothing left to save of.
    void TakeFileName(const QString& fileName);
    void ReportFileProblem(const QString& action, const QString& fileName, const QString& reason);
    void RestoreLastRun();
    void OpenAtStart(const QString& dataFile);

    QWidget& window;
    work::SiteWork& work;
    graph::PlotState& plot;
    Hooks hooks;
    QString lastConfigFile;
    QString dataFileName;
    std::unique_ptr<RecentFiles> recent;
    QMenu* recentMenu;
    UnsavedWork* unsaved;
};

} // namespace stakewell::mainwindow
