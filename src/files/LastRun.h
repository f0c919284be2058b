#pragma once

#include <QString>

#include <optional>

namespace stakewellFiles {

// The file that carries the state of one run to the next: LastConfig.xml
// beside the program, or in the user's configuration folder when the
// program's folder cannot be written (an installed program).
QString LastConfigFileName(const QString& programFolder, const QString& userConfigFolder);

// Moves a last-run file that could not be read out of the way, under a name
// that says so, so that the next close does not overwrite what the user may
// still want to recover. The new name, or nothing when it could not be moved.
std::optional<QString> SetAsideUnreadable(const QString& fileName);

} // namespace stakewellFiles
