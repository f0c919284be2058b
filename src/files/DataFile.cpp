#include "files/DataFile.h"

#include "files/DataFileCheck.h"
#include "files/DataFilePaths.h"
#include "files/XmlValueStore.h"
#include "shared/NumberReading.h"
#include "shared/TextForm.h"

#include <algorithm>
#include <array>
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
// byte that ends it.
class NumberReader {
public:
    explicit NumberReader(const XmlValueStore& store) : store(store) {}

    double operator()(const QString& path) {
        const QString text = store.GetValue(path);
        bytes.clear();
        for (const QChar c : text) {
            bytes.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x80');
        }
        return shared::ReadNumber(bytes);
    }

private:
    const XmlValueStore& store;
    std::string bytes;
};

using calc::FilePlace;
using calc::InputRows;

void SetFields(XmlValueStore& store, const DataFileContent& content, FilePlace place) {
    for (std::size_t i = 0; i < InputRows.size(); ++i) {
        if (InputRows[i].Place == place) {
            store.SetValue(FullPath(QLatin1String(InputRows[i].DataItem)), content.FieldTexts[i]);
        }
    }
}

void GetFields(const XmlValueStore& store, DataFileContent& content, FilePlace place) {
    for (std::size_t i = 0; i < InputRows.size(); ++i) {
        if (InputRows[i].Place == place) {
            content.FieldTexts[i] = store.GetValue(FullPath(QLatin1String(InputRows[i].DataItem)));
        }
    }
}

const char* const WireBetween0Item = "/Wire/Between-0";
const char* const WireBetween1Item = "/Wire/Between-1";
const char* const WireLengthItem = "/Options/WireLength";
const char* const WireSizeItem = "/Options/WireSize";

void SetChoices(XmlValueStore& store, const ChoiceContent& choices) {
    const auto text = [&store](const char* item, const std::optional<QString>& value) {
        if (value) {
            store.SetValue(FullPath(QLatin1String(item)), *value);
        }
    };
    const auto option = [&store](const char* item, const std::optional<OptionIndex>& value) {
        if (value) {
            store.SetValue(FullPath(QLatin1String(item)), QString::number(*value));
        }
    };
    // A box left holding no distance above 0 is kept empty: the analysis has
    // no distance either way, and the file loads again.
    if (choices.FOPE2) {
        text(FOPE2Item, IsStorableE2(*choices.FOPE2) ? *choices.FOPE2 : QString());
    }
    text(WireBetween0Item, choices.WireBetween_0);
    text(WireBetween1Item, choices.WireBetween_1);
    option(WireLengthItem, choices.WireLength);
    option(WireSizeItem, choices.WireSize);
}

