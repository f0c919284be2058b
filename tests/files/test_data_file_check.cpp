#include "CaseName.h"

#include "files/DataFile.h"
#include "files/DataFileCheck.h"
#include "files/XmlValueStore.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

using stakewell::files::DataFileDamage;

// One item changed (or, with no text, left out) from a sound file.
struct Change {
    const char* item;
    std::optional<const char*> text;
};

// Three readings, E2 and a soil survey with a cell left empty and a reading
// the survey window takes though the survey refuses it, as a user leaves them.
const std::vector<std::pair<const char*, const char*>> SoundItems{
    {"/Earth_Restivity", "abc"}, {"/FOP/iPts", "3"},    {"/FOP/Ohms-0", "0"},
    {"/FOP/Feet-0", "0"},        {"/FOP/Ohms-1", "5"},  {"/FOP/Feet-1", "10"},
    {"/FOP/Ohms-2", "6"},        {"/FOP/Feet-2", "20"}, {"/FOP/Ohms-3", "8"},
    {"/FOP/Feet-3", "30"},       {"/FOP/E2", "100"},    {"/Soil/Count", "2"},
    {"/Soil/Spacing-1", "5"},    {"/Soil/Ohms-1", "2"}, {"/Soil/Spacing-2", ""},
    {"/Soil/Ohms-2", "-1"},
};

QString Item(const char* item) {
    return QStringLiteral("Data/Stakewell") + QLatin1String(item);
}

stakewell::files::XmlValueStore Changed(const Change& change) {
    stakewell::files::XmlValueStore store;
    bool applied = false;
    for (const auto& [item, text] : SoundItems) {
        if (QLatin1String(item) != QLatin1String(change.item)) {
            store.SetValue(Item(item), QString::fromUtf8(text));
        } else if (change.text) {
            store.SetValue(Item(item), QString::fromUtf8(*change.text));
        }
        applied = applied || QLatin1String(item) == QLatin1String(change.item);
    }
    if (!applied && change.text) {
        store.SetValue(Item(change.item), QString::fromUtf8(*change.text));
    }
    return store;
}

struct DamageCase {
    const char* name;
    Change change;
    const char* damage; // nothing for a file that loads
};

