#pragma once

#include <cctype>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// A test name for one row of a table, built from the row's number and its own
// texts, so that ctest lists and a failure names the row the same way on every
// run. Test names hold only letters, digits and underscores: signs are spelt
// out, any other run of characters becomes one underscore, and an empty text
// reads "empty".
inline std::string CaseName(std::size_t row, std::initializer_list<std::string_view> texts) {
    std::string name = "row" + std::to_string(row);
    for (const std::string_view text : texts) {
        name += '_';
        if (text.empty()) {
            name += "empty";
            continue;
        }
        bool gap = false;
        for (const char ch : text) {
            std::string_view word;
            if (ch == '-') {
                word = "minus";
            } else if (ch == '+') {
                word = "plus";
            } else if (std::isalnum(static_cast<unsigned char>(ch)) == 0) {
                gap = true;
                continue;
            }
            if (gap && name.back() != '_') {
                name += '_';
            }
            gap = false;
            if (word.empty()) {
                name += ch;
            } else {
                name += word;
            }
        }
    }
    return name;
}
