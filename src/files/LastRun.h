#pragma once

#include <QString>

#include <optional>

namespace stakewell::files {

// The file that carries the state of one run to the next: LastConfig.xml
// beside the program, or in the user's configuration folder when the program
// is installed (its metainfo file lies where the install puts it, relative to
// the program's folder) or its folder cannot be written. An installed program
// run by root thus still keeps its state in root's own folder, never among
// the system's files.
QString LastConfigFileName(const QString& programFolder, const QString& userConfigFolder);

// Moves a last-run file that could not be read out of the way, under a name
// that says so, so that the next close does not overwrite what the user may
// still want to recover. The new name, or nothing when it could not be moved.
std::optional<QString> SetAsideUnreadable(const QString& fileName);

} // namespace stakewell::files
