#pragma once

#include "soil/SoilReadings.h"

#include <cstddef>
#include <vector>

namespace stakewell::soil {

// How far the design may lean on a fit: good with an RMS misfit of at most 5 %
// and no reading more than 10 % off, usable with an RMS misfit of at most 10 %.
// Not assessed where the readings stand at only three spacings: the model's
// three unknowns then meet them whatever the soil, and a small misfit says
// nothing of it; a large one there is poor, as two layers cannot make those
// readings at all.
enum class FitGrade { Good, Usable, Poor, NotAssessed };

// "good", "usable", "poor" or "not assessed".
const char* GradeName(FitGrade grade);

// The grade by the misfit alone.
FitGrade GradeOf(double rmsPercent, const std::vector<double>& residualsPercent);

// A fit whose best soil lies on the edge of its search is poor whatever its
// misfit: the readings then bound that soil without fixing it.
struct FitEvidence {
    double rmsPercent = 0.0;
    std::vector<double> residualsPercent;
    std::size_t spacings = 0; // distinct ones
    bool onSearchEdge = false;
};

FitGrade GradeOf(const FitEvidence& evidence);

// Whether a reading between the end ones (`bySpacing` in order of spacing)
// reads below 0.9 times the smaller end reading or above 1.1 times the
// larger: a dip or a hump no two layers can make.
bool ThreeLayersLikely(const std::vector<SoilPoint>& bySpacing);

} // namespace stakewell::soil
