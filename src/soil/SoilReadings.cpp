#include "soil/SoilReadings.h"

#include <cmath>
#include <numbers>

namespace stakewell::soil {
namespace {

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

double WennerResistivity(double a, double ohms, const std::optional<double>& b) {
    if (!b) {
        return 2.0 * std::numbers::pi * a * ohms;
    }
    // hypot: a square of a long spacing must not overflow where the ratio is plain.
    const double geometry = 1.0 + 2.0 * a / std::hypot(a, 2.0 * *b) - a / std::hypot(a, *b);
    return 4.0 * std::numbers::pi * a * ohms / geometry;
}

double SchlumbergerResistivity(double halfAB, double mn, double ohms) {
    // As a difference of squares the long spacings would overflow before the
    // division brought them back.
    const double halfMN = mn / 2.0;
    return std::numbers::pi * ohms * ((halfAB - halfMN) / mn) * (halfAB + halfMN);
}

std::optional<ReadingFault> LengthFault(SoilArray array, const SoilReading& reading) {
    if (!Positive(reading.spacing)) {
        return ReadingFault{array == SoilArray::Wenner ? "The spacing must be above 0."
                                                       : "AB/2 must be above 0.",
                            ReadingPart::Spacing};
    }
    if (!Positive(reading.ohms)) {
        return ReadingFault{"The resistance must be above 0 Ohms.", ReadingPart::Ohms};
    }
    if (array == SoilArray::Wenner) {
        if (reading.probeDepth && !Positive(*reading.probeDepth)) {
            return ReadingFault{"The probe depth, when given, must be above 0.",
                                ReadingPart::ProbeDepth};
        }
        return std::nullopt;
    }
    if (!Positive(reading.potentialSpacing)) {
        return ReadingFault{"MN must be above 0.", ReadingPart::PotentialSpacing};
    }
    if (reading.potentialSpacing / 2.0 >= reading.spacing) {
        return ReadingFault{"MN/2 must be below AB/2: the potential probes must stand inside the "
                            "current probes.",
                            ReadingPart::PotentialSpacing};
    }
    return std::nullopt;
}

double Resistivity(SoilArray array, LengthUnit unit, const SoilReading& reading) {
    const double spacing = Metres(reading.spacing, unit);
    if (array == SoilArray::Wenner) {
        const std::optional<double> depth =
            reading.probeDepth ? std::optional(Metres(*reading.probeDepth, unit)) : std::nullopt;
        return WennerResistivity(spacing, reading.ohms, depth);
    }
    return SchlumbergerResistivity(spacing, Metres(reading.potentialSpacing, unit), reading.ohms);
}

} // namespace

double Metres(double length, LengthUnit unit) {
    return unit == LengthUnit::Feet ? length * MetresPerFoot : length;
}

std::optional<ReadingFault> FaultOf(SoilArray array, LengthUnit unit, const SoilReading& reading) {
    if (std::optional<ReadingFault> fault = LengthFault(array, reading)) {
        return fault;
    }
    if (!Positive(Metres(reading.spacing, unit)) || !Positive(Resistivity(array, unit, reading))) {
        return ReadingFault{"The reading's apparent resistivity is beyond what a double can hold.",
                            ReadingPart::Spacing};
    }
    if (reading.ohms > MaxSoilOhms) {
        return ReadingFault{"The resistance must be at most 1000000000 Ohms (10^9), the most the "
                            "fit takes.",
                            ReadingPart::Ohms};
    }
    return std::nullopt;
}

std::string ReadingRefusal(SoilArray array, LengthUnit unit, const SoilReading& reading) {
    const std::optional<ReadingFault> fault = FaultOf(array, unit, reading);
    return fault ? fault->reason : std::string();
}

bool ProbeAsDeepAsSpacing(SoilArray array, const SoilReading& reading) {
    return array == SoilArray::Wenner && reading.probeDepth &&
           *reading.probeDepth >= reading.spacing;
}

std::optional<SoilPoint> ApparentPoint(SoilArray array, LengthUnit unit,
                                       const SoilReading& reading) {
    if (FaultOf(array, unit, reading)) {
        return std::nullopt;
    }
    // Halved as the resistivity halves it, so that the point's MN/2 stays
    // below its AB/2 wherever the resistivity came out above 0.
    const double halfMN =
        array == SoilArray::Schlumberger ? Metres(reading.potentialSpacing, unit) / 2.0 : 0.0;
    return SoilPoint{Metres(reading.spacing, unit), Resistivity(array, unit, reading), halfMN};
}

SoilPoints ApparentPoints(SoilArray array, LengthUnit unit,
                          const std::vector<SoilReading>& readings) {
    if (readings.size() > MaxSoilReadings) {
        return {{},
                "There are more than " + std::to_string(MaxSoilReadings) +
                    " readings; a survey holds no more."};
    }
    SoilPoints result;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const std::string refusal = ReadingRefusal(array, unit, readings[i]);
        if (!refusal.empty()) {
            return {{}, "Reading " + std::to_string(i + 1) + ": " + refusal};
        }
        result.points.push_back(*ApparentPoint(array, unit, readings[i]));
    }
    return result;
}

} // namespace stakewell::soil
