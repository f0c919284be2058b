#include "files/RecoveryKeeper.h"

#include "files/RecoveryFile.h"

#include <QDateTime>
#include <QFile>

#include <utility>

namespace stakewell::files {

RecoveryKeeper::RecoveryKeeper(QString fileName, std::function<RecoverySnapshot()> snapshot,
                               QObject* parent)
    : QObject(parent), fileName(std::move(fileName)), snapshot(std::move(snapshot)) {
    delay.setSingleShot(true);
    delay.setInterval(Delay);
    connect(&delay, &QTimer::timeout, this, &RecoveryKeeper::KeepNow);
    writer.setMaxThreadCount(1);
}

RecoveryKeeper::~RecoveryKeeper() {
    writer.waitForDone();
}

void RecoveryKeeper::WorkChanged() {
    workSaved = false;
    StartDelay();
}

void RecoveryKeeper::WorkSaved() {
    workSaved = true;
    StartDelay();
}

// A change while the delay runs is taken by the snapshot it ends in.
void RecoveryKeeper::StartDelay() {
    if (!delay.isActive()) {
        delay.start();
    }
}

void RecoveryKeeper::Remove() {
    delay.stop();
    writer.waitForDone();
    DeleteFile();
}

void RecoveryKeeper::KeepNow() {
    if (workSaved) {
        writer.start([this] { DeleteFile(); });
        return;
    }
    writer.start([this, work = snapshot(), changedAt = QDateTime::currentDateTime()] {
        WriteIfChanged(work, changedAt);
    });
}

// Changes that end where the last write left the work (a text typed and
// taken back) keep the file and its time.
void RecoveryKeeper::WriteIfChanged(const RecoverySnapshot& work, const QDateTime& changedAt) {
    XmlValueStore values = RecoveryValues(work.Work, work.WorkFile);
    if (written && written->SameValues(values)) {
        return;
    }
    if (!WriteRecoveryFile(fileName, values, changedAt)) {
        written = std::move(values);
    }
}

void RecoveryKeeper::DeleteFile() {
    QFile::remove(fileName);
    written.reset();
}

} // namespace stakewell::files
