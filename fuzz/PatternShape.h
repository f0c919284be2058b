#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

// What a display pattern allows a shown text to look like, worked out apart
// from the formatter so that the two can be checked against each other: an
// optional "-", the integer digits (grouped by thousands when the pattern has
// a ","; at least as many as the pattern's "0"s before its point, with no
// further leading zero), the point whenever the pattern has decimals, the
// required decimals and then optional ones without a trailing zero, and "%".
class PatternShape {
public:
    explicit PatternShape(std::string_view pattern) {
        bool afterPoint = false;
        for (const char c : pattern) {
            if (c == '.') {
                afterPoint = true;
            } else if (c == ',') {
                grouping = true;
            } else if (c == '%') {
                percent = true;
            } else if (c == '0') {
                ++(afterPoint ? requiredDecimals : minIntegerDigits);
            } else if (c == '#' && afterPoint) {
                ++optionalDecimals;
            }
        }
    }

    int Decimals() const { return requiredDecimals + optionalDecimals; }
    bool Percent() const { return percent; }

    // Empty when the text fits, otherwise what is wrong with it.
    std::string Problem(std::string_view text) const {
        for (std::string_view word : {"nan", "inf"}) {
            if (ContainsIgnoringCase(text, word)) {
                return "shows " + std::string(word);
            }
        }
        std::string_view rest = text;
        const bool negative = rest.starts_with('-');
        rest.remove_prefix(negative ? 1 : 0);
        if (percent) {
            if (!rest.ends_with('%')) {
                return "no percent sign";
            }
            rest.remove_suffix(1);
        }
        const std::size_t point = rest.find('.');
        const std::string_view integerPart = rest.substr(0, point);
        const std::string_view fraction =
            point == std::string_view::npos ? std::string_view() : rest.substr(point + 1);
        if ((point != std::string_view::npos) != (Decimals() > 0)) {
            return "decimal point where the pattern has no decimals, or none where it has";
        }
        std::string digits;
        if (std::string problem = IntegerProblem(integerPart, digits); !problem.empty()) {
            return problem;
        }
        if (!AllDigits(fraction) || fraction.size() < static_cast<std::size_t>(requiredDecimals) ||
            fraction.size() > static_cast<std::size_t>(Decimals())) {
            return "decimals not as many as the pattern asks";
        }
        if (fraction.size() > static_cast<std::size_t>(requiredDecimals) &&
            fraction.back() == '0') {
            return "an optional decimal shows a trailing zero";
        }
        if (digits.empty() && fraction.empty()) {
            return "no digit at all";
        }
        const bool allZero = digits.find_first_not_of('0') == std::string::npos &&
                             fraction.find_first_not_of('0') == std::string_view::npos;
        if (negative && allZero) {
            return "a sign before zero";
        }
        return {};
    }

private:
    static bool ContainsIgnoringCase(std::string_view text, std::string_view word) {
        return std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == b;
               }) != text.end();
    }

    static bool AllDigits(std::string_view text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    }

    std::string IntegerProblem(std::string_view integerPart, std::string& digits) const {
        for (std::size_t i = 0; i < integerPart.size(); ++i) {
            const char c = integerPart[i];
            const bool groupMark = grouping && i > 0 && (integerPart.size() - i) % 4 == 0;
            if (groupMark ? c != ',' : (c < '0' || c > '9')) {
                return "integer digits not grouped as the pattern asks";
            }
            if (!groupMark) {
                digits += c;
            }
        }
        // Grouped digits leave one to three in front of the first mark.
        if (grouping && !integerPart.empty() && integerPart.size() % 4 == 0) {
            return "a group mark in front";
        }
        if (digits.size() < static_cast<std::size_t>(minIntegerDigits)) {
            return "fewer integer digits than the pattern's zeros";
        }
        const std::size_t shortest = std::max<std::size_t>(minIntegerDigits, 1);
        if (digits.size() > shortest && digits.front() == '0') {
            return "a leading zero the pattern does not ask for";
        }
        return {};
    }

    int minIntegerDigits = 0;
    int requiredDecimals = 0;
    int optionalDecimals = 0;
    bool grouping = false;
    bool percent = false;
};
