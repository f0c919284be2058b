#pragma once

#include "fop/FopPoints.h"
#include "soil/TwoLayerSoil.h"

#include <optional>
#include <string>
#include <vector>

// Reading of a fall-of-potential curve: the resistance at 62% of the E2
// distance, whether the curve is flat enough around it for that value to
// stand, and the slope method's estimate of the true resistance and of the
// distance at which a reading gives it. Values are only ever interpolated
// between measured readings, never extrapolated beyond them, and only of a
// curve that rises from E1 towards E2, as every sound test's does.
namespace stakewell::fop {

// Why a value could not be given.
enum class Reason {
    None,
    NoE2Distance,
    TooFewPoints,
    NoReadingBefore,
    NoReadingBeyond,
    NotFinite,
    NegativeReading,
    FallingCurve,
    ZeroAtSixtyTwo,
    MuUndefined,
    MuOutOfRange,
    NoReadingAroundTrueDistance,
    NoSoilPosition,
    OutsideReadings,
};

// The readings taken at one distance, standing for one point of the curve
// by the mean of their resistances.
struct Station {
    double Distance = 0.0;
    double Ohms = 0.0;
    int Count = 1;
    // A reading below 0 there, which the mean may hide.
    bool HoldsNegative = false;
    friend bool operator==(const Station&, const Station&) = default;
};

// The measured readings as the analysis works with them: one station a
// distance, in ascending order of distance.
using Stations = std::vector<Station>;

// A resistance read off the curve at `Fraction` of the E2 distance, with the
// stations it came from: one when readings stand exactly there, else the two
// on either side.
struct CurveValue {
    double Fraction = 0.0;
    double Distance = 0.0;
    std::optional<double> Ohms;
    std::vector<Station> Used;
    Reason Why = Reason::None;
};

// (R - R62) / R62 in percent, or why it could not be given.
struct Deviation {
    std::optional<double> Percent;
    Reason Why = Reason::None;
    double WhyAt = 0.0; // the fraction of E2 the reason is about
};

enum class Verdict { NotAssessed, Stands, NoPlateau };

struct Flatness {
    CurveValue At52;
    CurveValue At72;
    Deviation Deviation52;
    Deviation Deviation72;
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
    // R true: the curve read at P_T as the 62% value is read at 62%, given
    // only where readings stand on both sides of P_T or at it.
    CurveValue AtTrueDistance;
    // The model's own R true, R1 + K g(0.2): beside the curve's, never in
    // its place, and only where the curve's is given.
    std::optional<double> ModelOhms;
    Reason Why = Reason::None;
    double WhyAt = 0.0;
};

// Where a probe reads the true resistance in the soil the survey found, and
// the curve read there as the 62% value is read at 62%: given only where
// readings stand on both sides of the position or at it.
struct TruePosition {
    std::optional<double> Fraction; // of E2
    CurveValue At;
    Reason Why = Reason::None;
};

struct Result {
    double E2Distance = 0.0;
    // The unit of every distance, the list's own.
    shared::UnitSystem Units = shared::UnitSystem::Imperial;
    // The readings analysed, and those left out because they lie at or
    // beyond E2, where no test against it can have taken them.
    int ReadingCount = 0;
    int LeftOut = 0;
    CurveValue At62;
    Flatness Flat;
    SlopeMethod Slope;
    // Only where the work holds a soil model.
    std::optional<TruePosition> InSoil;
};

inline constexpr double DefaultTolerancePercent = 5.0;

// The measured readings are points 1..n of the list, in any order; the
// origin takes no part.
Stations StationsOf(const fop::FallOfPotential& fop);

// Readings at or beyond e2Distance are left out. A curve with a reading
// below 0, or whose reading nearest E2 is below its reading nearest E1,
// gives no value: each says why.
Result Analyse(const Stations& stations, double e2Distance,
               double tolerancePercent = DefaultTolerancePercent);
Result Analyse(const fop::FallOfPotential& fop, double e2Distance,
               double tolerancePercent = DefaultTolerancePercent);

// The true-resistance position in `soil` for an E2 distance in the stations'
// own `units`, and the curve read there.
TruePosition ReadTruePosition(const Stations& stations, double e2Distance, shared::UnitSystem units,
                              const soil::TwoLayerSoil& soil);
// Analyse, with the true-resistance position in `soil` beside the 62% value.
Result AnalyseInSoil(const fop::FallOfPotential& fop, double e2Distance,
                     const soil::TwoLayerSoil& soil,
                     double tolerancePercent = DefaultTolerancePercent);

// Keeps the stations of the last list it was given, so that analysing an
// unchanged list again, as every mouse move over the graph does, costs a
// comparison rather than a sort; and the true-resistance position last found,
// whose images' series is long where the layers' contrast is great.
class AnalysisCache {
public:
    Result Analyse(const fop::FallOfPotential& fop, double e2Distance, double tolerancePercent,
                   const std::optional<soil::TwoLayerSoil>& soil = std::nullopt);

private:
    struct Located {
        soil::TwoLayerSoil Soil;
        double E2 = 0.0;
        shared::UnitSystem Units = shared::UnitSystem::Imperial;
        TruePosition Position;
    };
    std::vector<fop::FOPPoint> points;
    Stations stations;
    bool filled = false;
    std::optional<Located> located;
};

// A sentence saying why, naming the fraction of E2 where it matters:
// "no reading beyond 62% of E2". NoReadingAroundTrueDistance reads "take a
// reading at P_T", for the caller to give the distance.
std::string ReasonText(Reason why, double fraction = 0.0);

} // namespace stakewell::fop
