#pragma once

#include "files/DataFile.h"
#include "files/XmlValueStore.h"

#include <QString>

#include <optional>

// One item of a sound data file made damaged, and the reason every reader of
// data files is to refuse the file with.
struct DamagedCase {
    const char* name;
    const char* item;
    const char* text;
    const char* reason;
};

// A design, four readings and a soil survey of three, with `damage` written
// over one item; the file's name.
inline QString WriteDamagedDataFile(const QString& fileName, const DamagedCase& damage) {
    stakewell::files::DataFileContent content;
    content.FieldTexts = {"100", "10", "0.625", "4", "40", "0.2043", "1.5", "10", "50"};
    content.FOPPoints = {{}, {20, 10}, {40, 20}, {60, 24}, {70, 26}};
    content.Choices.FOPE2 = QStringLiteral("100");
    for (const double feet : {2.0, 4.0, 8.0}) {
        content.Soil.readings.push_back({feet, 40.0 / feet, std::nullopt, 0.0});
    }
    stakewell::files::XmlValueStore store;
    store.FileName(fileName);
    stakewell::files::WriteDataFile(store, content);
    store.SetValue(QStringLiteral("Data/Stakewell") + QLatin1String(damage.item),
                   QString::fromUtf8(damage.text));
    store.Write();
    return fileName;
}

// A damage of each part of the file: the readings, their count, E2 and the
// soil survey. Every kind is tabled against the check itself; these show
// that each reader goes through it.
inline constexpr DamagedCase DamagedKinds[] = {
    {"DistanceInWords", "/FOP/Feet-3", "thirty", "reading 3, distance \"thirty\" is not a number"},
    {"BeyondADouble", "/FOP/Ohms-4", "1e999",
     "reading 4, resistance \"1e999\" is beyond the range of a number"},
    {"CountAboveTheReadings", "/FOP/iPts", "40",
     "the count of readings \"40\" does not match the 4 readings the file holds"},
    {"NegativeE2", "/FOP/E2", "-50", "the E2 distance \"-50\" is not a distance above 0 feet"},
    {"SoilResistanceInWords", "/Soil/Ohms-2", "ten",
     "soil reading 2, resistance \"ten\" is not a number"},
    {"SoilLeftOutInWords", "/Soil/LeftOut-3", "yes",
     "soil reading 3, left out \"yes\" is neither 0 nor 1"},
    {"SoilLayersSeven", "/Soil/Layers", "7",
     "the soil's chosen number of layers \"7\" is not 1, 2, 3 or 4"},
};
