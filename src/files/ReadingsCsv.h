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
};

// Distance/resistance pairs, one a line, separated by a comma, a semicolon or
// a tab (the first of tab, semicolon and comma the text holds). Lines before
// the first reading that do not begin with a number are headings and are
// skipped, as are empty lines. A decimal comma is read where the separator is
// not a comma. Every reading must be one the point list takes by Add under
// `fop`'s E1 and E2, and there may be at most MaxFOPPoints of them: otherwise
// the first bad line is named and nothing is read.
CsvReadings ReadReadingsCsv(std::string_view text, const fop::FallOfPotential& fop);

// The measured points, a heading line first, comma separated, CR LF ended;
// ReadReadingsCsv reads it back.
std::string WriteReadingsCsv(const fop::FallOfPotential& fop);

} // namespace stakewell::files
