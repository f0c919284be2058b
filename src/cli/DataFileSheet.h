#pragma once

#include "files/DataFile.h"
#include "files/TextReport.h"
#include "fop/FopPoints.h"

// A data file's design and readings as the window shows them once it has
// read the file, for every command that reports on a file without a window.
namespace stakewell::cli {

// The design sheet computed from the file's inputs and choices; without the
// readings and the survey, which the caller points to where it keeps them.
files::ReportContent DesignOf(const files::DataFileContent& content);

// The file's readings against E2, with E1 at the origin.
fop::FallOfPotential PointsOf(const files::DataFileContent& content, double e2);

// The E2 distance the window's box takes from the file, or its initial one
// for a file that does not hold it.
double FileE2(const files::DataFileContent& content);

} // namespace stakewell::cli
