#pragma once

#include "fop/FopAnalysis.h"

#include <string>
#include <vector>

namespace stakewell::fop {

struct Line {
    std::string Label;
    std::string Value;
};

// One labelled value a line, always the same labels in the same order, each
// number rounded as the window shows it; a value that could not be found
// reads "none (why)".
std::vector<Line> AnalysisLines(const Result& result);

// "True-resistance position" and "R at the true-resistance position", which
// AnalysisLines puts after "R at 62%" when the result holds them.
std::vector<Line> TruePositionLines(const TruePosition& position, shared::UnitSystem units);

// "Label: value" lines ended by a line feed.
std::string AnalysisListing(const Result& result);

// A short line for the status bar: readings left out, the 62% value or why
// the curve gives none, the verdict and the slope method's true resistance
// or the reading it needs.
std::string AnalysisSummary(const Result& result);

std::string VerdictText(const Flatness& flat);

// How many readings the analysis left out, and why.
std::string LeftOutText(const Result& result);

// What a marker on the plot says about the value it stands for.
std::string CurveValueTip(const CurveValue& value, shared::UnitSystem units);
std::string TrueValueTip(const SlopeMethod& slope, shared::UnitSystem units);

} // namespace stakewell::fop
