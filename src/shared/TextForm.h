#pragma once

#include <cstdint>
#include <string>

namespace stakewell::shared {

// Plain text forms used wherever a number is written without a display
// pattern. Trailing zeros and a bare point are dropped; magnitudes that the
// plain form cannot show come out as e.g. "1.5E+20", which ReadNumber reads back.
std::string DoubleText(double value); // at most 15 significant digits
std::string SingleText(float value);  // at most 7 significant digits
std::string IntegerText(std::int64_t value);
// The shortest text that reads back as the very same double, for values a
// file keeps rather than shows.
std::string ExactText(double value);

} // namespace stakewell::shared
