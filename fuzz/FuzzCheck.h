#pragma once

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A property every input must keep. A broken one stops the run with a message
// and an abort, which the fuzzer reports and saves the input for.
inline void Require(bool holds, std::string_view what, std::string_view detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "\nProperty broken: %.*s\n  %.*s\n", static_cast<int>(what.size()),
                     what.data(), static_cast<int>(detail.size()), detail.data());
        std::abort();
    }
}

// The shortest text that reads back as exactly this double.
inline std::string Exact(double value) {
    std::string text(32, ' ');
    text.resize(static_cast<std::size_t>(
        std::to_chars(text.data(), text.data() + text.size(), value).ptr - text.data()));
    return text;
}
