#pragma once

#include "calc/DesignSheet.h"

#include <algorithm>
#include <array>
#include <string>

// The names of the eleven design labels in display order.
inline constexpr std::array<const char*, 11> DesignLabelNames = {
    "lbOneElectRes",  "lbLinearSpace", "lbLinearElect", "lbLinearWire",
    "LbLinearMutual", "lbLinearTotal", "lbRectSpace",   "lbRectElect",
    "lbRectWire",     "lbRectMutual",  "lbRectTotal"};

// The eleven design labels in display order, for comparing against a row of
// expected texts.
inline std::array<std::string, 11> DesignLabelTexts(const stakewell::calc::SheetResults& results) {
    std::array<std::string, 11> texts;
    std::copy_n(results.Texts.begin(), texts.size(), texts.begin());
    return texts;
}
