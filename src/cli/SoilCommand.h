#pragma once

#include <QStringList>

#include <iosfwd>
#include <optional>

namespace stakewell::cli {

// Runs --soil FILE [--array wenner|schlumberger] [--metres] [--rod FEET
// [--rod-diameter INCHES]] [--layers N] when the arguments (the program's name
// first) ask for it: the two-layer soil of a survey in a CSV file or a data
// file, one figure a line, with the rod's resistance in that soil after the
// rod's resistivity (a 5/8 inch rod unless its diameter is given), then the
// survey read as ground of one to four layers, showing N where given
// in place of the file's or the data's choice. Gives its
// exit status: 1 for a file that cannot be read or holds no survey to fit, 2
// for arguments it cannot take; nothing when the arguments do not ask for it.
std::optional<int> RunSoilCommand(const QStringList& arguments, std::ostream& out,
                                  std::ostream& err);

} // namespace stakewell::cli
