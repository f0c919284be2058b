#pragma once

#include "FuzzCheck.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A file in a folder of the run's own, removed at its end. Kept in memory
// where the system offers it: every input is written to a file, and saving
// one waits for the disk otherwise.
inline QString ScratchFile(const QString& name) {
    static const QTemporaryDir folder((QDir(QStringLiteral("/dev/shm")).exists()
                                           ? QStringLiteral("/dev/shm")
                                           : QDir::tempPath()) +
                                      QStringLiteral("/stakewell-fuzz-XXXXXX"));
    Require(folder.isValid(), "a scratch folder for the files");
    return folder.filePath(name);
}
