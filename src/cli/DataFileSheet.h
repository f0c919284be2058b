#pragma once

#include "files/DataFile.h"
#include "files/TextReport.h"
#include "fop/FopPoints.h"
#include "shared/Units.h"
#include "soil/TwoLayerSoil.h"

#include <QString>

#include <optional>

// A data file's design and readings as the window shows them once it has
// read the file, for every command that reports on a file without a window.
namespace stakewell::cli {

// The design sheet computed from the file's inputs and choices; without the
// readings and the survey, which the caller points to where it keeps them.
files::ReportContent DesignOf(const files::DataFileContent& content);

// The two-layer soil the window reads the test in: the one typed, or else the
// survey's fit.
std::optional<soil::TwoLayerSoil> LayeredSoilOf(const files::DataFileContent& content);

// "metric" or "imperial", in any case; nothing for any other name.
std::optional<shared::UnitSystem> UnitsNamed(const QString& name);
// Why a --units value is not taken, naming the two it may be.
QString UnitsRefusal(const QString& given);

// The file's work in `units`: every length and reading converted as the
// window's switch converts them, the file unchanged when it is in them already.
files::DataFileContent InUnits(const files::DataFileContent& content, shared::UnitSystem units);

// The file's readings against E2, with E1 at the origin.
fop::FallOfPotential PointsOf(const files::DataFileContent& content, double e2);

// The E2 distance the window's box takes from the file, or its initial one
// for a file that does not hold it, in the file's unit.
double FileE2(const files::DataFileContent& content);

} // namespace stakewell::cli
