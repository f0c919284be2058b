#include "mainwindow/WorkFiles.h"

#include "files/LastRun.h"
#include "files/RecoveryFile.h"
#include "files/WholeFile.h"
#include "files/XmlValueStore.h"
#include "graph/FileDialogs.h"
#include "graph/PlotState.h"
#include "graph/ScreenPlacement.h"
#include "mainwindow/RecentFiles.h"
#include "mainwindow/UnsavedWork.h"
#include "shared/Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace stakewell::mainwindow {

namespace {

using files::DataFileContent;

// A chosen save name longer than this is cut and given the default extension,
// so that every name the program writes stays within what older file systems
// and tools accept.
constexpr qsizetype LongestSaveName = 200;
// A report name no longer than this, blanks aside, cannot be a real file name
// with its extension.
constexpr qsizetype ShortestReportName = 4;

// Made at each use, so that a dialog speaks the language the windows speak.
graph::FileDialogSettings LoadDataDialog() {
    return {QCoreApplication::translate("stakewell::mainwindow::WorkFiles", "Read Data From File"),
            QCoreApplication::translate("stakewell::mainwindow::WorkFiles", "Data File (*.xml)"),
            QStringLiteral("xml"), QFileDialog::AcceptOpen};
}

graph::FileDialogSettings SaveDataDialog() {
    return {QCoreApplication::translate("stakewell::mainwindow::WorkFiles", "Save Data To File"),
            QCoreApplication::translate("stakewell::mainwindow::WorkFiles", "Data File (*.xml)"),
            QStringLiteral("xml"), QFileDialog::AcceptSave};
}

graph::FileDialogSettings SaveTextDialog() {
    return {QCoreApplication::translate("stakewell::mainwindow::WorkFiles", "Save Text To File"),
            QCoreApplication::translate("stakewell::mainwindow::WorkFiles", "Text File (*.txt)"),
            QStringLiteral("txt"), QFileDialog::AcceptSave};
}

QString AskOpenFileName(QFileDialog& CommonDialog1) {
    CommonDialog1.selectFile(QString());
    if (CommonDialog1.exec() != QDialog::Accepted) {
        return {};
    }
    return CommonDialog1.selectedFiles().value(0);
}

QString AskSaveFileName(QFileDialog& CommonDialog1) {
    QString fileName = AskOpenFileName(CommonDialog1);
    if (fileName.size() > LongestSaveName) {
        fileName = fileName.left(LongestSaveName) + u'.' + CommonDialog1.defaultSuffix();
        CommonDialog1.selectFile(fileName);
    }
    return fileName;
}

// A routine given no file name asks the user for one.
void AskWhenEmpty(QWidget* parent, QString& fileName, const graph::FileDialogSettings& settings,
                  QString (*ask)(QFileDialog&)) {
    if (fileName.isEmpty()) {
        QFileDialog CommonDialog1(parent);
        CommonDialog1.setObjectName(QStringLiteral("CommonDialog1"));
        graph::ConfigureFileDialog(CommonDialog1, settings);
        fileName = ask(CommonDialog1);
    }
}

QString TrimmedOfBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') {
        ++first;
    }
    while (last > first && text[last - 1] == u' ') {
        --last;
    }
    return text.mid(first, last - first);
}

