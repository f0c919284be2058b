#pragma once

#include <QStringList>

#include <iosfwd>
#include <optional>

// The program's work without a window: the text report or the curve
// analysis of a data file, written to standard output.
namespace stakewell::cli {

// Runs --report FILE or --analyse FILE, each with [--e2 DISTANCE] [--tolerance PERCENT]
// [--units metric|imperial], when the arguments (the program's name first) ask
// for one, and gives its exit status; nothing when they ask for neither, and
// the window is to start. The work is reported in the file's own units unless
// --units asks for the other, and --e2 is read in the units reported.
std::optional<int> RunFieldCommand(const QStringList& arguments, std::ostream& out,
                                   std::ostream& err);

} // namespace stakewell::cli
