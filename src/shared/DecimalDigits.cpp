#include "shared/DecimalDigits.h"

#include <array>
#include <charconv>
#include <cstdlib>

namespace stakewell::shared {

DecimalDigits SignificantDigits(double magnitude, int significantDigits) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto exponentAt = text.find('e');
    DecimalDigits out;
    for (const char c : text.substr(0, exponentAt)) {
        if (c != '.') {
            out.digits += c;
        }
    }
    out.pointPosition = std::atoi(std::string(text.substr(exponentAt + 1)).c_str()) + 1;
    return out;
}

} // namespace stakewell::shared
