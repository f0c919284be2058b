#pragma once

#include <string>
#include <string_view>

namespace stakewell::shared {

// Formats a value through a numeric display pattern such as "##0.000",
// "#,##0.00", "##0.0##" or "##0.0%". Halves round away from zero, decided on
// the value's 15-significant-digit decimal form so that what a person reads
// as 2.675 shows as 2.68. NaN and infinities give the empty text.
std::string FormatPattern(double value, std::string_view pattern);

} // namespace stakewell::shared
