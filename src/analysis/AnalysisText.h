#pragma once

#include "analysis/FopAnalysis.h"

#include <string>
#include <vector>

namespace stakewell::analysis {

// Full: every digit a double holds (15 significant), for other programs to
// read. Rounded: as the window and the printed report show them.
enum class Digits { Full, Rounded };

struct Line {
    std::string Label;
    std::string Value;
};

// One labelled value a line, always the same labels in the same order; a
// value that could not be found reads "none (why)".
std::vector<Line> AnalysisLines(const Result& result, Digits digits);

// "Label: value" lines ended by a line feed.
std::string AnalysisListing(const Result& result, Digits digits);

// A short line for the status bar: readings left out, the 62% value, the
// verdict and the slope method's true resistance.
std::string AnalysisSummary(const Result& result);

std::string VerdictText(const Flatness& flat);

// How many readings the analysis left out, and why.
std::string LeftOutText(const Result& result);

// What a marker on the plot says about the value it stands for.
std::string CurveValueTip(const CurveValue& value);
std::string TrueValueTip(const SlopeMethod& slope);

} // namespace stakewell::analysis
