#pragma once

#include <string>

namespace stakewell::shared {

// The units a work is typed and shown in: feet, inches and AWG, or metres,
// millimetres and square millimetres. The computation itself stays in the
// imperial units its formulas were written for; a metric value is converted
// to them on the way in and a metric result on the way out.
enum class UnitSystem { Imperial, Metric };

// What a typed length measures, which decides its unit in each system.
enum class Measure {
    Length,   // feet or metres
    Diameter, // inches or millimetres
};

inline constexpr double MetresPerFoot = 0.3048;
inline constexpr double MillimetresPerInch = 25.4;

double ToImperial(double metric, Measure measure);
double ToMetric(double imperial, Measure measure);
double Converted(double value, Measure measure, UnitSystem from, UnitSystem to);

// "ft", "in", "m", "mm".
const char* UnitSymbol(Measure measure, UnitSystem units);
// The word a length is written with: "feet", "metres"; "Feet", "Metres" as
// the readings' lines and headings have always written it.
const char* LengthWord(UnitSystem units, bool capital = false);
// A converted value as a person would write it: as many digits as it needs,
// at most twelve significant, so that 10 ft gives "3.048" and not the
// binary neighbour's seventeen digits.
std::string ConvertedText(double value);
// A length converted and kept as ConvertedText writes it, so that 100 ft
// becomes exactly the 30.48 m a person would type.
double ConvertedLength(double value, UnitSystem from, UnitSystem to);
// At most `digits` significant digits, trailing zeros dropped: a wire's
// cross-section from its diameter, "33.6".
std::string SignificantText(double value, int digits);

// A solid round conductor: its cross-section in mm² from its diameter in
// millimetres, and back.
double CrossSection(double diameterMillimetres);
double DiameterOfSection(double squareMillimetres);

} // namespace stakewell::shared
