#include "soil/SoilVerdict.h"

#include <algorithm>
#include <cmath>

namespace stakewell::soil {

const char* GradeName(FitGrade grade) {
    switch (grade) {
    case FitGrade::Good:
        return "good";
    case FitGrade::Usable:
        return "usable";
    case FitGrade::NotAssessed:
        return "not assessed";
    case FitGrade::Poor:
        break;
    }
    return "poor";
}

FitGrade GradeOf(double rmsPercent, const std::vector<double>& residualsPercent) {
    const bool noneFar = std::all_of(residualsPercent.begin(), residualsPercent.end(),
                                     [](double r) { return std::fabs(r) <= 10.0; });
    if (rmsPercent <= 5.0 && noneFar) {
        return FitGrade::Good;
    }
    return rmsPercent <= 10.0 ? FitGrade::Usable : FitGrade::Poor;
}

FitGrade GradeOf(const FitEvidence& evidence) {
    if (evidence.onSearchEdge) {
        return FitGrade::Poor;
    }
    const FitGrade byMisfit = GradeOf(evidence.rmsPercent, evidence.residualsPercent);
    if (evidence.spacings > 3) {
        return byMisfit;
    }
    return byMisfit == FitGrade::Good ? FitGrade::NotAssessed : FitGrade::Poor;
}

bool ThreeLayersLikely(const std::vector<SoilPoint>& bySpacing) {
    if (bySpacing.size() < 3) {
        return false;
    }
    const double first = bySpacing.front().ohmMetres;
    const double last = bySpacing.back().ohmMetres;
    const double below = 0.9 * std::min(first, last);
    const double above = 1.1 * std::max(first, last);
    return std::any_of(bySpacing.begin() + 1, bySpacing.end() - 1, [&](const SoilPoint& p) {
        return p.ohmMetres < below || p.ohmMetres > above;
    });
}

} // namespace stakewell::soil
