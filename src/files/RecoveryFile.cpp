#include "files/RecoveryFile.h"

#include "files/DataFileItems.h"
#include "files/DataFilePaths.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace stakewell::files {
namespace {

const char* const WorkFileItem = "/Recovery/WorkFile";
const char* const ChangedAtItem = "/Recovery/ChangedAt";

// A time without its offset could be any of a day's worth of instants.
bool HasOffset(const QDateTime& time) {
    return time.isValid() && (time.timeSpec() == Qt::OffsetFromUTC || time.timeSpec() == Qt::UTC);
}

} // namespace

QString RecoveryFileName(const QString& lastConfigFile) {
    const QFileInfo lastConfig(lastConfigFile);
    return lastConfig.dir().filePath(lastConfig.completeBaseName() +
                                     QStringLiteral(".recovery.xml"));
}

XmlValueStore RecoveryValues(const DataFileContent& content, const QString& workFile) {
    XmlValueStore values;
    WriteDataFile(values, content);
    // Not a data file's item, so not there yet.
    values.Append(paths::FullPath(WorkFileItem), workFile);
    return values;
}

std::optional<QString> WriteRecoveryFile(const QString& fileName, XmlValueStore values,
                                         const QDateTime& changedAt) {
    const QDateTime withOffset = changedAt.toOffsetFromUtc(changedAt.offsetFromUtc());
    values.SetValue(paths::FullPath(ChangedAtItem), withOffset.toString(Qt::ISODateWithMs));
    values.FileName(fileName);
    return values.Write();
}

std::optional<QString> WriteRecoveryFile(const QString& fileName, const RecoveredWork& work) {
    return WriteRecoveryFile(fileName, RecoveryValues(work.Content, work.WorkFile), work.ChangedAt);
}

RecoveryFileRead ReadRecoveryFile(const QString& fileName) {
    RecoveredWork work;
    const auto ownItems = [&work](const DataFileItems& items) -> std::optional<QString> {
        const std::optional<QString> workFile = items.Find(paths::FullPath(WorkFileItem));
        if (!workFile) {
            return QStringLiteral("it does not say which file the work belonged to");
        }
        const std::optional<QString> changedAt = items.Find(paths::FullPath(ChangedAtItem));
        if (!changedAt) {
            return QStringLiteral("it does not say when the work was last changed");
        }
        const QDateTime changed = QDateTime::fromString(*changedAt, Qt::ISODateWithMs);
        if (!HasOffset(changed)) {
            return QStringLiteral("the time of the last change \"%1\" is not a date and time "
                                  "with its offset from UTC")
                .arg(*changedAt);
        }
        work.WorkFile = *workFile;
        work.ChangedAt = changed;
        return std::nullopt;
    };
    CheckedDataFile file = ReadCheckedDataFile(fileName, ownItems);
    if (!file.Content) {
        return {std::nullopt, file.Problem};
    }
    work.Content = std::move(*file.Content);
    return {std::move(work), QString()};
}

} // namespace stakewell::files
