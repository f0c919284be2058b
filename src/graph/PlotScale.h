#pragma once

#include "graph/PlotState.h"
#include "shared/SinglePrecision.h"

#include <string>
#include <vector>

// The arithmetic of the fall-of-potential plot, kept free of any drawing so it
// can be checked number by number.
namespace stakewell::graph {

// The ohm and distance spans taken before a zero span is widened; the grid steps
// are derived from these, not from the widened extents.
struct PlotSpans {
    double Ohms = 0.0;
    double Distance = 0.0;
};

struct GridLine {
    double Value = 0.0; // whole distance units or whole ohms
    std::string Label;
};

struct UserPoint {
    float X = 0.0F;
    float Y = 0.0F;
};

inline constexpr int MaxGridLines = 6;

using shared::ToSingle;

// Largest distance or resistance the plot places. Beyond it a reading's
// position in thousandths, with the margins around it, would leave the single
// range and take every other reading off the plot with it.
inline constexpr double LargestPlaceable = 1.0e30;
bool Placeable(double value);

// Extents of points 1..n into MaxOhms/MinOhms/MaxFeet/MinFeet; readings and an
// E2 distance that cannot be placed are left out.
PlotSpans ComputeExtents(const fop::FallOfPotential& fop, PlotExtents& plot);

// PlotLeft/Top/Right/Bottom from the extents, with the single-precision pads.
void ComputeLimits(PlotExtents& plot);

// The limits of a printed or saved plot: the extents with a margin on every
// side, so that no reading sits on the frame and is cut in half.
PlotExtents OutputLimits(const PlotExtents& plot);

// Ticks of a printed axis: the multiples of a step of 1, 2 or 5 times a power
// of ten within [low, high], with the finest such step that gives no more than
// `most` of them. None for an empty or unusable range.
struct AxisTicks {
    double Step = 0.0;
    std::vector<double> Values;
};
AxisTicks RoundTicks(double low, double high, int most);

// A tick's text, with the decimals its step needs and no more.
std::string TickLabel(double value, double step);

// The whole-number grid lines between minValue and maxValue; never more than
// MaxGridLines, whatever the step (a zero step repeats the first line).
std::vector<GridLine> GridLines(double minValue, double maxValue, double span);

// Grid label text: a non-negative number carries one leading blank.
std::string GridLabel(double value);

// Horizontal user position of the 62% line.
double SixtyTwoPercentX(const fop::FallOfPotential& fop);

// The user-scale point under a pixel of a picture of the given size, with
// the limits of the last drawing (all zero before any).
UserPoint PixelToUser(const PlotExtents& plot, double px, double py, double width, double height);

// "12.5 Feet" or "12.5 Metres": the list's own unit.
std::string DistanceReadout(float x, shared::UnitSystem units);
std::string OhmsReadout(float y);

// True when the limits describe a drawable, finite, non-degenerate scale.
bool HasUsableScale(const PlotExtents& plot);

} // namespace stakewell::graph
