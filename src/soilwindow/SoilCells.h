#pragma once

#include "shared/Units.h"
#include "soil/SoilReadings.h"

#include <QString>

#include <optional>
#include <vector>

namespace stakewell::soilwindow {

// What one column of the readings table holds: one figure of each reading, so
// that a refusal's figure names its cell.
using SoilColumn = soil::ReadingPart;

// The columns in the order the array's readings are written down.
std::vector<SoilColumn> ColumnsOf(soil::SoilArray array);

// The unit's name as the window shows it: "feet", "metres".
QString UnitName(soil::LengthUnit unit);

// A length as the window shows it: "1 foot", "2.5 metres".
QString LengthName(double length, soil::LengthUnit unit);

QString Heading(SoilColumn column, soil::SoilArray array, soil::LengthUnit unit);

// The columns after a reading's figures: the traverse it was taken on,
// whether it is left out of the fits, and whether it reads as an outlier.
enum class MarkColumn { Traverse, LeftOut, Flag };
inline constexpr int MarkColumns = 3;
QString Heading(MarkColumn column);
// The column's name inside a sentence: "the spacing", "MN".
QString ColumnWord(SoilColumn column, soil::SoilArray array);

QString CellText(const soil::SoilReading& reading, SoilColumn column);

// A cell's text read strictly: a number typed in full, or an empty probe
// depth (the probes at the surface); a decimal comma where a work in `units`
// reads one. Anything else, "1,000" too, is not read, and the reading holds
// NaN there so that the analysis refuses it.
struct CellEntry {
    std::optional<double> value;
    bool read = false;
};

CellEntry ReadCell(const QString& text, SoilColumn column, shared::UnitSystem units);
void SetCell(soil::SoilReading& reading, SoilColumn column, const CellEntry& entry);

// Whether the cell's own value is refused: not finite or not above 0.
bool CellRefused(const soil::SoilReading& reading, SoilColumn column);

} // namespace stakewell::soilwindow
