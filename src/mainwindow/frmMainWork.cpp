// The main window's open data file: its name and unsaved changes in the
// title, the recent files, the file keys and a file dropped on the window.
#include "mainwindow/frmMain.h"

#include "ui_frmMain.h"

#include "files/DataFile.h"
#include "files/RecoveryKeeper.h"
#include "graph/GraphWindowHost.h"
#include "mainwindow/RecentFiles.h"
#include "mainwindow/WorkTitle.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

namespace stakewell::mainwindow {

namespace {

// A "&" in a path would otherwise underline the letter after it.
QString RecentEntry(qsizetype index, const QString& fileName) {
    QString shown = QDir::toNativeSeparators(fileName);
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace

void frmMain::SetUpFiles() {
    setAcceptDrops(true);
    recentMenu = new QMenu(this);
    recentMenu->setObjectName(QStringLiteral("mnuRecentFiles"));
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_O), &frmMain::cmdLoadData_Click);
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_S), &frmMain::cmdSaveData_Click);
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_R), &frmMain::ShowRecentFiles);
}

void frmMain::cmdLoadData_Click() {
    QString fileName;
    LoadDataFile(fileName);
}

void frmMain::cmdSaveData_Click() {
    QString fileName;
    SaveDataFile(fileName);
}

void frmMain::TakeFileName(const QString& fileName) {
    dataFileName = fileName;
    *savedWork = CurrentDataFile();
    recent->Take(fileName);
    ShowTitle();
}

void frmMain::ShowTitle() {
    const bool unsaved = !SameWork(CurrentDataFile(), *savedWork);
    setWindowTitle(WorkTitle(dataFileName, unsaved));
    if (recovery && unsaved) {
        recovery->WorkChanged();
    } else if (recovery) {
        recovery->WorkSaved();
    }
}

// Made afresh at each showing, so that it always lists what the last load
// or save left.
void frmMain::ShowRecentFiles() {
    recentMenu->clear();
    const QStringList& files = recent->Files();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString fileName = files[i];
        recentMenu->addAction(RecentEntry(i, fileName), this,
                              [this, fileName] { OpenRecentFile(fileName); });
    }
    if (files.isEmpty()) {
        recentMenu->addAction(QStringLiteral("No Recent Files"))->setEnabled(false);
    }
    const QToolButton* button = ui->cmdRecentFiles;
    recentMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void frmMain::OpenRecentFile(const QString& fileName) {
    if (!QFileInfo::exists(fileName)) {
        recent->Drop(fileName);
        ReportFileProblem(QStringLiteral("read data from"), fileName,
                          QStringLiteral("The file no longer exists; it is taken off the recent "
                                         "files"));
        return;
    }
    QString name = fileName;
    LoadDataFile(name);
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

// The file opens once the drop is over: a message about it must not hold up
// the program the file was dragged from.
void frmMain::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, urls = event->mimeData()->urls()] { OpenDropped(urls); });
}

void frmMain::OpenDropped(const QList<QUrl>& urls) {
    if (urls.size() != 1) {
        QMessageBox::warning(this, QStringLiteral("Stakewell"),
                             QStringLiteral("Stakewell opens one data file at a time; %1 files "
                                            "were dropped.")
                                 .arg(urls.size()));
        return;
    }
    if (!urls.front().isLocalFile()) {
        QMessageBox::warning(this, QStringLiteral("Stakewell"),
                             QStringLiteral("Could not read data from \"%1\":\nOnly a file on "
                                            "this computer can be opened.")
                                 .arg(urls.front().toDisplayString()));
        return;
    }
    QString fileName = urls.front().toLocalFile();
    if (!QFileInfo::exists(fileName)) {
        ReportFileProblem(QStringLiteral("read data from"), fileName,
                          QStringLiteral("The file does not exist"));
        return;
    }
    if (QFileInfo(fileName).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
        OfferDroppedReadings(fileName);
        return;
    }
    LoadDataFile(fileName);
}

// A readings file is no data file, whatever it holds: read as XML it could
// only be refused. Its readings replace the list as the graph's import
// does, so Ctrl+Z brings the old list back.
void frmMain::OfferDroppedReadings(const QString& fileName) {
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, QStringLiteral("Stakewell"),
        QStringLiteral("\"%1\" is a CSV file, not a data file.\nImport its readings into the "
                       "fall-of-potential test?")
            .arg(QDir::toNativeSeparators(fileName)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        QString name = fileName;
        graph->Window().ImportReadings(name);
    }
}

} // namespace stakewell::mainwindow
