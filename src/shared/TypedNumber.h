#pragma once

#include "shared/Units.h"

#include <optional>
#include <string>
#include <string_view>

namespace stakewell::shared {

// How a box reads what is typed into it beyond the lenient number reading.
struct TypedContext {
    // In a metric work, and wherever the user's locale writes one, a comma
    // is a decimal mark: "3,5" is 3.5.
    bool decimalComma = false;
    // A length box: a length typed with its unit ("3 m", "16 mm", "10 ft",
    // "0.625 in") is converted into the box's unit, whichever it is.
    std::optional<Measure> measure;
    UnitSystem units = UnitSystem::Imperial;
};

struct TypedNumber {
    // The text the number reader is to take, with a decimal point and in the
    // box's unit; the text as typed when neither applies, so that the
    // lenient reading stays as it was. Empty when refused.
    std::string text;
    // Why the text is refused: it could be read two ways ("1,000").
    std::string refusal;
    // How a unit typed with the number was converted: "Read as 9.84251968504
    // ft: converted from 3 m."
    std::string conversion;
};

TypedNumber ReadTyped(std::string_view typed, const TypedContext& context);

} // namespace stakewell::shared
