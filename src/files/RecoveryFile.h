#pragma once

#include "files/DataFile.h"
#include "files/XmlValueStore.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace stakewell::files {

// Work not yet kept anywhere else, as it stood when last changed: the whole
// content of a data file, the data file it belongs to and when it changed.
struct RecoveredWork {
    DataFileContent Content;
    // Empty when the work was never saved to a file.
    QString WorkFile;
    // With the offset from UTC it was taken in.
    QDateTime ChangedAt;
};

// Beside the last run's state, so that the run that finds one state finds
// the work that went with it: LastConfig.xml keeps LastConfig.recovery.xml.
QString RecoveryFileName(const QString& lastConfigFile);

// The items of a recovery file but the time of the change: two works stored
// alike are the same work, whenever they were taken.
XmlValueStore RecoveryValues(const DataFileContent& content, const QString& workFile);

// Writes the values with the time of the change, the whole file or nothing.
// Nothing when it worked, else the reason.
std::optional<QString> WriteRecoveryFile(const QString& fileName, XmlValueStore values,
                                         const QDateTime& changedAt);
std::optional<QString> WriteRecoveryFile(const QString& fileName, const RecoveredWork& work);

// The work a recovery file holds, checked whole as a data file is, or why it
// cannot be had.
struct RecoveryFileRead {
    std::optional<RecoveredWork> Work;
    QString Problem;
};
RecoveryFileRead ReadRecoveryFile(const QString& fileName);

} // namespace stakewell::files
