#include "files/LastRun.h"

#include "ProgramIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace stakewell::files {

QString LastConfigFileName(const QString& programFolder, const QString& userConfigFolder) {
    const QString name = QStringLiteral("LastConfig.xml");
    const bool installed =
        QFileInfo::exists(QDir(programFolder).filePath(stakewell::InstalledMarker));
    if (!installed && QFileInfo(programFolder).isWritable()) {
        return QDir(programFolder).filePath(name);
    }
    QDir(userConfigFolder).mkpath(QStringLiteral("."));
    return QDir(userConfigFolder).filePath(name);
}

std::optional<QString> SetAsideUnreadable(const QString& fileName) {
    const QFileInfo original(fileName);
    const QString stem = original.completeBaseName() + QStringLiteral(".unreadable");
    // Earlier failures keep their own copies.
    constexpr int Attempts = 100;
    for (int attempt = 1; attempt <= Attempts; ++attempt) {
        const QString suffix = attempt == 1 ? QString() : QStringLiteral("-%1").arg(attempt);
        const QString keptAs = original.dir().filePath(stem + suffix + QStringLiteral(".xml"));
        if (QFileInfo::exists(keptAs)) {
            continue;
        }
        if (QFile::rename(fileName, keptAs)) {
            return keptAs;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace stakewell::files
