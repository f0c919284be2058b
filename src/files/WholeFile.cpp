#include "files/WholeFile.h"

#include <QSaveFile>

namespace stakewell::files {

std::optional<QString> WriteWholeFile(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason.isEmpty() ? QStringLiteral("the data could not be written") : reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace stakewell::files