QString Shown(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

// A "&" in a path would otherwise underline the letter after it.
QString RecentEntry(qsizetype index, const QString& fileName) {
    QString shown = Shown(fileName);
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace

WorkFiles::WorkFiles(QWidget& window, work::SiteWork& work, graph::PlotState& plot,
                     QString lastConfigFile, Hooks hooks)
    : QObject(&window), window(window), work(work), plot(plot), hooks(std::move(hooks)),
      lastConfigFile(std::move(lastConfigFile)),
      recent(std::make_unique<RecentFiles>(RecentFilesSettings(this->lastConfigFile))),
      recentMenu(new QMenu(&window)),
      unsaved(new UnsavedWork(window, work, this->lastConfigFile, [this] {
          return files::RecoverySnapshot{CurrentDataFile(), dataFileName};
      })) {
    recentMenu->setObjectName(QStringLiteral("mnuRecentFiles"));
}

void WorkFiles::Restore(const files::RecoveredWork& recovered) {
    Apply(recovered.Content);
    dataFileName = recovered.WorkFile;
    work.MarkUnsaved();
    unsaved->ShowFile(dataFileName);
}

WorkFiles::~WorkFiles() = default;

void WorkFiles::Start(const QString& dataFile) {
    if (dataFile.isEmpty()) {
        RestoreLastRun();
    } else {
        OpenAtStart(dataFile);
    }
    work.MarkSaved();
    unsaved->ShowFile(dataFileName);
}

void WorkFiles::cmdLoadData_Click() {
    if (MayReplaceWork()) {
        QString fileName;
        LoadDataFile(fileName);
    }
}

// Saving runs Save Data as its button does; a save cancelled or failed keeps
// the work where it is.
bool WorkFiles::MayReplaceWork() {
    if (!work.Unsaved()) {
        return true;
    }
    const QString name =
        dataFileName.isEmpty() ? tr("the work") : QFileInfo(dataFileName).fileName();
    QMessageBox question(QMessageBox::Question, QStringLiteral("Stakewell"),
                         tr("Save changes to %1?").arg(name),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window);
    question.setObjectName(QStringLiteral("msgSaveChanges"));
    question.setDefaultButton(QMessageBox::Save);
    question.setEscapeButton(QMessageBox::Cancel);
    switch (question.exec()) {
    case QMessageBox::Save: {
        QString fileName;
        SaveDataFile(fileName);
        return !work.Unsaved();
    }
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void WorkFiles::LoadDataFile(QString& fileName) {
    AskWhenEmpty(&window, fileName, LoadDataDialog(), &AskOpenFileName);
    if (fileName.isEmpty() || !QFileInfo::exists(fileName)) {
        fileName.clear();
        return;
    }
    if (const std::optional<QString> problem = ReadDataFileInto(fileName)) {
        ReportFileProblem(tr("read data from"), fileName, *problem);
    } else {
        TakeFileName(fileName);
    }
}

// The whole file is read and checked before anything is applied, so a file
// that cannot be used leaves the window exactly as it was.
std::optional<QString> WorkFiles::ReadDataFileInto(const QString& fileName) {
    const files::CheckedDataFile file = files::ReadCheckedDataFile(fileName);
    if (!file.Content) {
        return file.Problem;
    }
    Apply(*file.Content);
    return std::nullopt;
}

void WorkFiles::Apply(const DataFileContent& content) {
    const QPoint stored(shared::PixelsFromTwips(content.MainLeft),
                        shared::PixelsFromTwips(content.MainTop));
    window.move(graph::OnNearestScreen(QRect(stored, window.frameGeometry().size())));
    plot.graph = content.Graph;
    work.Take(content);
    hooks.loaded();
}

DataFileContent WorkFiles::CurrentDataFile() const {
    DataFileContent content = work.Content();
    content.MainTop = shared::TwipsFromPixels(window.pos().y());
    content.MainLeft = shared::TwipsFromPixels(window.pos().x());
    content.Graph = plot.graph;
    return content;
}

void WorkFiles::SaveDataFile(QString& fileName) {
    AskWhenEmpty(&window, fileName, SaveDataDialog(), &AskSaveFileName);
    if (fileName.isEmpty()) {
        return;
    }
    if (const std::optional<QString> problem = WriteDataFileTo(fileName)) {
        ReportFileProblem(tr("save data to"), fileName, *problem);
    } else {
        TakeFileName(fileName);
    }
}

std::optional<QString> WorkFiles::WriteDataFileTo(const QString& fileName) const {
    files::XmlValueStore store;
    store.FileName(fileName);
    files::WriteDataFile(store, CurrentDataFile());
    return store.Write();
}

void WorkFiles::SaveTextReport(QString& fileName) {
    AskWhenEmpty(&window, fileName, SaveTextDialog(), &AskSaveFileName);
    if (TrimmedOfBlanks(fileName).size() <= ShortestReportName) {
        return;
    }
    if (const std::optional<QString> problem =
            files::WriteWholeFile(fileName, files::TextReport(hooks.report()))) {
        ReportFileProblem(tr("save the report to"), fileName, *problem);
    }
}

void WorkFiles::ReportFileProblem(const QString& action, const QString& fileName,
                                  const QString& reason) {
    QMessageBox::warning(&window, QStringLiteral("Stakewell"),
                         tr("Could not %1 \"%2\":\n%3.").arg(action, Shown(fileName), reason));
}

void WorkFiles::TakeFileName(const QString& fileName) {
    dataFileName = fileName;
    work.MarkSaved();
    recent->Take(fileName);
    unsaved->ShowFile(fileName);
}

// Closing is never refused: a state that cannot be kept is reported, and the
// windows close all the same. The last run's state is no data file of the
// user's: it is neither named in the title nor listed among the recent files.
void WorkFiles::Close() {
    if (!lastConfigFile.isEmpty()) {
        if (const std::optional<QString> problem = WriteDataFileTo(lastConfigFile)) {
            ReportFileProblem(tr("save data to"), lastConfigFile, *problem);
        } else {
            unsaved->KeptElsewhere();
        }
    }
}

// A file named at the start stands in for the last run's state; when it
// cannot be read the user still gets the last run back, and is told why the
// file is not shown once the window is up.
void WorkFiles::OpenAtStart(const QString& dataFile) {
    const QString fileName = QFileInfo(dataFile).absoluteFilePath();
    const std::optional<QString> problem = ReadDataFileInto(fileName);
    if (!problem) {
        TakeFileName(fileName);
        return;
    }
    RestoreLastRun();
    QTimer::singleShot(0, this, [this, fileName, reason = *problem] {
        ReportFileProblem(tr("read data from"), fileName, reason);
    });
}

void WorkFiles::RestoreLastRun() {
    if (lastConfigFile.isEmpty() || !QFileInfo::exists(lastConfigFile)) {
        return;
    }
    const std::optional<QString> problem = ReadDataFileInto(lastConfigFile);
    if (!problem) {
        return;
    }
    QString notice = tr("The state of the last run could not be read from \"%1\":\n%2.\n\n")
                         .arg(Shown(lastConfigFile), *problem);
    if (const std::optional<QString> keptAs = files::SetAsideUnreadable(lastConfigFile)) {
        notice +=
            tr("The file has been kept as \"%1\". Stakewell starts afresh.").arg(Shown(*keptAs));
    } else {
        notice += tr("It could not be moved aside, so this run's state will not be "
                     "written over it. Stakewell starts afresh.");
        lastConfigFile.clear();
    }
    // Told once the window is up, so the message has the window to stand on.
    QTimer::singleShot(0, this, [this, notice] {
        QMessageBox::warning(&window, QStringLiteral("Stakewell"), notice);
    });
}

// Made afresh at each showing, so that it always lists what the last load
// or save left.
void WorkFiles::ShowRecentFiles(const QWidget& below) {
    recentMenu->clear();
    const QStringList& files = recent->Files();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString fileName = files[i];
        recentMenu->addAction(RecentEntry(i, fileName), this,
                              [this, fileName] { OpenRecentFile(fileName); });
    }
    if (files.isEmpty()) {
        recentMenu->addAction(tr("No Recent Files"))->setEnabled(false);
    }
    recentMenu->popup(below.mapToGlobal(QPoint(0, below.height())));
}

void WorkFiles::OpenRecentFile(const QString& fileName) {
    if (!QFileInfo::exists(fileName)) {
        recent->Drop(fileName);
        ReportFileProblem(tr("read data from"), fileName,
                          tr("The file no longer exists; it is taken off the recent "
                             "files"));
        return;
    }
    if (MayReplaceWork()) {
        QString name = fileName;
        LoadDataFile(name);
    }
}

void WorkFiles::OpenDropped(const QList<QUrl>& urls) {
    if (urls.size() != 1) {
        QMessageBox::warning(&window, QStringLiteral("Stakewell"),
                             tr("Stakewell opens one data file at a time; %1 files "
                                "were dropped.")
                                 .arg(urls.size()));
        return;
    }
    if (!urls.front().isLocalFile()) {
        QMessageBox::warning(&window, QStringLiteral("Stakewell"),
                             tr("Could not read data from \"%1\":\nOnly a file on "
                                "this computer can be opened.")
                                 .arg(urls.front().toDisplayString()));
        return;
    }
    QString fileName = urls.front().toLocalFile();
    if (!QFileInfo::exists(fileName)) {
        ReportFileProblem(tr("read data from"), fileName, tr("The file does not exist"));
        return;
    }
    if (QFileInfo(fileName).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
        OfferDroppedReadings(fileName);
        return;
    }
    if (MayReplaceWork()) {
        LoadDataFile(fileName);
    }
}

// A readings file is no data file, whatever it holds: read as XML it could
// only be refused. Its readings replace the list as the graph's import
// does, so Ctrl+Z brings the old list back.
void WorkFiles::OfferDroppedReadings(const QString& fileName) {
    const QMessageBox::StandardButton answer = QMessageBox::question(
        &window, QStringLiteral("Stakewell"),
        tr("\"%1\" is a CSV file, not a data file.\nImport its readings into the "
           "fall-of-potential test?")
            .arg(Shown(fileName)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        QString name = fileName;
        hooks.importReadings(name);
    }
}

} // namespace stakewell::mainwindow
