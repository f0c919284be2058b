#pragma once

#include <QString>

namespace stakewell::mainwindow {

// The main window's title: the open data file's name, with a leading "*"
// while the work holds changes not yet saved.
QString WorkTitle(const QString& dataFileName, bool unsaved);

} // namespace stakewell::mainwindow
