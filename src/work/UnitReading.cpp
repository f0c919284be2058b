#include "work/UnitReading.h"

#include "files/DataFileCheck.h"
#include "shared/NumberReading.h"

namespace stakewell::work {

std::optional<shared::Measure> MeasureOf(calc::SheetInput input) {
    using enum calc::SheetInput;
    switch (input) {
    case ElectrodeLength:
    case WireLength:
    case WireDepth:
    case FourPointE2:
        return shared::Measure::Length;
    case ElectrodeDiameter:
    case WireDiameter:
        return shared::Measure::Diameter;
    case EarthResistivity:
    case ElectrodeCount:
    case FourPointOhms:
        break;
    }
    return std::nullopt;
}

shared::TypedContext TypedContextFor(shared::UnitSystem units,
                                     std::optional<shared::Measure> measure) {
    return {files::ReadsDecimalComma(units), measure, units};
}

shared::TypedNumber ReadTypedText(const QString& text, shared::UnitSystem units,
                                  std::optional<shared::Measure> measure) {
    return shared::ReadTyped(text.toStdString(), TypedContextFor(units, measure));
}

double ReadLength(const QString& text, shared::UnitSystem units) {
    return shared::ReadNumber(ReadTypedText(text, units, shared::Measure::Length).text);
}

soil::LengthUnit SoilUnitOf(shared::UnitSystem units) {
    return units == shared::UnitSystem::Metric ? soil::LengthUnit::Metres : soil::LengthUnit::Feet;
}

} // namespace stakewell::work
