#pragma once

#include <QString>

#include <array>
#include <charconv>
#include <cstddef>

// The item paths of a data file, shared by its reader, its writer and its
// check so that the three cannot drift apart.
namespace stakewell::files::paths {

// Paths are built from the program's title so that one file can sit beside
// other programs' values without clashing.
inline QString FullPath(const QString& item) {
    return QStringLiteral("Data/Stakewell") + item;
}

inline QString FullPath(const char* item) {
    return FullPath(QLatin1String(item));
}

inline constexpr const char* PointCountItem = "/FOP/iPts";
inline constexpr const char* FOPE2Item = "/FOP/E2";
// Written only for a metric work: a file without it is imperial, as every
// file written before is.
inline constexpr const char* UnitsItem = "/Units";
inline constexpr const char* SoilArrayItem = "/Soil/Array";
inline constexpr const char* SoilUnitItem = "/Soil/Unit";
inline constexpr const char* SoilCountItem = "/Soil/Count";
// The number of layers the user chose to be shown, written only when there
// is one: a file without it leaves the number to the data, as every file
// written before does.
inline constexpr const char* SoilLayersItem = "/Soil/Layers";

// A survey holds tens of thousands of points: their paths are built from
// prefixes made once. A path returned is only valid until the next call,
// which reuses its buffer.
class PointPaths {
public:
    const QString& Ohms(int index) { return Indexed(ohms, index); }
    const QString& Feet(int index) { return Indexed(feet, index); }

private:
    const QString& Indexed(const QString& prefix, int index) {
        std::array<char, 16> digits{};
        auto* const end = std::to_chars(digits.begin(), digits.end(), index).ptr;
        path.resize(0);
        path += prefix;
        path += QLatin1String(digits.data(), end - digits.data());
        return path;
    }

    QString ohms = FullPath("/FOP/Ohms-");
    QString feet = FullPath("/FOP/Feet-");
    QString path;
};

// A reading's traverse ("Traverse-N") and its left-out mark ("LeftOut-N",
// "1") are written only for a named traverse and a reading left out, so that
// a survey without them is written as it always was.
inline constexpr const char* SoilLeftOutMark = "1";
inline constexpr const char* SoilKeptMark = "0";

// The items of the survey's reading at `reading` (from 0), numbered from 1.
inline QString SoilPath(const char* name, std::size_t reading) {
    return FullPath(QStringLiteral("/Soil/%1-%2").arg(QLatin1String(name)).arg(reading + 1));
}

} // namespace stakewell::files::paths
