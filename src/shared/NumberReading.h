#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stakewell::shared {

// Reads the longest leading number of a text the way a person typing into a
// field expects: blanks, tabs and line feeds are skipped wherever they stand,
// a comma ends the number, "&H"/"&O" introduce hexadecimal/octal integers, and
// a text that does not begin with a number reads as 0. Never fails: a
// magnitude beyond the double range is held at the largest finite double.
double ReadNumber(std::string_view text);

struct NumberRead {
    double value = 0.0;
    bool anyDigit = false;
    // False when part of the text was ignored, or nothing in it was a number;
    // a text of blanks only counts as read in full.
    bool readInFull = true;
    // True when blanks were skipped between its characters ("2 5" reads as
    // 25), which a reading that must be typed as one number refuses.
    bool blanksInside = false;
};

// ReadNumber, also telling whether the whole text went into the number.
NumberRead ReadLeadingNumber(std::string_view text);

// Why a typed reading that must be wholly a number is refused: "\"3,5\" is
// not a number. Did you mean 3.5? Write the decimal point as \".\"." (a
// comma is the decimal point in much of the world); nothing when the text,
// without its outer blanks, is one number with no blank inside it.
std::optional<std::string> NotANumberReason(std::string_view typed);

} // namespace stakewell::shared