ChoiceContent GetChoices(const XmlValueStore& store) {
    const auto text = [&store](const char* item) -> std::optional<QString> {
        const QString path = FullPath(QLatin1String(item));
        if (!store.Holds(path)) {
            return std::nullopt;
        }
        return store.GetValue(path);
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
using paths::SoilUnitItem;

// Every reading comes back as the same double; a cell never filled in, or
// not a number, stays empty and so refused.
QString ExactText(double value) {
    return std::isfinite(value) ? Text(shared::ExactText(value)) : QString();
}

double SoilNumber(NumberReader& number, const XmlValueStore& store, const QString& path) {
    return store.GetValue(path).trimmed().isEmpty() ? std::numeric_limits<double>::quiet_NaN()
                                                    : number(path);
}

void SetSoil(XmlValueStore& store, const soil::SoilSurvey& soil) {
    if (!soil.Exists()) {
        return;
    }
    const bool schlumberger = soil.array == soil::SoilArray::Schlumberger;
    store.SetValue(FullPath(QLatin1String(SoilArrayItem)), QString::number(schlumberger ? 1 : 0));
    store.SetValue(FullPath(QLatin1String(SoilUnitItem)),
                   QString::number(soil.unit == soil::LengthUnit::Metres ? 1 : 0));
    store.SetValue(FullPath(QLatin1String(SoilCountItem)), QString::number(soil.readings.size()));
    for (std::size_t i = 0; i < soil.readings.size(); ++i) {
        const soil::SoilReading& reading = soil.readings[i];
        store.SetValue(SoilPath("Spacing", i), ExactText(reading.spacing));
        store.SetValue(SoilPath("Ohms", i), ExactText(reading.ohms));
        if (schlumberger) {
            store.SetValue(SoilPath("MN", i), ExactText(reading.potentialSpacing));
        } else if (reading.probeDepth) {
            store.SetValue(SoilPath("Depth", i), ExactText(*reading.probeDepth));
        }
    }
}

soil::SoilSurvey GetSoil(const XmlValueStore& store) {
    soil::SoilSurvey soil;
    NumberReader number(store);
    const auto count = static_cast<std::size_t>(
        std::clamp<double>(std::nearbyint(number(FullPath(QLatin1String(SoilCountItem)))), 0.0,
                           double{soil::MaxSoilReadings}));
    if (count == 0) {
        return soil;
    }
    const auto chosen = [&store](const char* item) {
        return store.GetValue(FullPath(QLatin1String(item))).trimmed() == u'1';
    };
    soil.array =
        chosen(SoilArrayItem) ? soil::SoilArray::Schlumberger : soil::SoilArray::Wenner;
    soil.unit = chosen(SoilUnitItem) ? soil::LengthUnit::Metres : soil::LengthUnit::Feet;
    soil.readings.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        soil::SoilReading& reading = soil.readings[i];
        reading.spacing = SoilNumber(number, store, SoilPath("Spacing", i));
        reading.ohms = SoilNumber(number, store, SoilPath("Ohms", i));
        if (soil.array == soil::SoilArray::Schlumberger) {
            reading.potentialSpacing = SoilNumber(number, store, SoilPath("MN", i));
        } else if (store.Holds(SoilPath("Depth", i))) {
            reading.probeDepth = SoilNumber(number, store, SoilPath("Depth", i));
        }
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

void SetSite(XmlValueStore& store, const SiteRecord& site) {
    if (!site.Filled()) {
        return;
    }
    for (const auto& [item, field] : SiteItems) {
        store.SetValue(FullPath(QLatin1String(item)), site.*field);
    }
}

SiteRecord GetSite(const XmlValueStore& store) {
    SiteRecord site;
    for (const auto& [item, field] : SiteItems) {
        site.*field = store.GetValue(FullPath(QLatin1String(item)));
    }
    return site;
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
    store.SetValue(FullPath(QStringLiteral("/frmMain/Top")), single(content.MainTop));
    store.SetValue(FullPath(QStringLiteral("/frmMain/Left")), single(content.MainLeft));
    store.SetValue(FullPath(QStringLiteral("/frmGraph/Top")), integer(content.Graph.GraphTop));
    store.SetValue(FullPath(QStringLiteral("/frmGraph/Left")), integer(content.Graph.GraphLeft));
    store.SetValue(FullPath(QStringLiteral("/frmGraph/Height")),
                   integer(content.Graph.GraphHeight));
    store.SetValue(FullPath(QStringLiteral("/frmGraph/Width")), integer(content.Graph.GraphWidth));
    SetFields(store, content, FilePlace::BeforeReadings);
    store.SetValue(FullPath(paths::PointCountItem), integer(content.PointCount()));
    PointPaths points;
    store.Reserve(2 * content.FOPPoints.size() + 16);
    for (int i = 0; i <= content.PointCount(); ++i) {
        const FOPPoint& point = content.FOPPoints[static_cast<std::size_t>(i)];
        store.SetValue(points.Ohms(i), Text(shared::DoubleText(point.Ohms)));
        store.SetValue(points.Feet(i), Text(shared::DoubleText(point.Feet)));
    }
    SetFields(store, content, FilePlace::AfterReadings);
    SetChoices(store, content.Choices);
    SetSoil(store, content.Soil);
    SetSite(store, content.Site);
}

DataFileContent ReadDataFile(const XmlValueStore& store) {
    DataFileContent content;
    const auto whole = [&store](const QString& item) {
        return WholeNumber(store.GetValue(FullPath(item)));
    };
    content.MainTop = whole(QStringLiteral("/frmMain/Top"));
    content.MainLeft = whole(QStringLiteral("/frmMain/Left"));
    content.Graph.GraphTop = whole(QStringLiteral("/frmGraph/Top"));
    content.Graph.GraphLeft = whole(QStringLiteral("/frmGraph/Left"));
    content.Graph.GraphHeight = whole(QStringLiteral("/frmGraph/Height"));
    content.Graph.GraphWidth = whole(QStringLiteral("/frmGraph/Width"));
    GetFields(store, content, FilePlace::BeforeReadings);
    const int count =
        std::clamp(whole(QLatin1String(paths::PointCountItem)), 0, fop::MaxFOPPoints);
    content.FOPPoints.assign(static_cast<std::size_t>(count) + 1, FOPPoint{});
    PointPaths points;
    NumberReader number(store);
    for (int i = 1; i <= count; ++i) {
        FOPPoint& point = content.FOPPoints[static_cast<std::size_t>(i)];
        point.Ohms = number(points.Ohms(i));
        point.Feet = number(points.Feet(i));
    }
    GetFields(store, content, FilePlace::AfterReadings);
    content.Choices = GetChoices(store);
    content.Soil = GetSoil(store);
    content.Site = GetSite(store);
    return content;
}

CheckedDataFile ReadCheckedDataFile(const QString& fileName) {
    XmlValueStore store;
    store.FileName(fileName);
    if (std::optional<QString> problem = store.Read()) {
        return {std::nullopt, *problem};
    }
    if (std::optional<QString> damage = DataFileDamage(store)) {
        return {std::nullopt, *damage};
    }
    return {ReadDataFile(store), QString()};
}

} // namespace stakewell::files
