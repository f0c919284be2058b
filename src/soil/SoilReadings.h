#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace stakewell::soil {

// How the four electrodes of a soil resistivity reading stand.
enum class SoilArray { Wenner, Schlumberger };

// The unit a survey's spacings are written in; feet is the program's own.
enum class LengthUnit { Feet, Metres };

inline constexpr double MetresPerFoot = 0.3048;

// A survey longer than this is refused: the fit's cost grows with every
// reading, and no traverse taken by hand comes near it.
inline constexpr std::size_t MaxSoilReadings = 1000;

// A larger resistance is refused: no earth tester reads one. The fit's
// search, which reaches a thousand times beyond the readings, overflows a
// double from resistivities near 10^305; this keeps any spacing taken by hand
// far from that.
inline constexpr double MaxSoilOhms = 1e9;

double Metres(double length, LengthUnit unit);

// One reading as taken, lengths in the survey's unit, resistance in ohms.
// Wenner: `spacing` is a, and `probeDepth` the probes' depth b when it was
// measured (without it the probes count as at the surface). Schlumberger:
// `spacing` is AB/2 and `potentialSpacing` MN. A survey taken along several
// lines names each reading's `traverse`; one taken along a single line leaves
// it empty. A reading `leftOut` stays in the survey but not in the fit.
struct SoilReading {
    double spacing = 0.0;
    double ohms = 0.0;
    std::optional<double> probeDepth;
    double potentialSpacing = 0.0;
    // Initialised so that a reading given as its four figures alone is whole.
    std::string traverse{};
    bool leftOut = false;

    bool operator==(const SoilReading&) const = default;
};

// A reading's apparent resistivity at its spacing (a or AB/2), in metres and
// ohm-metres, with a Schlumberger reading's MN/2 in metres (0 for Wenner),
// which the model needs: the point dipole misreads an MN a fifth of AB by
// several per cent.
struct SoilPoint {
    double metres = 0.0;
    double ohmMetres = 0.0;
    double halfMNMetres = 0.0;

    bool operator==(const SoilPoint&) const = default;
};

// The figure of a reading a refusal is about.
enum class ReadingPart { Spacing, Ohms, ProbeDepth, PotentialSpacing };

struct ReadingFault {
    std::string reason; // a sentence
    ReadingPart part = ReadingPart::Spacing;
};

// Why `reading` cannot be taken, or nothing when it can: every length and the
// resistance must be finite and above 0, the resistance at most MaxSoilOhms,
// MN/2 below AB/2, and the apparent resistivity must come out finite and
// above 0. A resistivity out of reach counts against the spacing.
std::optional<ReadingFault> FaultOf(SoilArray array, LengthUnit unit, const SoilReading& reading);

// FaultOf's reason, or empty.
std::string ReadingRefusal(SoilArray array, LengthUnit unit, const SoilReading& reading);

// Whether a Wenner reading's probes reach as deep as they stand apart: the
// formula takes each probe as a point at its depth, which it no longer is.
bool ProbeAsDeepAsSpacing(SoilArray array, const SoilReading& reading);

// The apparent resistivity of a reading ReadingRefusal takes; nothing for any
// other.
std::optional<SoilPoint> ApparentPoint(SoilArray array, LengthUnit unit,
                                       const SoilReading& reading);

// Every reading's apparent point in the survey's order, or none and the
// first refused reading named by its 1-based number.
struct SoilPoints {
    std::vector<SoilPoint> points;
    std::string problem;
};

SoilPoints ApparentPoints(SoilArray array, LengthUnit unit,
                          const std::vector<SoilReading>& readings);

} // namespace stakewell::soil
