#pragma once

#include "fop/FopPoints.h"

#include <string>
#include <string_view>
#include <vector>

namespace stakewell::files {

// Readings taken from a CSV text: all of them, or none and the reason.
struct CsvReadings {
    std::vector<fop::FOPPoint> Readings;
    std::string Problem; // empty when every line was read
    // How the distances were taken where the list's unit could be in doubt:
    // converted from the unit a heading names, or, with no heading naming
    // one, read in a metric list's metres. Empty otherwise.
    std::string Note;
};

// Distance/resistance pairs, one a line, separated by a comma, a semicolon or
// a tab (the first of tab, semicolon and comma the text holds). Lines before
// the first reading that do not begin with a number are headings and are
// skipped, as are empty lines; a heading whose first field names feet ("Feet",
// "ft") or metres ("Metres", "Meters", "m") gives the distances' unit, and
// they are converted into `fop`'s. A decimal comma is read where the separator is
// not a comma. Every reading must be one the point list takes by Add under
// `fop`'s E1 and E2, and there may be at most MaxFOPPoints of them: otherwise
// the first bad line is named and nothing is read.
CsvReadings ReadReadingsCsv(std::string_view text, const fop::FallOfPotential& fop);

// The measured points, a heading naming their unit first, comma separated,
// CR LF ended;
// ReadReadingsCsv reads it back.
std::string WriteReadingsCsv(const fop::FallOfPotential& fop);

} // namespace stakewell::files
