#include "graph/PlotScale.h"

#include "shared/SinglePrecision.h"

#include "shared/TextForm.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

namespace stakewell::graph {

using fop::FallOfPotential;
using shared::ToSingle;

bool Placeable(double value) {
    return std::abs(value) <= LargestPlaceable;
}

PlotSpans ComputeExtents(const FallOfPotential& fop, PlotExtents& plot) {
    plot.MaxOhms = -999.0;
    plot.MaxFeet = -999.0;
    plot.MinOhms = 9999.0;
    plot.MinFeet = 9999.0;
    for (std::size_t i = 1; i < fop.FOPPoints().size(); ++i) {
        const auto& point = fop.FOPPoints()[i];
        if (!Placeable(point.Distance) || !Placeable(point.Ohms)) {
            continue;
        }
        if (point.Ohms > plot.MaxOhms) {
            plot.MaxOhms = point.Ohms;
        }
        if (point.Distance > plot.MaxFeet) {
            plot.MaxFeet = point.Distance;
        }
        if (point.Ohms < plot.MinOhms) {
            plot.MinOhms = point.Ohms;
        }
        if (point.Distance < plot.MinFeet) {
            plot.MinFeet = point.Distance;
        }
    }
    if (plot.MaxOhms == 0.0) {
        plot.MaxOhms = 1.0;
    }
    if (plot.MaxFeet == 0.0) {
        plot.MaxFeet = 1.0;
    }
    const double p = 0.62 * fop.FOPE2Distance;
    if (Placeable(fop.FOPE2Distance)) {
        if (p > plot.MaxFeet) {
            plot.MaxFeet = 0.63 * fop.FOPE2Distance;
        }
        if (p < plot.MinFeet) {
            plot.MinFeet = 0.61 * fop.FOPE2Distance;
        }
    }
    const PlotSpans spans{plot.MaxOhms - plot.MinOhms, plot.MaxFeet - plot.MinFeet};
    if (spans.Ohms == 0.0) {
        plot.MaxOhms *= 1.25;
    }
    if (spans.Distance == 0.0) {
        plot.MaxFeet *= 1.25;
    }
    return spans;
}

namespace {

// Far from zero a span can be finer than single precision resolves; the
// plot then keeps the narrowest extent it can show rather than none.
void KeepLimitsApart(PlotExtents& plot) {
    if (plot.PlotLeft == plot.PlotRight) {
        plot.PlotLeft = std::nextafter(plot.PlotLeft, -std::numeric_limits<float>::infinity());
        plot.PlotRight = std::nextafter(plot.PlotRight, std::numeric_limits<float>::infinity());
    }
    if (plot.PlotTop == plot.PlotBottom) {
        plot.PlotTop = std::nextafter(plot.PlotTop, std::numeric_limits<float>::infinity());
        plot.PlotBottom = std::nextafter(plot.PlotBottom, -std::numeric_limits<float>::infinity());
    }
}

// Beyond this many ticks a range is no axis anyone reads.
constexpr double MostTicksCounted = 1.0e6;

} // namespace

void ComputeLimits(PlotExtents& plot) {
    const double feetSpan = plot.MaxFeet - plot.MinFeet;
    const float feetPad = ToSingle(0.1 * feetSpan - 0.01 * feetSpan);
    plot.PlotLeft = ToSingle(1000.0 * (plot.MinFeet - feetPad));
    plot.PlotRight = ToSingle(1000.0 * (feetPad + plot.MaxFeet));

    const double ohmsSpan = plot.MaxOhms - plot.MinOhms;
    const float ohmsPad = ToSingle(0.0001 * ohmsSpan - 0.01 * ohmsSpan);
    plot.PlotTop = ToSingle(1000.0 * (plot.MaxOhms - ohmsPad));
    plot.PlotBottom = ToSingle(1000.0 * (ohmsPad + plot.MinOhms));
    KeepLimitsApart(plot);
}

PlotExtents OutputLimits(const PlotExtents& plot) {
    constexpr double Margin = 0.06;
    PlotExtents output = plot;
    const double feetPad = Margin * (plot.MaxFeet - plot.MinFeet);
    output.PlotLeft = ToSingle(1000.0 * (plot.MinFeet - feetPad));
    output.PlotRight = ToSingle(1000.0 * (plot.MaxFeet + feetPad));
    const double ohmsPad = Margin * (plot.MaxOhms - plot.MinOhms);
    output.PlotTop = ToSingle(1000.0 * (plot.MaxOhms + ohmsPad));
    output.PlotBottom = ToSingle(1000.0 * (plot.MinOhms - ohmsPad));
    KeepLimitsApart(output);
    return output;
}

AxisTicks RoundTicks(double low, double high, int most) {
    if (!(high > low) || !std::isfinite(high - low) || most < 1) {
        return {};
    }
    const double magnitude = std::pow(10.0, std::floor(std::log10((high - low) / most)));
    if (!(magnitude > 0.0) || !std::isfinite(magnitude)) {
        return {};
    }
    // A tick that rounding puts a hair outside the range is still the range's.
    const double slack = 1.0e-9;
    for (const double multiple : {1.0, 2.0, 5.0, 10.0}) {
        const double step = multiple * magnitude;
        const double first = std::ceil(low / step - slack);
        const double last = std::floor(high / step + slack);
        if (!(last - first < MostTicksCounted) || last - first + 1.0 > most) {
            continue;
        }
        AxisTicks ticks{step, {}};
        for (double k = first; k <= last; k += 1.0) {
            // Adding zero turns a negative zero into the zero it reads as.
            ticks.Values.push_back(k * step + 0.0);
        }
        return ticks;
    }
    return {};
}

std::string TickLabel(double value, double step) {
    constexpr int MostDecimals = 9;
    const int decimals =
        std::clamp(static_cast<int>(-std::floor(std::log10(step))), 0, MostDecimals);
    const double shown = std::abs(value) < step / 2.0 ? 0.0 : value;
    std::array<char, 64> text{};
    if (std::abs(shown) >= 1.0e15) {
        std::snprintf(text.data(), text.size(), "%.6g", shown);
    } else {
        std::snprintf(text.data(), text.size(), "%.*f", decimals, shown);
    }
    return text.data();
}

std::vector<GridLine> GridLines(double minValue, double maxValue, double span) {
    const double last = std::trunc(maxValue);
    // nearbyint follows the default rounding mode: halves go to the even neighbour.
    const double step = std::nearbyint(span / 5.0);
    const bool descending = step < 0.0;
    std::vector<GridLine> lines;
    double value = std::trunc(minValue) + 1.0;
    while (lines.size() < static_cast<std::size_t>(MaxGridLines) &&
           (descending ? value >= last : value <= last)) {
        lines.push_back(GridLine{value, GridLabel(value)});
        value += step;
    }
    return lines;
}

std::string GridLabel(double value) {
    // Adding zero turns a negative zero into the zero it reads as.
    const double whole = value + 0.0;
    return (whole >= 0.0 ? " " : "") + shared::DoubleText(whole);
}

double SixtyTwoPercentX(const FallOfPotential& fop) {
    return (fop.FOPE2Distance - fop.FOPE1Position) * 620.0 + fop.FOPE1Position * 1000.0;
}

UserPoint PixelToUser(const PlotExtents& plot, double px, double py, double width, double height) {
    const double fx = width > 0.0 ? px / width : 0.0;
    const double fy = height > 0.0 ? py / height : 0.0;
    const double left = plot.PlotLeft;
    const double top = plot.PlotTop;
    return UserPoint{ToSingle(left + fx * (static_cast<double>(plot.PlotRight) - left)),
                     ToSingle(top + fy * (static_cast<double>(plot.PlotBottom) - top))};
}

std::string DistanceReadout(float x, shared::UnitSystem units) {
    return shared::SingleText(x / 1000.0F) + " " + shared::LengthWord(units, true);
}

std::string OhmsReadout(float y) {
    return shared::SingleText(y / 1000.0F) + " Ohms";
}

bool HasUsableScale(const PlotExtents& plot) {
    const double width = static_cast<double>(plot.PlotRight) - plot.PlotLeft;
    const double height = static_cast<double>(plot.PlotBottom) - plot.PlotTop;
    return std::isfinite(width) && std::isfinite(height) && width != 0.0 && height != 0.0;
}

} // namespace stakewell::graph
