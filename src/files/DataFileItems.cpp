#include "files/DataFileItems.h"

#include "files/DataFilePaths.h"
#include "files/XmlValueStore.h"
#include "fop/FopPoints.h"
#include "soil/SoilReadings.h"

#include <utility>

namespace stakewell::files {
namespace {

// The number ending a name in the form every writer gave it: decimal digits
// without a leading zero. Nothing for any other form, or past `limit`.
template <typename View> std::optional<std::size_t> NameNumber(View digits, std::size_t limit) {
    constexpr qsizetype MostDigits = 9;
    if (digits.isEmpty() || digits.size() > MostDigits ||
        (digits.size() > 1 && digits.front() == u'0')) {
        return std::nullopt;
    }
    std::size_t number = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const char16_t c = digits[i].unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        number = number * 10 + (c - u'0');
    }
    return number <= limit ? std::optional<std::size_t>(number) : std::nullopt;
}

} // namespace

struct DataFileItems::Series {
    QLatin1String stem;
    Numbered numbered;
    std::size_t limit;
};

DataFileItems::DataFileItems(const XmlValueStore& store) {
    const QString pointGroup = paths::FullPath("/FOP/");
    const QString soilGroup = paths::FullPath("/Soil/");
    constexpr auto pointLimit = static_cast<std::size_t>(fop::MaxFOPPoints) + 1;
    constexpr std::size_t soilLimit = soil::MaxSoilReadings + 1;
    const std::vector<Series> pointSeries{
        {QLatin1String("Ohms-"), Numbered::PointOhms, pointLimit},
        {QLatin1String("Feet-"), Numbered::PointFeet, pointLimit},
    };
    const std::vector<Series> soilSeries{
        {QLatin1String("Spacing-"), Numbered::SoilSpacing, soilLimit},
        {QLatin1String("Ohms-"), Numbered::SoilOhms, soilLimit},
        {QLatin1String("MN-"), Numbered::SoilMN, soilLimit},
        {QLatin1String("Depth-"), Numbered::SoilDepth, soilLimit},
        {QLatin1String("Traverse-"), Numbered::SoilTraverse, soilLimit},
        {QLatin1String("LeftOut-"), Numbered::SoilLeftOut, soilLimit},
    };
    // Values of one group come in runs, so a group's prefix is compared only
    // when the run changes.
    const QString* lastPrefix = nullptr;
    const std::vector<Series>* series = nullptr;
    store.Walk([&](const QString& prefix, const StoredText& name, const StoredText& value) {
        if (&prefix != lastPrefix) {
            lastPrefix = &prefix;
            series = prefix == pointGroup  ? &pointSeries
                     : prefix == soilGroup ? &soilSeries
                                           : nullptr;
        }
        if (series == nullptr || !TakeNumbered(*series, name, value)) {
            others.insert(prefix + name.ToString(), &value);
        }
    });
}

bool DataFileItems::TakeNumbered(const std::vector<Series>& series, const StoredText& name,
                                 const StoredText& value) {
    for (const Series& one : series) {
        if (!name.Visit([&one](auto text) { return text.startsWith(one.stem); })) {
            continue;
        }
        const std::optional<std::size_t> number = name.Visit(
            [&one](auto text) { return NameNumber(text.sliced(one.stem.size()), one.limit); });
        if (!number) {
            return false;
        }
        std::vector<const StoredText*>& cells = numbered.at(static_cast<std::size_t>(one.numbered));
        if (cells.size() <= *number) {
            cells.resize(*number + 1, nullptr);
        }
        cells[*number] = &value;
        return true;
    }
    return false;
}

std::optional<QString> DataFileItems::Find(const QString& path) const {
    const StoredText* value = others.value(path, nullptr);
    return value != nullptr ? std::optional<QString>(value->ToString()) : std::nullopt;
}

QString DataFileItems::Value(const QString& path) const {
    return Find(path).value_or(QString());
}

const StoredText* DataFileItems::Soil(SoilCell cell, std::size_t reading) const {
    constexpr std::array<Numbered, 6> cells{Numbered::SoilSpacing,  Numbered::SoilOhms,
                                            Numbered::SoilMN,       Numbered::SoilDepth,
                                            Numbered::SoilTraverse, Numbered::SoilLeftOut};
    return At(cells.at(static_cast<std::size_t>(cell)), static_cast<int>(reading + 1));
}

const StoredText* DataFileItems::At(Numbered series, int index) const {
    const std::vector<const StoredText*>& cells = numbered.at(static_cast<std::size_t>(series));
    return index >= 0 && static_cast<std::size_t>(index) < cells.size()
               ? cells[static_cast<std::size_t>(index)]
               : nullptr;
}

} // namespace stakewell::files
