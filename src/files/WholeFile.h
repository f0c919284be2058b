#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace stakewell::files {

// Writes bytes as the whole of a file through a temporary one that replaces
// it only once everything is written, so a failed write leaves any old file
// as it was. Nothing when it worked, else the reason.
std::optional<QString> WriteWholeFile(const QString& fileName, const QByteArray& bytes);

} // namespace stakewell::files
