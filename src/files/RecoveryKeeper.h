#pragma once

#include "files/DataFile.h"
#include "files/XmlValueStore.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace stakewell::files {

// The work as the window holds it, copied when the keeper asks.
struct RecoverySnapshot {
    DataFileContent Work;
    // The data file the work belongs to; empty when none.
    QString WorkFile;
};

// Keeps unsaved work in a recovery file, so that a run that ends without
// closing (a crash, a kill, a power cut) loses at most the last Delay of it.
// The window only says that the work changed, at no cost to the keystroke;
// the keeper copies the work once Delay has passed and writes it on a
// thread of its own, one write after another, never two at once.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds Delay{1000};

    RecoveryKeeper(QString fileName, std::function<RecoverySnapshot()> snapshot,
                   QObject* parent = nullptr);
    // Waits for a write under way. The file stays: only the owner knows
    // whether the work has been kept elsewhere.
    ~RecoveryKeeper() override;
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;
    RecoveryKeeper(RecoveryKeeper&&) = delete;
    RecoveryKeeper& operator=(RecoveryKeeper&&) = delete;

    // The work differs from what its file holds. Only starts the delay: the
    // snapshot and the write come when it has passed.
    void WorkChanged();
    // The work is what its file holds again; the recovery file goes once
    // the delay has passed, unless the work changes before.
    void WorkSaved();
    // The work is kept elsewhere: waits for a write under way, then deletes
    // the recovery file.
    void Remove();

    const QString& FileName() const { return fileName; }

private:
    void StartDelay();
    void KeepNow();
    void WriteIfChanged(const RecoverySnapshot& work, const QDateTime& changedAt);
    void DeleteFile();

    QString fileName;
    std::function<RecoverySnapshot()> snapshot;
    QTimer delay;
    bool workSaved = false;
    // What the file holds, but its time: touched only by the writes, which
    // run one after another.
    std::optional<XmlValueStore> written;
    // One thread, so that writes run in the order they were asked for.
    QThreadPool writer;
};

} // namespace stakewell::files
