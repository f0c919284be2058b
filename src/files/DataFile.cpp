#include "files/DataFile.h"

#include "files/DataFileCheck.h"
#include "files/DataFileItems.h"
#include "files/DataFilePaths.h"
#include "files/XmlValueStore.h"
#include "shared/NumberReading.h"
#include "shared/TextForm.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace stakewell::files {
namespace {

using fop::FOPPoint;

using paths::FOPE2Item;
using paths::FullPath;
using paths::PointPaths;
using paths::SoilPath;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Reads numbers the way a field does, through one reused buffer: a survey's
// tens of thousands of values would otherwise each allocate a copy. A
// character outside ASCII cannot belong to a number, so it stands as one
// byte that ends it; an item the file does not hold reads as 0.
class NumberReader {
public:
    double operator()(const StoredText* text) { return text != nullptr ? (*this)(*text) : 0.0; }
    double operator()(const StoredText& text) {
        return shared::ReadNumber(text.NumberBytes(bytes));
    }

private:
    std::string bytes;
};

// Puts items into a store. Into an empty one, where no path can be there
// already, they are appended without looking each up.
class ItemWriter {
public:
    explicit ItemWriter(XmlValueStore& store) : store(store), fresh(store.Empty()) {}

    void Set(const QString& path, const QString& value) {
        if (fresh) {
            store.Append(path, value);
        } else {
            store.SetValue(path, value);
        }
    }

    void SetItem(const char* item, const QString& value) {
        Set(FullPath(QLatin1String(item)), value);
    }

