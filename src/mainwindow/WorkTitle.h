#pragma once

#include <QString>

namespace stakewell::files {
struct DataFileContent;
} // namespace stakewell::files

namespace stakewell::mainwindow {

// The main window's title: the open data file's name, with a leading "*"
// while the work differs from what was last loaded or saved.
QString WorkTitle(const QString& dataFileName, bool unsaved);

// Whether two states of the window hold the same work. Where the windows
// stand is no work: moving one leaves nothing to save.
bool SameWork(const files::DataFileContent& one, const files::DataFileContent& other);

} // namespace stakewell::mainwindow
