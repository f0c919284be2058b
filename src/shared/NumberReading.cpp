#include "shared/NumberReading.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <optional>
#include <string>

namespace stakewell::shared {
namespace {

// Walks a text while skipping the blanks a person may have typed between
// digits; any other character that does not fit ends the number.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(std::string_view text) : text_(text) { SkipBlanks(); }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool AtEnd() const { return pos_ == text_.size(); }
    void Advance() {
        blanksInside_ = blanksInside_ || gapBefore_;
        ++pos_;
        gapBefore_ = SkipBlanks();
    }
    // True once a blank was skipped between two characters of the number.
    bool BlanksInside() const { return blanksInside_; }
    bool Take(char wanted) {
        if (Peek() != wanted) {
            return false;
        }
        Advance();
        return true;
    }

private:
    bool SkipBlanks() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n')) {
            ++pos_;
        }
        return pos_ != start;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool gapBefore_ = false;
    bool blanksInside_ = false;
};

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c, int radix) {
    int value = radix;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < radix ? value : -1;
}

double ReadRadixInteger(BlankSkippingCursor& cursor, int radix, bool& anyDigit) {
    double value = 0.0;
    anyDigit = DigitValue(cursor.Peek(), radix) >= 0;
    for (int digit = DigitValue(cursor.Peek(), radix); digit >= 0;
         digit = DigitValue(cursor.Peek(), radix)) {
        value = value * radix + digit;
        cursor.Advance();
    }
    return value > DBL_MAX ? DBL_MAX : value;
}

// Keeps the exponent bounded so that a long run of exponent digits cannot
// overflow; anything this large is out of the double range anyway.
constexpr int ExponentLimit = 100000;

double ReadDecimal(BlankSkippingCursor& cursor, bool& anyDigit) {
    std::string digits;
    if (cursor.Peek() == '-' || cursor.Peek() == '+') {
        if (cursor.Peek() == '-') {
            digits += '-';
        }
        cursor.Advance();
    }
    // Power of ten of the first non-zero digit, to tell an overflow from an
    // underflow when the value does not fit a double.
    std::optional<int> leadingPower;
    std::string integerPart;
    while (IsDecimalDigit(cursor.Peek())) {
        integerPart += cursor.Peek();
        anyDigit = true;
        cursor.Advance();
    }
    digits += integerPart;
    if (const auto first = integerPart.find_first_not_of('0'); first != std::string::npos) {
        leadingPower = static_cast<int>(integerPart.size() - first) - 1;
    }
    if (cursor.Take('.')) {
        digits += '.';
        int fractionDigits = 0;
        while (IsDecimalDigit(cursor.Peek())) {
            ++fractionDigits;
            if (cursor.Peek() != '0' && !leadingPower) {
                leadingPower = -fractionDigits;
            }
            digits += cursor.Peek();
            anyDigit = true;
            cursor.Advance();
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    int exponent = 0;
    if (cursor.Peek() == 'E' || cursor.Peek() == 'e') {
        cursor.Advance();
        bool negative = false;
        if (cursor.Peek() == '-' || cursor.Peek() == '+') {
            negative = cursor.Peek() == '-';
            cursor.Advance();
        }
        while (IsDecimalDigit(cursor.Peek())) {
            if (exponent < ExponentLimit) {
                exponent = exponent * 10 + (cursor.Peek() - '0');
            }
            cursor.Advance();
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    digits += 'e';
    digits += std::to_string(exponent);

    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool negative = digits.front() == '-';
        const bool tooLarge = leadingPower && *leadingPower + exponent > 0;
        value = tooLarge ? DBL_MAX : 0.0;
        return negative ? -value : value;
    }
    return value;
}

} // namespace

NumberRead ReadLeadingNumber(std::string_view text) {
    BlankSkippingCursor cursor(text);
    if (cursor.AtEnd()) {
        return {0.0, false, true};
    }
    bool anyDigit = false;
    double value = 0.0;
    if (cursor.Peek() == '&') {
        cursor.Advance();
        if (cursor.Take('H') || cursor.Take('h')) {
            value = ReadRadixInteger(cursor, 16, anyDigit);
        } else if (cursor.Take('O') || cursor.Take('o')) {
            value = ReadRadixInteger(cursor, 8, anyDigit);
        }
    } else {
        value = ReadDecimal(cursor, anyDigit);
    }
    return {value, anyDigit, anyDigit && cursor.AtEnd(), cursor.BlanksInside()};
}

double ReadNumber(std::string_view text) {
    return ReadLeadingNumber(text).value;
}

std::optional<std::string> NotANumberReason(std::string_view typed) {
    const std::string_view blanks = " \t\r\n";
    const std::size_t first = typed.find_first_not_of(blanks);
    const std::string_view inner =
        first == std::string_view::npos
            ? std::string_view()
            : typed.substr(first, typed.find_last_not_of(blanks) - first + 1);
    const NumberRead read = ReadLeadingNumber(inner);
    if (read.anyDigit && read.readInFull && !read.blanksInside) {
        return std::nullopt;
    }
    std::string reason = "\"" + std::string(inner) + "\" is not a number.";
    if (inner.find(',') != std::string_view::npos) {
        std::string pointed(inner);
        std::replace(pointed.begin(), pointed.end(), ',', '.');
        const NumberRead again = ReadLeadingNumber(pointed);
        if (again.anyDigit && again.readInFull) {
            reason += " Did you mean " + pointed + "?";
        }
        reason += " Write the decimal point as \".\".";
    }
    return reason;
}

} // namespace stakewell::shared