    // A reading's two items, under names numbered from 0.
    void SetPoint(int index, StoredText ohms, StoredText feet) {
        if (!fresh) {
            store.SetValue(points.Ohms(index), ohms.ToString());
            store.SetValue(points.Feet(index), feet.ToString());
            return;
        }
        std::array<char, 16> digits{};
        const std::string_view number(
            digits.data(),
            static_cast<std::size_t>(std::to_chars(digits.begin(), digits.end(), index).ptr -
                                     digits.data()));
        store.Append(pointGroup, StoredText::Ascii(std::string("Ohms-").append(number)),
                     std::move(ohms));
        store.Append(pointGroup, StoredText::Ascii(std::string("Feet-").append(number)),
                     std::move(feet));
    }

private:
    XmlValueStore& store;
    bool fresh;
    PointPaths points;
    XmlValueStore::GroupId pointGroup = store.Group(FullPath("/FOP/"));
};

using calc::FilePlace;
using calc::InputRows;

void SetFields(ItemWriter& items, const DataFileContent& content, FilePlace place) {
    for (std::size_t i = 0; i < InputRows.size(); ++i) {
        if (InputRows[i].Place == place) {
            items.SetItem(InputRows[i].DataItem, content.FieldTexts[i]);
        }
    }
}

void GetFields(const DataFileItems& items, DataFileContent& content, FilePlace place) {
    for (std::size_t i = 0; i < InputRows.size(); ++i) {
        if (InputRows[i].Place == place) {
            content.FieldTexts[i] = items.Value(FullPath(InputRows[i].DataItem));
        }
    }
}

const char* const WireBetween0Item = "/Wire/Between-0";
const char* const WireBetween1Item = "/Wire/Between-1";
const char* const WireLengthItem = "/Options/WireLength";
const char* const WireSizeItem = "/Options/WireSize";

void SetChoices(ItemWriter& items, const ChoiceContent& choices, shared::UnitSystem units) {
    const auto text = [&items](const char* item, const std::optional<QString>& value) {
        if (value) {
            items.SetItem(item, *value);
        }
    };
    const auto option = [&items](const char* item, const std::optional<OptionIndex>& value) {
        if (value) {
            items.SetItem(item, QString::number(*value));
        }
    };
    // A box left holding no distance above 0 is kept empty: the analysis has
    // no distance either way, and the file loads again.
    if (choices.FOPE2) {
        text(FOPE2Item, IsStorableE2(*choices.FOPE2, units) ? *choices.FOPE2 : QString());
    }
    text(WireBetween0Item, choices.WireBetween_0);
    text(WireBetween1Item, choices.WireBetween_1);
    option(WireLengthItem, choices.WireLength);
    option(WireSizeItem, choices.WireSize);
}

ChoiceContent GetChoices(const DataFileItems& items) {
    const auto text = [&items](const char* item) -> std::optional<QString> {
        return items.Find(FullPath(item));
    };
    const auto option = [&text](const char* item) -> std::optional<OptionIndex> {
        const std::optional<QString> value = text(item);
        if (!value) {
            return std::nullopt;
        }
        const QString trimmed = value->trimmed();
        if (trimmed == u'0') {
            return 0;
        }
        if (trimmed == u'1') {
            return 1;
        }
        return std::nullopt;
    };
    ChoiceContent choices;
    choices.FOPE2 = text(FOPE2Item);
    choices.WireBetween_0 = text(WireBetween0Item);
    choices.WireBetween_1 = text(WireBetween1Item);
    choices.WireLength = option(WireLengthItem);
    choices.WireSize = option(WireSizeItem);
    return choices;
}

// The survey's items follow all others and are written only for a survey
// that exists, so that a file without one is what it always was.
using paths::SoilArrayItem;
using paths::SoilCountItem;
using paths::SoilLayersItem;
using paths::SoilUnitItem;

// Every reading comes back as the same double; a cell never filled in, or
// not a number, stays empty and so refused.
QString ExactText(double value) {
    return std::isfinite(value) ? Text(shared::ExactText(value)) : QString();
}

double SoilNumber(NumberReader& number, const StoredText* text) {
    return text == nullptr || text->ToString().trimmed().isEmpty()
               ? std::numeric_limits<double>::quiet_NaN()
               : number(text);
}

void SetSoil(ItemWriter& items, const soil::SoilSurvey& soil) {
    if (!soil.Exists()) {
        return;
    }
    const bool schlumberger = soil.array == soil::SoilArray::Schlumberger;
    items.SetItem(SoilArrayItem, QString::number(schlumberger ? 1 : 0));
    items.SetItem(SoilUnitItem, QString::number(soil.unit == soil::LengthUnit::Metres ? 1 : 0));
    items.SetItem(SoilCountItem, QString::number(soil.readings.size()));
    if (soil.chosenLayers != 0) {
        items.SetItem(SoilLayersItem, QString::number(soil.chosenLayers));
    }
    for (std::size_t i = 0; i < soil.readings.size(); ++i) {
        const soil::SoilReading& reading = soil.readings[i];
        items.Set(SoilPath("Spacing", i), ExactText(reading.spacing));
        items.Set(SoilPath("Ohms", i), ExactText(reading.ohms));
        if (schlumberger) {
            items.Set(SoilPath("MN", i), ExactText(reading.potentialSpacing));
        } else if (reading.probeDepth) {
            items.Set(SoilPath("Depth", i), ExactText(*reading.probeDepth));
        }
        if (!reading.traverse.empty()) {
            items.Set(SoilPath("Traverse", i), Text(reading.traverse));
        }
        if (reading.leftOut) {
            items.Set(SoilPath("LeftOut", i), QLatin1String(paths::SoilLeftOutMark));
        }
    }
}

soil::SoilSurvey GetSoil(const DataFileItems& items) {
    using Cell = DataFileItems::SoilCell;
    soil::SoilSurvey soil;
    NumberReader number;
    const auto count = static_cast<std::size_t>(
        std::clamp<double>(std::nearbyint(number(items.Value(FullPath(SoilCountItem)))), 0.0,
                           double{soil::MaxSoilReadings}));
    if (count == 0) {
        return soil;
    }
    const auto chosen = [&items](const char* item) {
        return items.Value(FullPath(item)).trimmed() == u'1';
    };
    soil.array = chosen(SoilArrayItem) ? soil::SoilArray::Schlumberger : soil::SoilArray::Wenner;
    soil.unit = chosen(SoilUnitItem) ? soil::LengthUnit::Metres : soil::LengthUnit::Feet;
    soil.chosenLayers = ChosenLayersOfItem(items.Find(FullPath(SoilLayersItem))).value_or(0);
    soil.readings.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        soil::SoilReading& reading = soil.readings[i];
        reading.spacing = SoilNumber(number, items.Soil(Cell::Spacing, i));
        reading.ohms = SoilNumber(number, items.Soil(Cell::Ohms, i));
        if (soil.array == soil::SoilArray::Schlumberger) {
            reading.potentialSpacing = SoilNumber(number, items.Soil(Cell::MN, i));
        } else if (const StoredText* depth = items.Soil(Cell::Depth, i)) {
            reading.probeDepth = SoilNumber(number, depth);
        }
        if (const StoredText* traverse = items.Soil(Cell::Traverse, i)) {
            reading.traverse = traverse->ToString().toStdString();
        }
        const StoredText* leftOut = items.Soil(Cell::LeftOut, i);
        reading.leftOut = leftOut != nullptr &&
                          leftOut->ToString().trimmed() == QLatin1String(paths::SoilLeftOutMark);
    }
    return soil;
}

