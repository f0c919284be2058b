#include "files/DataFileCheck.h"

#include "files/DataFileItems.h"
#include "files/DataFilePaths.h"
#include "files/XmlValueStore.h"
#include "fop/FopPoints.h"
#include "shared/NumberReading.h"
#include "shared/TypedNumber.h"
#include "soil/LayeredEarth.h"
#include "soil/SoilReadings.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <utility>

namespace stakewell::files {
namespace {

using paths::FullPath;

enum class Fault { None, NotANumber, BeyondRange, Negative };

struct CheckedValue {
    Fault fault = Fault::None;
    double value = 0.0;
};

// Read by the very rule that gives the file's figures, so a text that passes
// keeps the figure it always had. That rule holds an overflow at the largest
// double, so the largest double itself counts as beyond the range.
CheckedValue Check(const StoredText& text) {
    // Through one buffer kept for the next: a survey holds tens of
    // thousands.
    thread_local std::string buffer;
    const std::string_view bytes = text.NumberBytes(buffer);
    const shared::NumberRead read = shared::ReadLeadingNumber(bytes);
    if (!read.anyDigit || !read.readInFull) {
        return {Fault::NotANumber, read.value};
    }
    if (std::fabs(read.value) == std::numeric_limits<double>::max()) {
        return {Fault::BeyondRange, read.value};
    }
    return {read.value < 0.0 ? Fault::Negative : Fault::None, read.value};
}

QString Wording(Fault fault) {
    switch (fault) {
    case Fault::NotANumber:
        return QStringLiteral("is not a number");
    case Fault::BeyondRange:
        return QStringLiteral("is beyond the range of a number");
    case Fault::Negative:
        return QStringLiteral("is negative");
    case Fault::None:
        break;
    }
    return {};
}

QString Named(const QString& item, const QString& text, Fault fault) {
    return QStringLiteral("%1 \"%2\" %3").arg(item, text, Wording(fault));
}

// A list's count against the entries the file holds from 1 on. A count
// rounds half to even, as it is read.
std::optional<QString> CountDamage(const DataFileItems& items, const char* countItem,
                                   const QString& what, int held, int limit) {
    const QString text = items.Value(FullPath(countItem));
    const QString item = QStringLiteral("the count of %1").arg(what);
    if (text.trimmed().isEmpty()) {
        if (held == 0) {
            return std::nullopt;
        }
        return QStringLiteral("%1 is missing, but the file holds %2 %3")
            .arg(item, QString::number(held), what);
    }
    const CheckedValue count = Check(text);
    if (count.fault == Fault::NotANumber || count.fault == Fault::BeyondRange) {
        return Named(item, text, count.fault);
    }
    const double rounded = std::nearbyint(count.value);
    if (rounded > limit) {
        return QStringLiteral("%1 \"%2\" is more than %3").arg(item, text, QString::number(limit));
    }
    if (rounded != held) {
        return QStringLiteral("%1 \"%2\" does not match the %3 %4 the file holds")
            .arg(item, text, QString::number(held), what);
    }
    return std::nullopt;
}

// Counted no further than one past the limit, which is enough to refuse.
template <typename Holds> int HeldEntries(int limit, Holds holds) {
    int held = 0;
    while (held <= limit && holds(held + 1)) {
        ++held;
    }
    return held;
}

// The value is the reading as it loads, when it is sound.
std::optional<QString> ReadingValueDamage(int reading, const char* what, const StoredText* text,
                                          double& value) {
    const auto item = [reading, what] {
        return QStringLiteral("reading %1, %2").arg(reading).arg(QLatin1String(what));
    };
    if (text == nullptr) {
        return QStringLiteral("%1 is missing").arg(item());
    }
    const CheckedValue checked = Check(*text);
    value = checked.value;
    if (checked.fault == Fault::None) {
        return std::nullopt;
    }
    return Named(item(), text->ToString(), checked.fault);
}

std::optional<QString> ReadingsDamage(const DataFileItems& items,
                                      std::vector<fop::FOPPoint>& points) {
    const int held = HeldEntries(fop::MaxFOPPoints, [&items](int index) {
        return items.PointOhms(index) != nullptr || items.PointFeet(index) != nullptr;
    });
    if (std::optional<QString> damage = CountDamage(
            items, paths::PointCountItem, QStringLiteral("readings"), held, fop::MaxFOPPoints)) {
        return damage;
    }
    points.assign(static_cast<std::size_t>(held) + 1, fop::FOPPoint{});
    for (int i = 1; i <= held; ++i) {
        fop::FOPPoint& point = points[static_cast<std::size_t>(i)];
        if (std::optional<QString> damage =
                ReadingValueDamage(i, "distance", items.PointFeet(i), point.Distance)) {
            return damage;
        }
        if (std::optional<QString> damage =
                ReadingValueDamage(i, "resistance", items.PointOhms(i), point.Ohms)) {
            return damage;
        }
    }
    return std::nullopt;
}

std::optional<QString> UnitsDamage(const DataFileItems& items) {
    const std::optional<QString> text = items.Find(FullPath(paths::UnitsItem));
    if (UnitsOfItem(text)) {
        return std::nullopt;
    }
    return QStringLiteral("the unit system \"%1\" is neither %2 nor %3")
        .arg(*text, UnitsItemText(shared::UnitSystem::Imperial),
             UnitsItemText(shared::UnitSystem::Metric));
}

std::optional<QString> E2Damage(const DataFileItems& items) {
    const QString text = items.Value(FullPath(paths::FOPE2Item));
    const shared::UnitSystem units =
        UnitsOfItem(items.Find(FullPath(paths::UnitsItem))).value_or(shared::UnitSystem::Imperial);
    if (IsStorableE2(text, units)) {
        return std::nullopt;
    }
    return QStringLiteral("the E2 distance \"%1\" is not a distance above 0 %2")
        .arg(text, QLatin1String(shared::LengthWord(units)));
}

// Written only as 1, for a reading left out; 0, as a hand-edited file may
// say, keeps it in. Any other text could mean either.
std::optional<QString> LeftOutDamage(const StoredText* mark, std::size_t reading) {
    if (mark == nullptr) {
        return std::nullopt;
    }
    const QString text = mark->ToString();
    const QString trimmed = text.trimmed();
    if (trimmed == QLatin1String(paths::SoilLeftOutMark) ||
        trimmed == QLatin1String(paths::SoilKeptMark)) {
        return std::nullopt;
    }
    return QStringLiteral("soil reading %1, left out \"%2\" is neither %3 nor %4")
        .arg(reading + 1)
        .arg(text, QLatin1String(paths::SoilKeptMark), QLatin1String(paths::SoilLeftOutMark));
}

std::optional<QString> ChosenLayersDamage(const DataFileItems& items) {
    const std::optional<QString> text = items.Find(FullPath(paths::SoilLayersItem));
    if (ChosenLayersOfItem(text)) {
        return std::nullopt;
    }
    return QStringLiteral("the soil's chosen number of layers \"%1\" is not 1, 2, 3 or 4")
        .arg(*text);
}

// A survey's cell may be left empty, and may hold any number the survey
// window takes, a negative one included: the survey itself refuses those. A
// traverse is any name.
std::optional<QString> SoilDamage(const DataFileItems& items) {
    using Cell = DataFileItems::SoilCell;
    const auto holds = [&items](int reading) {
        const auto index = static_cast<std::size_t>(reading - 1);
        return items.Soil(Cell::Spacing, index) != nullptr ||
               items.Soil(Cell::Ohms, index) != nullptr;
    };
    const int limit = static_cast<int>(soil::MaxSoilReadings);
    const int held = HeldEntries(limit, holds);
    if (std::optional<QString> damage = CountDamage(items, paths::SoilCountItem,
                                                    QStringLiteral("soil readings"), held, limit)) {
        return damage;
    }
    if (std::optional<QString> damage = ChosenLayersDamage(items)) {
        return damage;
    }
    constexpr std::array<std::pair<Cell, const char*>, 4> cells{{
        {Cell::Spacing, "spacing"},
        {Cell::Ohms, "resistance"},
        {Cell::MN, "MN"},
        {Cell::Depth, "probe depth"},
    }};
    for (std::size_t i = 0; i < static_cast<std::size_t>(held); ++i) {
        for (const auto& [cell, what] : cells) {
            const QString text =
                items.Soil(cell, i) != nullptr ? items.Soil(cell, i)->ToString() : QString();
            if (!text.trimmed().isEmpty() && Check(text).fault == Fault::NotANumber) {
                return Named(
                    QStringLiteral("soil reading %1, %2").arg(i + 1).arg(QLatin1String(what)), text,
                    Fault::NotANumber);
            }
        }
        if (std::optional<QString> damage = LeftOutDamage(items.Soil(Cell::LeftOut, i), i)) {
            return damage;
        }
    }
    return std::nullopt;
}

} // namespace

bool ReadsDecimalComma(shared::UnitSystem units) {
    return units == shared::UnitSystem::Metric || QLocale().decimalPoint() == QLatin1Char(',');
}

std::optional<shared::UnitSystem> UnitsOfItem(const std::optional<QString>& item) {
    if (!item) {
        return shared::UnitSystem::Imperial;
    }
    for (const shared::UnitSystem units :
         {shared::UnitSystem::Imperial, shared::UnitSystem::Metric}) {
        if (item->trimmed().compare(UnitsItemText(units), Qt::CaseInsensitive) == 0) {
            return units;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ChosenLayersOfItem(const std::optional<QString>& item) {
    if (!item) {
        return 0;
    }
    const QString trimmed = item->trimmed();
    for (std::size_t layers = 1; layers <= soil::MaxEarthLayers; ++layers) {
        if (trimmed == QString::number(layers)) {
            return layers;
        }
    }
    return std::nullopt;
}

QString UnitsItemText(shared::UnitSystem units) {
    return units == shared::UnitSystem::Metric ? QStringLiteral("Metric")
                                               : QStringLiteral("Imperial");
}

bool IsStorableE2(const QString& text, shared::UnitSystem units) {
    if (text.trimmed().isEmpty()) {
        return true;
    }
    // The E2 box has always been saved as typed, so a distance followed by
    // more text ("50 abc") is the user's and loads as it did, read as its
    // leading distance like every other box; a unit typed after it is
    // converted, and a text the box refuses is no distance.
    const shared::TypedNumber typed = shared::ReadTyped(
        text.toStdString(), {ReadsDecimalComma(units), shared::Measure::Length, units});
    const double distance = shared::ReadNumber(typed.text);
    return typed.refusal.empty() && distance > 0.0 && distance < std::numeric_limits<double>::max();
}

CheckedItems CheckDataFile(const DataFileItems& items) {
    CheckedItems checked;
    checked.Damage = UnitsDamage(items);
    if (!checked.Damage) {
        checked.Damage = ReadingsDamage(items, checked.FOPPoints);
    }
    if (!checked.Damage) {
        checked.Damage = E2Damage(items);
    }
    if (!checked.Damage) {
        checked.Damage = SoilDamage(items);
    }
    return checked;
}

std::optional<QString> DataFileDamage(const DataFileItems& items) {
    return CheckDataFile(items).Damage;
}

std::optional<QString> DataFileDamage(const XmlValueStore& store) {
    return DataFileDamage(DataFileItems(store));
}

} // namespace stakewell::files
