#pragma once

#include <charconv>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// The lines of a CSV text as a reader must count them: each ended by CR LF,
// LF or a lone CR, and a last one without an end when anything follows the
// last end.
inline std::vector<std::string_view> CsvLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

// The line a problem "Line N: ..." names, or nothing when it names none.
inline std::optional<std::size_t> NamedLine(std::string_view problem) {
    constexpr std::string_view Prefix = "Line ";
    if (!problem.starts_with(Prefix)) {
        return std::nullopt;
    }
    problem.remove_prefix(Prefix.size());
    std::size_t number = 0;
    const auto [stop, error] =
        std::from_chars(problem.data(), problem.data() + problem.size(), number);
    if (error != std::errc() || stop == problem.data() || *stop != ':') {
        return std::nullopt;
    }
    return number;
}

// Whether a line holds anything but blanks, as a line a reader refuses must.
inline bool HoldsText(std::string_view line) {
    return line.find_first_not_of(" \t") != std::string_view::npos;
}
