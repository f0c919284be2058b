#include "soil/SurveyChange.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace stakewell::soil {

namespace {

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool SameReading(const analysis::SoilReading& a, const analysis::SoilReading& b) {
    return Same(a.spacing, b.spacing) && Same(a.ohms, b.ohms) &&
           Same(a.potentialSpacing, b.potentialSpacing) &&
           a.probeDepth.has_value() == b.probeDepth.has_value() &&
           (!a.probeDepth || Same(*a.probeDepth, *b.probeDepth));
}

} // namespace

bool SameSurvey(const analysis::SoilSurvey& a, const analysis::SoilSurvey& b) {
    return a.array == b.array && a.unit == b.unit &&
           std::equal(a.readings.begin(), a.readings.end(), b.readings.begin(), b.readings.end(),
                      SameReading);
}

SurveyChange::SurveyChange(analysis::SoilSurvey before, analysis::SoilSurvey after,
                           TableShows onFirstRedo, Apply apply)
    : before(std::move(before)), after(std::move(after)), onFirstRedo(onFirstRedo),
      apply(std::move(apply)) {}

void SurveyChange::undo() {
    apply(before, TableShows::Afresh);
}

// The stack redoes a change as it is pushed; only that first time can the
// table already show it.
void SurveyChange::redo() {
    apply(after, std::exchange(onFirstRedo, TableShows::Afresh));
}

} // namespace stakewell::soil