// Written only when filled, after every other item, like the survey.
constexpr std::array<std::pair<const char*, QString SiteRecord::*>, 5> SiteItems{{
    {"/Site/Name", &SiteRecord::Site},
    {"/Site/Engineer", &SiteRecord::Engineer},
    {"/Site/TestDate", &SiteRecord::TestDate},
    {"/Site/Instrument", &SiteRecord::Instrument},
    {"/Site/Notes", &SiteRecord::Notes},
}};

void SetSite(ItemWriter& items, const SiteRecord& site) {
    if (!site.Filled()) {
        return;
    }
    for (const auto& [item, field] : SiteItems) {
        items.SetItem(item, site.*field);
    }
}

SiteRecord GetSite(const DataFileItems& items) {
    SiteRecord site;
    for (const auto& [item, field] : SiteItems) {
        site.*field = items.Value(FullPath(item));
    }
    return site;
}

// Written only when typed, so that a file without a typed soil is as before.
constexpr std::array<const char*, 3> LayeredSoilItems{
    "/LayeredSoil/UpperResistivity", "/LayeredSoil/LowerResistivity", "/LayeredSoil/UpperDepth"};

void SetLayeredSoil(ItemWriter& items, const std::array<QString, 3>& typed) {
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (!typed[i].isEmpty()) {
            items.SetItem(LayeredSoilItems[i], typed[i]);
        }
    }
}

std::array<QString, 3> GetLayeredSoil(const DataFileItems& items) {
    std::array<QString, 3> typed;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        typed[i] = items.Value(FullPath(LayeredSoilItems[i]));
    }
    return typed;
}

} // namespace

std::int32_t WholeNumber(const QString& text) {
    const double rounded = std::nearbyint(shared::ReadNumber(text.toStdString()));
    return static_cast<std::int32_t>(std::clamp(rounded,
                                                double{std::numeric_limits<std::int32_t>::min()},
                                                double{std::numeric_limits<std::int32_t>::max()}));
}

