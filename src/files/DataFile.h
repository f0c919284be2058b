#pragma once

#include "shared/modStakewell.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class XmlValueStore;

namespace stakewellFiles {

// The input fields a data file keeps, by object name: the seven design inputs,
// then the two four-point inputs.
inline constexpr std::array<const char*, 9> StoredFieldNames{
    "tbxEarthRes", "tbxElectLen",  "tbxElectDia", "tbxNumElect", "tbxWireLen",
    "tbxWireDia",  "tbxWireDepth", "tbxMVal",     "tbx4ptE2"};
inline constexpr std::size_t DesignFieldCount = 7;

// Everything a data file holds, as the window applies it. Window positions
// are whole twips; FOPPoints[0] is always the origin.
struct DataFileContent {
    std::int32_t MainTop = 0;
    std::int32_t MainLeft = 0;
    modStakewell::GraphPlacement Graph;
    std::array<QString, StoredFieldNames.size()> FieldTexts;
    std::vector<modStakewell::FOPPoint> FOPPoints{modStakewell::FOPPoint{}};

    int PointCount() const { return static_cast<int>(FOPPoints.size()) - 1; }
};

// Every item under its full path, in the order the window reads them.
void WriteDataFile(XmlValueStore& store, const DataFileContent& content);
// Missing items read as the empty text (0 where a number is expected); a
// point count is held to 0..32767 and no value is read beyond it.
DataFileContent ReadDataFile(const XmlValueStore& store);

// The value of a number read from a data file, rounded half to even and held
// within the 32-bit range.
std::int32_t WholeNumber(const QString& text);

} // namespace stakewellFiles
