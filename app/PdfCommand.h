#pragma once

#include <QStringList>

#include <iosfwd>
#include <optional>

// The test report of a data file written as PDF without a window or a
// display. It lives apart from the other commands of the command line as it
// paints the graph's and the soil survey's pages, which those never need.
namespace stakewell::app {

// Runs --pdf FILE OUT [--paper a4|letter] [--e2 DISTANCE] [--units metric|imperial]
// when the arguments (the program's name first) ask for it, and gives its exit
// status: 1 for a file that cannot be read or written, 2 for arguments that
// are wrong. Nothing when they do not ask for it. The report is in the file's
// own units unless --units asks for the other, and --e2 is read in those.
std::optional<int> RunPdfCommand(const QStringList& arguments, std::ostream& err);

} // namespace stakewell::app
