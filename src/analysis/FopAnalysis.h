#pragma once

#include "shared/FopPoints.h"

#include <optional>
#include <string>
#include <vector>

// Reading of a fall-of-potential curve: the resistance at 62% of the E2
// distance, whether the curve is flat enough around it for that value to
// stand, and the slope method's estimate of the true resistance and of the
// distance at which a reading gives it. Values are only ever interpolated
// between measured readings, never extrapolated beyond them.
namespace FopAnalysis {

// Why a value could not be given.
enum class Reason {
    None,
    NoE2Distance,
    TooFewPoints,
    NoReadingBefore,
    NoReadingBeyond,
    NotFinite,
    ZeroAtSixtyTwo,
    MuUndefined,
    MuOutOfRange,
};

// A resistance read off the curve at `Fraction` of the E2 distance, with the
// measured readings it came from: one when a reading stands exactly there,
// else the two on either side.
struct CurveValue {
    double Fraction = 0.0;
    double Feet = 0.0;
    std::optional<double> Ohms;
    std::vector<modStakewell::FOPPoint> Used;
    Reason Why = Reason::None;
};

enum class Verdict { NotAssessed, Stands, NoPlateau };

struct Flatness {
    CurveValue At52;
    CurveValue At72;
    // (R - R62) / R62 in percent.
    std::optional<double> Deviation52;
    std::optional<double> Deviation72;
    double TolerancePercent = 0.0;
    Verdict Result = Verdict::NotAssessed;
    Reason Why = Reason::None;
    double WhyAt = 0.0; // the fraction of E2 the reason is about
};

struct SlopeMethod {
    CurveValue R1;
    CurveValue R2;
    CurveValue R3;
    std::optional<double> Mu;
    std::optional<double> Xi;
    // P_T / C, and P_T in feet.
    std::optional<double> TrueDistanceRatio;
    std::optional<double> TrueDistance;
    std::optional<double> K;
    std::optional<double> TrueOhms;
    Reason Why = Reason::None;
    double WhyAt = 0.0;
};

struct Result {
    double E2Distance = 0.0;
    int ReadingCount = 0;
    CurveValue At62;
    Flatness Flat;
    SlopeMethod Slope;
};

inline constexpr double DefaultTolerancePercent = 5.0;

// The measured readings are points 1..n of the list, in any order; the
// origin takes no part.
Result Analyse(const modStakewell::FallOfPotential& fop, double e2Distance,
               double tolerancePercent = DefaultTolerancePercent);

// The resistance at fraction * e2Distance from readings sorted by distance.
CurveValue ValueAt(const std::vector<modStakewell::FOPPoint>& sortedReadings, double e2Distance,
                   double fraction);

// A sentence saying why, naming the fraction of E2 where it matters:
// "no reading beyond 62% of E2".
std::string ReasonText(Reason why, double fraction = 0.0);

} // namespace FopAnalysis
