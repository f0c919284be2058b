#pragma once

#include <QString>

#include <string>

namespace stakewell::mainwindow {

// A note of the design calculation as a window shows it: each of its lines
// in the windows' language where it is one of the calculation's fixed texts,
// any other line (one that names a figure) as the calculation wrote it. The
// reports print the notes as written.
QString ShownNote(const std::string& note);

} // namespace stakewell::mainwindow
