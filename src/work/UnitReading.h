#pragma once

#include "calc/DesignSheet.h"
#include "shared/TypedNumber.h"
#include "shared/Units.h"
#include "soil/SoilReadings.h"

#include <QString>

#include <optional>

namespace stakewell::work {

// What an input of the design measures; nothing for the resistivity, the
// count and the measured resistance, which have one unit in both systems.
std::optional<shared::Measure> MeasureOf(calc::SheetInput input);

// How a box of a work in `units` reads its text: see shared::ReadTyped.
shared::TypedContext TypedContextFor(shared::UnitSystem units,
                                     std::optional<shared::Measure> measure);
shared::TypedNumber ReadTypedText(const QString& text, shared::UnitSystem units,
                                  std::optional<shared::Measure> measure);

// A length box's distance as the work uses it, in the work's own unit: 0
// when the text is refused or holds none.
double ReadLength(const QString& text, shared::UnitSystem units);

// The soil survey's word for a system's unit of length.
soil::LengthUnit SoilUnitOf(shared::UnitSystem units);

} // namespace stakewell::work
