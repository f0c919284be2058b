#pragma once

#include "FuzzCheck.h"
#include "PatternShape.h"

#include <array>
#include <string>
#include <string_view>

// Each result label with the display pattern it is shown through and the
// words written before the number.
struct ResultLabel {
    std::string_view name;
    std::string_view prefix;
    std::string_view pattern;
};

inline constexpr std::array<ResultLabel, 14> ResultLabels{{
    {"lbOneElectRes", "", "##0.000"},
    {"lbLinearSpace", "", "#0.00"},
    {"lbLinearElect", "", "##0.000"},
    {"lbLinearWire", "", "##0.000"},
    {"LbLinearMutual", "", "##0.000"},
    {"lbLinearTotal", "", "##0.000"},
    {"lbRectSpace", "", "#0.00"},
    {"lbRectElect", "", "##0.000"},
    {"lbRectWire", "", "##0.000"},
    {"lbRectMutual", "", "##0.000"},
    {"lbRectTotal", "", "##0.000"},
    {"lbP1", "P1 = ", "##.0"},
    {"lbP2", "P2 = ", "##.0"},
    {"lbEarthRes", "", "#,##0.00"},
}};

// A result label shows nothing (a step that faulted) or a number in its pattern.
inline void RequireEmptyOrInPattern(const ResultLabel& label, std::string_view text,
                                    std::string_view inputs) {
    if (text.empty()) {
        return;
    }
    const std::string detail =
        std::string(label.name) + " \"" + std::string(text) + "\" from " + std::string(inputs);
    Require(text.starts_with(label.prefix), "a result label begins with its words", detail);
    text.remove_prefix(label.prefix.size());
    const std::string problem = PatternShape(label.pattern).Problem(text);
    Require(problem.empty(), "a result label is empty or in its pattern", problem + ": " + detail);
}
