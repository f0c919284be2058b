#include "soilwindow/SoilCells.h"

#include "shared/NumberReading.h"
#include "shared/TextForm.h"
#include "soil/SoilSurvey.h"
#include "work/UnitReading.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace stakewell::soilwindow {

using soil::LengthUnit;
using soil::SoilArray;
using soil::SoilReading;

std::vector<SoilColumn> ColumnsOf(SoilArray array) {
    if (array == SoilArray::Wenner) {
        return {SoilColumn::Spacing, SoilColumn::Ohms, SoilColumn::ProbeDepth};
    }
    return {SoilColumn::Spacing, SoilColumn::PotentialSpacing, SoilColumn::Ohms};
}

QString UnitName(LengthUnit unit) {
    return unit == LengthUnit::Metres
               ? QCoreApplication::translate("stakewell::soilwindow::SoilCells", "metres")
               : QCoreApplication::translate("stakewell::soilwindow::SoilCells", "feet");
}

// Singular for the text "1" alone, as the survey's own length texts.
QString LengthName(double length, LengthUnit unit) {
    const QString figure = QString::fromStdString(shared::DoubleText(length));
    if (figure == u"1") {
        return unit == LengthUnit::Metres
                   ? QCoreApplication::translate("stakewell::soilwindow::SoilCells", "1 metre")
                   : QCoreApplication::translate("stakewell::soilwindow::SoilCells", "1 foot");
    }
    return QStringLiteral("%1 %2").arg(figure, UnitName(unit));
}

QString Heading(SoilColumn column, SoilArray array, LengthUnit unit) {
    const QString inUnit = QStringLiteral(" (%1)").arg(UnitName(unit));
    switch (column) {
    case SoilColumn::Spacing:
        return (array == SoilArray::Wenner
                    ? QCoreApplication::translate("stakewell::soilwindow::SoilCells", "Spacing")
                    : QStringLiteral("AB/2")) +
               inUnit;
    case SoilColumn::Ohms:
        return QCoreApplication::translate("stakewell::soilwindow::SoilCells", "Resistance (ohms)");
    case SoilColumn::ProbeDepth:
        return QCoreApplication::translate("stakewell::soilwindow::SoilCells", "Probe depth") +
               inUnit;
    case SoilColumn::PotentialSpacing:
        break;
    }
    return QStringLiteral("MN") + inUnit;
}

QString Heading(MarkColumn column) {
    switch (column) {
    case MarkColumn::Traverse:
        return QCoreApplication::translate("stakewell::soilwindow::SoilCells", "Traverse");
    case MarkColumn::LeftOut:
        return QCoreApplication::translate("stakewell::soilwindow::SoilCells", "Left out");
    case MarkColumn::Flag:
        break;
    }
    return QCoreApplication::translate("stakewell::soilwindow::SoilCells", "Flag");
}

QString ColumnWord(SoilColumn column, SoilArray array) {
    switch (column) {
    case SoilColumn::Spacing:
        return array == SoilArray::Wenner
                   ? QCoreApplication::translate("stakewell::soilwindow::SoilCells", "the spacing")
                   : QStringLiteral("AB/2");
    case SoilColumn::Ohms:
        return QCoreApplication::translate("stakewell::soilwindow::SoilCells", "the resistance");
    case SoilColumn::ProbeDepth:
        return QCoreApplication::translate("stakewell::soilwindow::SoilCells", "the probe depth");
    case SoilColumn::PotentialSpacing:
        break;
    }
    return QStringLiteral("MN");
}

namespace {

std::optional<double> ValueOf(const SoilReading& reading, SoilColumn column) {
    switch (column) {
    case SoilColumn::Spacing:
        return reading.spacing;
    case SoilColumn::Ohms:
        return reading.ohms;
    case SoilColumn::ProbeDepth:
        return reading.probeDepth;
    case SoilColumn::PotentialSpacing:
        break;
    }
    return reading.potentialSpacing;
}

} // namespace

// A cell that was typed but not read comes back from the survey as NaN; the
// required columns then show empty, as a new row does, while an empty probe
// depth would read as at the surface and so shows what it is.
QString CellText(const SoilReading& reading, SoilColumn column) {
    const std::optional<double> value = ValueOf(reading, column);
    if (!value) {
        return {};
    }
    if (std::isnan(*value)) {
        return column == SoilColumn::ProbeDepth ? QStringLiteral("?") : QString();
    }
    return QString::fromStdString(shared::DoubleText(*value));
}

CellEntry ReadCell(const QString& text, SoilColumn column, shared::UnitSystem units) {
    const QString typed = text.trimmed();
    if (typed.isEmpty() && column == SoilColumn::ProbeDepth) {
        return {std::nullopt, true};
    }
    const shared::TypedNumber number = work::ReadTypedText(typed, units, std::nullopt);
    const shared::NumberRead read = shared::ReadLeadingNumber(number.text);
    if (typed.isEmpty() || !number.refusal.empty() || !read.anyDigit || !read.readInFull ||
        read.blanksInside) {
        return {std::numeric_limits<double>::quiet_NaN(), false};
    }
    return {read.value, true};
}

void SetCell(SoilReading& reading, SoilColumn column, const CellEntry& entry) {
    const double value = entry.value.value_or(std::numeric_limits<double>::quiet_NaN());
    switch (column) {
    case SoilColumn::Spacing:
        reading.spacing = value;
        break;
    case SoilColumn::Ohms:
        reading.ohms = value;
        break;
    case SoilColumn::ProbeDepth:
        reading.probeDepth = entry.value;
        break;
    case SoilColumn::PotentialSpacing:
        reading.potentialSpacing = value;
        break;
    }
}

bool CellRefused(const SoilReading& reading, SoilColumn column) {
    const std::optional<double> value = ValueOf(reading, column);
    return value && !(std::isfinite(*value) && *value > 0.0);
}

} // namespace stakewell::soilwindow
