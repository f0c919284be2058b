// The lenient number reading takes any text, and reads back exactly what the
// plain text forms write for every finite double and float.
#include "FuzzCheck.h"

#include "shared/NumberReading.h"
#include "shared/TextForm.h"
#include "shared/TypedNumber.h"
#include "shared/Units.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using stakewell::shared::DoubleText;
using stakewell::shared::ReadNumber;
using stakewell::shared::SingleText;

std::string Show(double value, const std::string& text) {
    return Exact(value) + " written \"" + text + '"';
}

// The text form keeps 15 significant digits, so one trip may round; from then
// on the value must stay put, and never drift further than that rounding.
void CheckDouble(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    const std::string text = DoubleText(value);
    const double once = ReadNumber(text);
    Require(std::fabs(once - value) <= std::fabs(value) * 1e-14 + DBL_TRUE_MIN,
            "DoubleText read back is the value to 15 digits", Show(value, text));
    Require(ReadNumber(DoubleText(once)) == once, "DoubleText read back twice is stable",
            Show(once, DoubleText(once)));
}

// A single is held as the double read, brought to single precision.
float ReadSingle(std::string_view text) {
    const double value = ReadNumber(text);
    Require(std::fabs(value) <= FLT_MAX * (1.0 + 1e-6), "SingleText reads within the float range",
            std::string(text));
    return static_cast<float>(std::fmax(-FLT_MAX, std::fmin(FLT_MAX, value)));
}

void CheckSingle(float value) {
    if (!std::isfinite(value)) {
        return;
    }
    const std::string text = SingleText(value);
    const float once = ReadSingle(text);
    Require(std::fabs(static_cast<double>(once) - value) <=
                std::fabs(static_cast<double>(value)) * 1e-6 + FLT_TRUE_MIN,
            "SingleText read back is the value to 7 digits", Show(value, text));
    Require(ReadSingle(SingleText(once)) == once, "SingleText read back twice is stable",
            Show(once, SingleText(once)));
}

// A typed text is read one way, refused with a reason, or left to the
// lenient reading untouched; a converted value reads back as itself to the
// twelve digits it is written with.
void CheckTyped(std::string_view text) {
    using namespace stakewell::shared;
    for (const bool comma : {false, true}) {
        for (const auto units : {UnitSystem::Imperial, UnitSystem::Metric}) {
            for (const auto measure : {std::optional<Measure>{}, std::optional{Measure::Length},
                                       std::optional{Measure::Diameter}}) {
                const TypedNumber typed = ReadTyped(text, {comma, measure, units});
                Require(typed.refusal.empty() || (typed.text.empty() && typed.conversion.empty()),
                        "a refused text is given no number", std::string(text));
                Require(comma || !typed.conversion.empty() || typed.text == text ||
                            ReadNumber(typed.text) == ReadNumber(text),
                        "without a comma or a unit the text is read as it stands",
                        std::string(text));
                const double value = ReadNumber(typed.text);
                const double converted = ReadNumber(ConvertedText(value));
                Require(std::fabs(converted - value) <= std::fabs(value) * 1e-11 + DBL_MIN,
                        "a converted value reads back to its digits", std::string(text));
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const stakewell::shared::NumberRead read = stakewell::shared::ReadLeadingNumber(text);
    Require(std::isfinite(read.value), "a reading is always finite", text);
    Require(read.anyDigit || read.value == 0.0, "a text without digits reads as 0", text);
    Require(ReadNumber(text) == read.value, "both readings agree", text);

    CheckDouble(read.value);
    CheckTyped(text);
    if (std::fabs(read.value) <= FLT_MAX) {
        CheckSingle(static_cast<float>(read.value));
    }
    // Every bit pattern the input holds, as a double and as a float.
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data + at, sizeof value);
        CheckDouble(value);
    }
    for (std::size_t at = 0; at + sizeof(float) <= size; at += sizeof(float)) {
        float value = 0.0F;
        std::memcpy(&value, data + at, sizeof value);
        CheckSingle(value);
    }
    return 0;
}
