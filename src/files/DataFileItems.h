#pragma once

#include "files/StoredText.h"

#include <QHash>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace stakewell::files {

class XmlValueStore;

// A data file's items as its reader and its check look them up, taken from
// the store in one walk: a survey's numbered readings go straight to their
// places, so tens of thousands of them cost no path and no lookup each. The
// texts stay the store's, which must outlive this and stay unchanged.
class DataFileItems {
public:
    explicit DataFileItems(const XmlValueStore& store);

    // Nothing for an item the file does not hold.
    std::optional<QString> Find(const QString& path) const;
    // The empty text for an item the file does not hold.
    QString Value(const QString& path) const;

    // A reading's items, by the number in their names.
    const StoredText* PointOhms(int index) const { return At(Numbered::PointOhms, index); }
    const StoredText* PointFeet(int index) const { return At(Numbered::PointFeet, index); }
    // A soil reading's cells, by the soil reading (from 0).
    enum class SoilCell { Spacing, Ohms, MN, Depth, Traverse, LeftOut };
    const StoredText* Soil(SoilCell cell, std::size_t reading) const;

private:
    enum class Numbered {
        PointOhms,
        PointFeet,
        SoilSpacing,
        SoilOhms,
        SoilMN,
        SoilDepth,
        SoilTraverse,
        SoilLeftOut
    };
    static constexpr std::size_t NumberedCount = 8;

    // The names of one group's numbered items, and how far they count.
    struct Series;

    const StoredText* At(Numbered series, int index) const;
    bool TakeNumbered(const std::vector<Series>& series, const StoredText& name,
                      const StoredText& value);

    // Indexed by the number in the name; no further than one past the
    // largest count a file may hold, which is as far as any reader looks.
    std::array<std::vector<const StoredText*>, NumberedCount> numbered;
    QHash<QString, const StoredText*> others;
};

} // namespace stakewell::files
