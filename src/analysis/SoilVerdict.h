#pragma once

#include "analysis/SoilReadings.h"

#include <vector>

namespace stakewell::analysis {

// How far the design may lean on a fit: good with an RMS misfit of at most 5 %
// and no reading more than 10 % off, usable with an RMS misfit of at most 10 %.
enum class FitGrade { Good, Usable, Poor };

FitGrade GradeOf(double rmsPercent, const std::vector<double>& residualsPercent);

// Whether a reading between the end ones (`bySpacing` in order of spacing)
// reads below 0.9 times the smaller end reading or above 1.1 times the
// larger: a dip or a hump no two layers can make.
bool ThreeLayersLikely(const std::vector<SoilPoint>& bySpacing);

} // namespace stakewell::analysis
