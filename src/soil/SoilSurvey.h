#pragma once

#include "soil/SoilFit.h"
#include "soil/SoilReadings.h"

#include <optional>
#include <string>
#include <vector>

namespace stakewell::soil {

// A resistivity survey of the site: the array, the unit its lengths were
// written in and its readings as taken.
struct SoilSurvey {
    SoilArray array = SoilArray::Wenner;
    LengthUnit unit = LengthUnit::Feet;
    std::vector<SoilReading> readings;
    // The number of layers the user chose to be shown; 0 leaves it to the
    // data.
    std::size_t chosenLayers = 0;

    // A survey exists once it holds a reading; until then nothing of it is
    // kept or printed.
    bool Exists() const { return !readings.empty(); }
    bool operator==(const SoilSurvey&) const = default;
};

// Whether two surveys hold the same readings, a cell not read (NaN) being
// the same as another: operator== would see every change in them.
bool SameSurvey(const SoilSurvey& a, const SoilSurvey& b);

// The survey read: each reading's apparent point, the fit of those not left
// out, or why there is none (a refused reading, or fewer than three to fit).
// A reading left out must still be sound: it stays in the survey and its
// lines.
struct SoilAnalysis {
    std::vector<SoilPoint> points;
    std::optional<SoilFit> fit;
    std::string problem;
};

SoilAnalysis AnalyseSoil(const SoilSurvey& survey);

// Whether the readings name more than one traverse, the unnamed one counting
// as one.
bool SeveralTraverses(const SoilSurvey& survey);

// What sets a reading apart, as the lines append it: ", traverse N-S" (or
// ", unnamed traverse") when `namesTraverse`, as for a survey with several,
// and ", left out" when it is; empty otherwise.
std::string ReadingMarks(const SoilReading& reading, bool namesTraverse);

// The fit's grade with, where it is not the misfit's, why: "good", "not
// assessed: three readings fit any two-layer model exactly".
std::string GradeText(const SoilFit& fit);

const char* UnitWord(LengthUnit unit); // "feet" or "metres"
// A length as the lines write it, with its unit: "1 foot", "2.5 metres".
std::string LengthText(double length, LengthUnit unit);

// A figure to `decimals` places, as "0.0" shows it; one too small to show a
// digit there gets the two significant digits it needs instead ("0.00019",
// "1.9E-07"), so that no figure above 0 reads as 0.
std::string FigureText(double value, int decimals);

// The design's rod: its length in feet, as the formulas take it, and the
// unit the lines write it in, the work's own.
struct DesignRod {
    double feet = 0.0;
    LengthUnit shownIn = LengthUnit::Feet;
    // Its length in the unit it is written in.
    double Shown() const;
};

// The figures a design takes from the survey, one a line, each "Name: figure
// unit" with the figure the first number after the colon: the layers with
// their 68 % ranges, the misfit and grade, the mean and mid-range apparent
// resistivities, with `rod` the resistivity a rod of that length sees,
// any note, a caution for probes as deep as their spacing, then each
// reading's apparent resistivity with its ReadingMarks. Without a fit the
// problem comes first and the layers are left out.
std::vector<std::string> SoilLines(const SoilSurvey& survey, const SoilAnalysis& analysis,
                                   std::optional<DesignRod> rod);

} // namespace stakewell::soil
