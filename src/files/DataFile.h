#pragma once

#include "calc/DesignSheet.h"
#include "files/SiteRecord.h"
#include "fop/FopPoints.h"
#include "shared/Units.h"
#include "shared/modStakewell.h"
#include "soil/SoilSurvey.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace stakewell::files {

class DataFileItems;
class XmlValueStore;

// Which button of an option pair is chosen: 0 or 1.
using OptionIndex = int;

// What makes a test and a design reopen as they were taken, kept since the
// files first held them. Each is empty when a file does not hold it, as no
// file written before does; a load then leaves its control as it is.
struct ChoiceContent {
    std::optional<QString> FOPE2;
    std::optional<QString> WireBetween_0;
    std::optional<QString> WireBetween_1;
    std::optional<OptionIndex> WireLength;
    std::optional<OptionIndex> WireSize;

    friend bool operator==(const ChoiceContent&, const ChoiceContent&) = default;
};

// Everything a data file holds, as the window applies it. Window positions
// are whole twips; FOPPoints[0] is always the origin.
struct DataFileContent {
    std::int32_t MainTop = 0;
    std::int32_t MainLeft = 0;
    shared::GraphPlacement Graph;
    // The units every length of the design and the test is typed and kept
    // in; the soil survey keeps its own.
    shared::UnitSystem Units = shared::UnitSystem::Imperial;
    // The design sheet's inputs as typed, in the order of its table.
    std::array<QString, calc::SheetInputCount> FieldTexts;
    std::vector<fop::FOPPoint> FOPPoints{fop::FOPPoint{}};
    ChoiceContent Choices;
    // The site's resistivity survey; a file without one holds none.
    soil::SoilSurvey Soil;
    // Where and by whom the test was taken; a file without one holds none.
    SiteRecord Site;
    // A two-layer soil typed for the design, as typed: the upper and lower
    // resistivities and the upper layer's depth; empty in a file without one.
    std::array<QString, 3> LayeredSoil;

    int PointCount() const { return static_cast<int>(FOPPoints.size()) - 1; }
};

// Every item under its full path, in the order the window reads them. Into
// an empty store, as every file is written, this looks no path up.
void WriteDataFile(XmlValueStore& store, const DataFileContent& content);
// Missing items read as the empty text (0 where a number is expected), and
// missing choices as none; a point count is held to 0..32767 and no value is
// read beyond it. An option index other than 0 or 1 reads as none.
DataFileContent ReadDataFile(const XmlValueStore& store);
DataFileContent ReadDataFile(const DataFileItems& items);
// With the readings as the file's check read them.
DataFileContent ReadDataFile(const DataFileItems& items, std::vector<fop::FOPPoint> points);

// A data file read from disk and checked whole before any of it is used.
struct CheckedDataFile {
    std::optional<DataFileContent> Content;
    // Why there is no content: the file's own problem, or its first damaged
    // item, named.
    QString Problem;
};
class DataFileItems;
// Items of its own a file of another kind holds beside the data file's,
// checked once the data file's are sound: why they are not, or nothing.
using OwnItemsCheck = std::function<std::optional<QString>(const DataFileItems&)>;
CheckedDataFile ReadCheckedDataFile(const QString& fileName, const OwnItemsCheck& ownItems = {});

// The value of a number read from a data file, rounded half to even and held
// within the 32-bit range.
std::int32_t WholeNumber(const QString& text);

} // namespace stakewell::files
