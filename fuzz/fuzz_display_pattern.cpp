// Any value through any pattern: a non-finite value shows nothing, every other
// value shows a text of the pattern's shape that reads as the value rounded to
// the pattern's last decimal.
#include "FuzzCheck.h"
#include "PatternShape.h"

#include "shared/DisplayPattern.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The patterns the program's labels use; random patterns are mixed in.
constexpr std::array<std::string_view, 8> LabelPatterns{"##0.000", "#0.00",   "##.0",   "#,##0.00",
                                                        "#0.0",    "##0.0##", "##0.0%", "0.0000"};

// Read in extended precision: the largest doubles show, rounded to 15 digits,
// a little beyond the double range.
long double ShownValue(const std::string& text) {
    std::string plain;
    for (const char c : text) {
        if (c != ',' && c != '%') {
            plain += c;
        }
    }
    return std::strtold(plain.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + sizeof(double)) {
        return 0;
    }
    double value = 0.0;
    std::memcpy(&value, data + 1, sizeof value);
    std::string_view pattern(reinterpret_cast<const char*>(data) + 1 + sizeof value,
                             size - 1 - sizeof value);
    if (data[0] % 2 == 0) {
        pattern = LabelPatterns[(data[0] / 2) % LabelPatterns.size()];
    }
    const std::string text = stakewell::shared::FormatPattern(value, pattern);

    const PatternShape shape(pattern);
    const double scaled = shape.Percent() ? value * 100.0 : value;
    const std::string detail =
        "value " + Exact(value) + " pattern \"" + std::string(pattern) + "\" text \"" + text + '"';
    if (!std::isfinite(scaled)) {
        Require(text.empty(), "a value that cannot be shown gives the empty text", detail);
        return 0;
    }
    const std::string problem = shape.Problem(text);
    Require(problem.empty(), "the text is in its pattern's shape", problem + ": " + detail);
    // Rounded at the last decimal shown, judged on 15 significant digits.
    const long double halfStep = 0.5L * std::pow(10.0L, -shape.Decimals());
    const long double error = std::fabs(ShownValue(text) - scaled);
    Require(error <= halfStep * (1 + 1e-9L) + std::fabs(scaled) * 1e-14L,
            "the text reads as the value rounded to the pattern's decimals", detail);
    return 0;
}