class DamagedItem : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedItem, IsNamedOrTheFileLoads) {
    const DamageCase& c = GetParam();
    const std::optional<QString> damage = DataFileDamage(Changed(c.change));
    if (c.damage == nullptr) {
        EXPECT_EQ(damage, std::nullopt);
    } else {
        EXPECT_EQ(damage, QString::fromUtf8(c.damage));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, DamagedItem,
    testing::Values(
        DamageCase{"Sound", {"/Wire/Length", "60"}, nullptr},
        DamageCase{"DistanceInWords",
                   {"/FOP/Feet-3", "thirty"},
                   "reading 3, distance \"thirty\" is not a number"},
        DamageCase{"LetterOForZero",
                   {"/FOP/Ohms-1", "3.O6"},
                   "reading 1, resistance \"3.O6\" is not a number"},
        DamageCase{
            "EmptyDistance", {"/FOP/Feet-1", ""}, "reading 1, distance \"\" is not a number"},
        DamageCase{
            "NegativeDistance", {"/FOP/Feet-2", "-5"}, "reading 2, distance \"-5\" is negative"},
        DamageCase{"BeyondADouble",
                   {"/FOP/Ohms-3", "1e999"},
                   "reading 3, resistance \"1e999\" is beyond the range of a number"},
        DamageCase{"LargestDoubleAsOnceWritten",
                   {"/FOP/Feet-1", "1.79769313486232E+308"},
                   "reading 1, distance \"1.79769313486232E+308\" is beyond the range of a number"},
        DamageCase{
            "MissingDistance", {"/FOP/Feet-2", std::nullopt}, "reading 2, distance is missing"},
        DamageCase{"CountAboveTheReadings",
                   {"/FOP/iPts", "40"},
                   "the count of readings \"40\" does not match the 3 readings the file holds"},
        DamageCase{"NegativeCount",
                   {"/FOP/iPts", "-5"},
                   "the count of readings \"-5\" does not match the 3 readings the file holds"},
        DamageCase{"CountInWords",
                   {"/FOP/iPts", "three"},
                   "the count of readings \"three\" is not a number"},
        DamageCase{"CountMissing",
                   {"/FOP/iPts", std::nullopt},
                   "the count of readings is missing, but the file holds 3 readings"},
        DamageCase{"CountBeyondTheList",
                   {"/FOP/iPts", "99999"},
                   "the count of readings \"99999\" is more than 32767"},
        DamageCase{"ReadingBeyondTheCount",
                   {"/FOP/Ohms-4", "9"},
                   "the count of readings \"3\" does not match the 4 readings the file holds"},
        DamageCase{"NegativeE2",
                   {"/FOP/E2", "-50"},
                   "the E2 distance \"-50\" is not a distance above 0 feet"},
        DamageCase{"E2BeyondADouble",
                   {"/FOP/E2", "1e999"},
                   "the E2 distance \"1e999\" is not a distance above 0 feet"},
        DamageCase{"SoilCountAboveTheReadings",
                   {"/Soil/Count", "3"},
                   "the count of soil readings \"3\" does not match the 2 soil readings the file "
                   "holds"},
        DamageCase{"SoilSpacingInWords",
                   {"/Soil/Spacing-1", "five"},
                   "soil reading 1, spacing \"five\" is not a number"},
        // What the program writes, or always read the same, still loads.
        DamageCase{"E2AfterADistance",
                   {"/FOP/E2", "1e999 ft"},
                   "the E2 distance \"1e999 ft\" is not a distance above 0 feet"},
        DamageCase{"EmptyE2", {"/FOP/E2", ""}, nullptr},
        DamageCase{"MetricWork", {"/Units", " metric "}, nullptr},
        DamageCase{"UnknownUnitSystem",
                   {"/Units", "Metrik"},
                   "the unit system \"Metrik\" is neither Imperial nor Metric"},
        DamageCase{"E2TypedWithItsUnit", {"/FOP/E2", "50 ft"}, nullptr},
        DamageCase{"BlanksAroundADistance", {"/FOP/Feet-1", " 10 \n"}, nullptr},
        DamageCase{"ZeroResistance", {"/FOP/Ohms-1", "0"}, nullptr},
        DamageCase{"ExponentForm", {"/FOP/Ohms-1", "1.5E-07"}, nullptr},
        DamageCase{"CountAsAWholeDouble", {"/FOP/iPts", "3.0"}, nullptr},
        DamageCase{"OriginNeverRead", {"/FOP/Feet-0", "-1"}, nullptr},
        DamageCase{"SoilCountMissing",
                   {"/Soil/Count", std::nullopt},
                   "the count of soil readings is "
                   "missing, but the file holds 2 soil "
                   "readings"},
        DamageCase{"LargestSoilValue", {"/Soil/Ohms-1", "1.7976931348623157e+308"}, nullptr},
        DamageCase{"SoilLeftOut", {"/Soil/LeftOut-2", " 1 "}, nullptr},
        DamageCase{"SoilKeptInTheFit", {"/Soil/LeftOut-1", "0"}, nullptr},
        DamageCase{"SoilLeftOutInWords",
                   {"/Soil/LeftOut-2", "yes"},
                   "soil reading 2, left out \"yes\" is neither 0 nor 1"},
        DamageCase{"SoilLeftOutEmpty",
                   {"/Soil/LeftOut-1", ""},
                   "soil reading 1, left out \"\" is neither 0 nor 1"},
        DamageCase{"SoilLeftOutTwo",
                   {"/Soil/LeftOut-1", "2"},
                   "soil reading 1, left out \"2\" is neither 0 nor 1"},
        DamageCase{"SoilTraverseAnyText", {"/Soil/Traverse-2", "1 <&> \xE2\x80\x93"}, nullptr},
        DamageCase{"SoilLayersChosen", {"/Soil/Layers", " 4 "}, nullptr},
        DamageCase{"SoilLayersSeven",
                   {"/Soil/Layers", "7"},
                   "the soil's chosen number of layers \"7\" is not 1, 2, 3 or 4"},
        // 0, the readings' choice, is never written: no item says it.
        DamageCase{"SoilLayersZero",
                   {"/Soil/Layers", "0"},
                   "the soil's chosen number of layers \"0\" is not 1, 2, 3 or 4"}),
    [](const auto& info) { return CaseName(info.index, {info.param.name}); });

TEST(DataFileCheck, AFileWithoutReadingsOrSurveyLoads) {
    EXPECT_EQ(DataFileDamage(stakewell::files::XmlValueStore{}), std::nullopt);
    stakewell::files::XmlValueStore written;
    stakewell::files::WriteDataFile(written, stakewell::files::DataFileContent{});
    EXPECT_EQ(DataFileDamage(written), std::nullopt);
}

// The E2 box is free text: what is no distance is saved as empty, so that the
// file, LastConfig.xml too, loads again.
TEST(DataFileCheck, AnE2BoxHoldingNoDistanceIsSavedEmpty) {
    for (const auto& [typed, saved] : std::vector<std::pair<QString, QString>>{{"75", "75"},
                                                                               {" 62.5", " 62.5"},
                                                                               {"", ""},
                                                                               {"-50", ""},
                                                                               {"0", ""},
                                                                               {"abc", ""},
                                                                               {"5O", "5O"},
                                                                               {"1e999", ""}}) {
        stakewell::files::DataFileContent content;
        content.Choices.FOPE2 = typed;
        stakewell::files::XmlValueStore store;
        stakewell::files::WriteDataFile(store, content);
        EXPECT_EQ(store.GetValue(Item("/FOP/E2")), saved) << typed.toStdString();
        EXPECT_EQ(DataFileDamage(store), std::nullopt) << typed.toStdString();
    }
}

} // namespace
