#pragma once

#include "fop/FopPoints.h"
#include "shared/Units.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace stakewell::files {

class DataFileItems;
class XmlValueStore;

// A metric work, and a user whose locale writes one, read a comma in a
// number as its decimal mark.
bool ReadsDecimalComma(shared::UnitSystem units);

// Whether the E2 box's text can stand in a data file: empty, or a distance
// above 0 as the box of a work in those units reads it.
bool IsStorableE2(const QString& text, shared::UnitSystem units = shared::UnitSystem::Imperial);

// The unit system an item names, nothing when it names none: a missing item
// is imperial.
std::optional<shared::UnitSystem> UnitsOfItem(const std::optional<QString>& item);
QString UnitsItemText(shared::UnitSystem units);

// The number of layers the survey's item chooses, 1 to 4 with blanks around
// it; 0, the data's, for a missing item and nothing for any other text.
std::optional<std::size_t> ChosenLayersOfItem(const std::optional<QString>& item);

// The first item that makes a data file unusable, worded for the user
// (reading 3, distance "thirty" is not a number); nothing for a sound file.
// A reading's distance and resistance must each be wholly a number of 0 or
// more within the double range, their count must match the pairs the file
// holds, E2 must be storable, and the soil survey's count must match its
// readings, each cell empty or wholly a number, each left-out mark 0 or 1
// and its chosen number of layers 1 to 4.
// The design boxes, the between lengths, the window places, the site record
// and the traverses' names are the user's texts as typed and are never
// refused.
std::optional<QString> DataFileDamage(const XmlValueStore& store);
std::optional<QString> DataFileDamage(const DataFileItems& items);

// The first damage as above; for a sound file also its readings as they
// load, so that each is read once for the check and the load.
struct CheckedItems {
    std::optional<QString> Damage;
    std::vector<fop::FOPPoint> FOPPoints;
};
CheckedItems CheckDataFile(const DataFileItems& items);

} // namespace stakewell::files
