#pragma once

#include "calc/Recalculate.h"

#include <array>
#include <string>

// The names of the eleven design labels in display order.
inline constexpr std::array<const char*, 11> DesignLabelNames = {
    "lbOneElectRes",  "lbLinearSpace", "lbLinearElect", "lbLinearWire",
    "LbLinearMutual", "lbLinearTotal", "lbRectSpace",   "lbRectElect",
    "lbRectWire",     "lbRectMutual",  "lbRectTotal"};

// The eleven design labels in display order, for comparing against a row of
// expected texts.
inline std::array<std::string, 11> DesignLabelTexts(const modStakewell::RecalcLabels& l) {
    return {l.lbOneElectRes,  l.lbLinearSpace, l.lbLinearElect, l.lbLinearWire,
            l.LbLinearMutual, l.lbLinearTotal, l.lbRectSpace,   l.lbRectElect,
            l.lbRectWire,     l.lbRectMutual,  l.lbRectTotal};
}
