#pragma once

#include <QDir>
#include <QTemporaryDir>

// Where benchmarks put their files: the folder STAKEWELL_BENCH_DIR names
// when set, else the system's temporary folder. A save's time is mostly the
// disk's flush; a folder in memory (/dev/shm) shows what the program itself
// costs.
inline QString BenchRoot() {
    const QString chosen = qEnvironmentVariable("STAKEWELL_BENCH_DIR");
    return chosen.isEmpty() ? QDir::tempPath() : chosen;
}

// A fresh folder under the benchmarks' root, removed with everything in it.
class BenchFolder {
public:
    BenchFolder() : folder(BenchRoot() + QStringLiteral("/stakewell-bench-XXXXXX")) {}

    QString filePath(const QString& name) const { return folder.filePath(name); }

private:
    QTemporaryDir folder;
};
