#include "files/CsvText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace stakewell::files {

std::string_view TrimmedField(std::string_view text) {
    constexpr std::string_view Blanks = " \t";
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

char CsvSeparatorOf(std::string_view text) {
    for (const char candidate : {'\t', ';'}) {
        if (text.find(candidate) != std::string_view::npos) {
            return candidate;
        }
    }
    return ',';
}

std::optional<double> CsvNumber(std::string_view field, char separator) {
    field = TrimmedField(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        field = TrimmedField(field.substr(1, field.size() - 2));
    }
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
    }
    std::string digits(field);
    if (separator != ',') {
        std::replace(digits.begin(), digits.end(), ',', '.');
    }
    double value = 0.0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> CsvFields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto stop = line.find(separator, start);
        fields.push_back(line.substr(start, stop - start));
        if (stop == std::string_view::npos) {
            break;
        }
        start = stop + 1;
    }
    while (!fields.empty() && TrimmedField(fields.back()).empty()) {
        fields.pop_back();
    }
    return fields;
}

bool BeginsWithCsvNumber(std::string_view line, char separator) {
    return CsvNumber(line.substr(0, line.find(separator)), separator).has_value();
}

std::string CsvLineProblem(std::size_t number, const std::string& what) {
    return "Line " + std::to_string(number) + ": " + what;
}

std::string_view NextCsvLine(std::string_view& text) {
    const auto end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    if (text.starts_with("\r\n")) {
        text.remove_prefix(2);
    } else if (!text.empty()) {
        text.remove_prefix(1);
    }
    return line;
}

} // namespace stakewell::files
