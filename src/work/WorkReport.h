#pragma once

#include "files/TextReport.h"
#include "work/SiteWork.h"

namespace stakewell::work {

// What the reports copy from the work: the inputs as typed, the results as
// shown with their notes, the readings, the survey and the record, and the
// design computed in the work's soil model when it holds or has one typed. The
// report refers to the work's readings and survey, so it lasts no longer.
files::ReportContent WorkReport(const SiteWork& work, double tolerancePercent);

} // namespace stakewell::work