void WriteDataFile(XmlValueStore& store, const DataFileContent& content) {
    const auto single = [](std::int32_t twips) {
        return Text(shared::SingleText(static_cast<float>(twips)));
    };
    const auto integer = [](std::int64_t value) { return Text(shared::IntegerText(value)); };
    store.Reserve(2 * content.FOPPoints.size() + 64);
    ItemWriter items(store);
    items.SetItem("/frmMain/Top", single(content.MainTop));
    items.SetItem("/frmMain/Left", single(content.MainLeft));
    items.SetItem("/frmGraph/Top", integer(content.Graph.GraphTop));
    items.SetItem("/frmGraph/Left", integer(content.Graph.GraphLeft));
    items.SetItem("/frmGraph/Height", integer(content.Graph.GraphHeight));
    items.SetItem("/frmGraph/Width", integer(content.Graph.GraphWidth));
    if (content.Units != shared::UnitSystem::Imperial) {
        items.SetItem(paths::UnitsItem, UnitsItemText(content.Units));
    }
    SetFields(items, content, FilePlace::BeforeReadings);
    items.SetItem(paths::PointCountItem, integer(content.PointCount()));
    for (int i = 0; i <= content.PointCount(); ++i) {
        const FOPPoint& point = content.FOPPoints[static_cast<std::size_t>(i)];
        items.SetPoint(i, StoredText::Ascii(shared::DoubleText(point.Ohms)),
                       StoredText::Ascii(shared::DoubleText(point.Distance)));
    }
    SetFields(items, content, FilePlace::AfterReadings);
    SetChoices(items, content.Choices, content.Units);
    SetSoil(items, content.Soil);
    SetSite(items, content.Site);
    SetLayeredSoil(items, content.LayeredSoil);
}

DataFileContent ReadDataFile(const DataFileItems& items) {
    const int count =
        std::clamp(WholeNumber(items.Value(FullPath(paths::PointCountItem))), 0, fop::MaxFOPPoints);
    std::vector<FOPPoint> points(static_cast<std::size_t>(count) + 1, FOPPoint{});
    NumberReader number;
    for (int i = 1; i <= count; ++i) {
        FOPPoint& point = points[static_cast<std::size_t>(i)];
        point.Ohms = number(items.PointOhms(i));
        point.Distance = number(items.PointFeet(i));
    }
    return ReadDataFile(items, std::move(points));
}

DataFileContent ReadDataFile(const DataFileItems& items, std::vector<FOPPoint> points) {
    DataFileContent content;
    const auto whole = [&items](const char* item) {
        return WholeNumber(items.Value(FullPath(item)));
    };
    content.MainTop = whole("/frmMain/Top");
    content.MainLeft = whole("/frmMain/Left");
    content.Graph.GraphTop = whole("/frmGraph/Top");
    content.Graph.GraphLeft = whole("/frmGraph/Left");
    content.Graph.GraphHeight = whole("/frmGraph/Height");
    content.Graph.GraphWidth = whole("/frmGraph/Width");
    // Checked before any of the file is used; an unchecked file's unknown
    // system reads as imperial, like one without the item.
    content.Units =
        UnitsOfItem(items.Find(FullPath(paths::UnitsItem))).value_or(shared::UnitSystem::Imperial);
    GetFields(items, content, FilePlace::BeforeReadings);
    content.FOPPoints = std::move(points);
    GetFields(items, content, FilePlace::AfterReadings);
    content.Choices = GetChoices(items);
    content.Soil = GetSoil(items);
    content.Site = GetSite(items);
    content.LayeredSoil = GetLayeredSoil(items);
    return content;
}

DataFileContent ReadDataFile(const XmlValueStore& store) {
    return ReadDataFile(DataFileItems(store));
}

CheckedDataFile ReadCheckedDataFile(const QString& fileName, const OwnItemsCheck& ownItems) {
    XmlValueStore store;
    store.FileName(fileName);
    if (std::optional<QString> problem = store.Read()) {
        return {std::nullopt, *problem};
    }
    const DataFileItems items(store);
    CheckedItems checked = CheckDataFile(items);
    if (checked.Damage) {
        return {std::nullopt, *checked.Damage};
    }
    if (ownItems) {
        if (std::optional<QString> problem = ownItems(items)) {
            return {std::nullopt, *problem};
        }
    }
    return {ReadDataFile(items, std::move(checked.FOPPoints)), QString()};
}

} // namespace stakewell::files
