#pragma once

#include "soil/SoilReadings.h"

#include <string>
#include <string_view>
#include <vector>

namespace stakewell::files {

// Soil readings taken from a CSV text: all of them, or none and the reason.
struct SoilCsvReadings {
    std::vector<soil::SoilReading> readings;
    std::string problem; // empty when every line was read
};

// One reading a line, fields separated by the first of tab, semicolon and
// comma the text holds outside double quotes: "spacing, resistance[, probe depth]" for a Wenner
// traverse, "AB/2, MN, resistance" for a Schlumberger sounding, lengths in
// `unit`. Lines before the first reading that do not begin with a number are
// headings and are skipped, as are empty lines; a field may stand in double
// quotes, and a decimal comma is read where the separator is not a comma.
// A heading each field of which names a column, in any case and with any
// unit in brackets after it ("a", "Spacing", "AB/2", "MN", "R", "Resistance",
// "Ohms", "Depth", "Probe depth", "Traverse", "Left out", "Omit"), has the
// readings after it read by those names in its order; a name left empty,
// a probe depth left empty and a left-out mark left empty or "no" (or "0")
// stand for none. A heading that names a column twice, lacks one the array
// needs or names one it has not is refused at its line.
// A line that is not such numbers, or a reading soil::ReadingRefusal
// refuses, or one beyond soil::MaxSoilReadings, is named by its 1-based
// number and nothing is read.
SoilCsvReadings ReadSoilCsv(std::string_view text, soil::SoilArray array, soil::LengthUnit unit);

// A heading line, then the readings, comma separated and CR LF ended, each
// number in the shortest form that reads back as the same double: ReadSoilCsv
// gives back exactly the readings it was given, when it takes them at all.
// Only readings that name a traverse or are left out add the columns
// "Traverse" and "Left out", each name in quotes and each mark "yes" or "no".
std::string WriteSoilCsv(const std::vector<soil::SoilReading>& readings, soil::SoilArray array,
                         soil::LengthUnit unit);

} // namespace stakewell::files
