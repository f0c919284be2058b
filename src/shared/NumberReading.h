#pragma once

#include <string_view>

namespace modStakewell {

// Reads the longest leading number of a text the way a person typing into a
// field expects: blanks, tabs and line feeds are skipped wherever they stand,
// a comma ends the number, "&H"/"&O" introduce hexadecimal/octal integers, and
// a text that does not begin with a number reads as 0. Never fails: a
// magnitude beyond the double range is held at the largest finite double.
double ReadNumber(std::string_view text);

} // namespace modStakewell
