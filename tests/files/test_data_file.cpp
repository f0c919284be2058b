#include "files/DataFile.h"
#include "files/XmlValueStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace {

using stakewell::files::DataFileContent;
using stakewell::files::ReadDataFile;
using stakewell::files::WriteDataFile;
using stakewell::fop::FOPPoint;

QString Item(const char* item) {
    return QStringLiteral("Data/Stakewell") + QLatin1String(item);
}

TEST(DataFile, NoPointsWriteTheCountZeroAndTheOriginPair) {
    stakewell::files::XmlValueStore store;
    WriteDataFile(store, DataFileContent{});
    EXPECT_EQ(store.GetValue(Item("/FOP/iPts")), "0");
    EXPECT_EQ(store.GetValue(Item("/FOP/Ohms-0")), "0");
    EXPECT_EQ(store.GetValue(Item("/FOP/Feet-0")), "0");
    EXPECT_EQ(ReadDataFile(store).FOPPoints, std::vector<FOPPoint>{FOPPoint{}});
}

TEST(DataFile, ThreePointsWriteFourPairsAndReadBackThreeInFileOrder) {
    DataFileContent content;
    content.FOPPoints = {{}, {30.0, 3.5}, {10.0, 1.25}, {20.0, 2.0}};
    content.MainTop = 1230;
    content.Graph = {1500, -300, 9000, 7500};
    stakewell::files::XmlValueStore store;
    WriteDataFile(store, content);
    EXPECT_EQ(store.GetValue(Item("/FOP/iPts")), "3");
    EXPECT_EQ(store.GetValue(Item("/FOP/Feet-3")), "20");
    EXPECT_EQ(store.GetValue(Item("/FOP/Ohms-2")), "1.25");
    EXPECT_EQ(store.GetValue(Item("/frmMain/Top")), "1230");
    EXPECT_EQ(store.GetValue(Item("/frmGraph/Left")), "-300");

    // The origin pair is written but never read: it is the origin again.
    store.SetValue(Item("/FOP/Ohms-0"), QStringLiteral("99"));
    const DataFileContent read = ReadDataFile(store);
    EXPECT_EQ(read.FOPPoints, content.FOPPoints);
    EXPECT_EQ(read.Graph.GraphLeft, -300);
    EXPECT_EQ(read.MainTop, 1230);
}

struct NumberCase {
    const char* name;
    const char* text;
    std::int32_t whole;
    int pointCount;
};

class StoredNumber : public testing::TestWithParam<NumberCase> {};

// Positions round half to even and stay within 32 bits; a point count is held
// to what the list can hold, and points beyond the file's pairs read as zero.
TEST_P(StoredNumber, IsRoundedAndHeldWithinRange) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(stakewell::files::WholeNumber(QLatin1String(c.text)), c.whole);
    stakewell::files::XmlValueStore store;
    store.SetValue(Item("/FOP/iPts"), QLatin1String(c.text));
    const DataFileContent read = ReadDataFile(store);
    EXPECT_EQ(read.PointCount(), c.pointCount);
    EXPECT_EQ(read.FOPPoints.back(), FOPPoint{});
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, StoredNumber,
    testing::Values(NumberCase{"HalfDown", "1234.5", 1234, 1234},
                    NumberCase{"HalfUp", "1235.5", 1236, 1236}, NumberCase{"Negative", "-5", -5, 0},
                    NumberCase{"BeyondTheList", "99999", 99999, 32767},
                    NumberCase{"Full", "32767", 32767, 32767},
                    NumberCase{"NotANumber", "abc", 0, 0}, NumberCase{"Missing", "", 0, 0},
                    NumberCase{"Huge", "1E99", 2147483647, 32767},
                    NumberCase{"HugeNegative", "-1E99", -2147483647 - 1, 0}),
    [](const testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

TEST(DataFile, FieldTextsTravelUnchangedAndMissingOnesReadEmpty) {
    DataFileContent content;
    content.FieldTexts = {"100", " 10 ft", "5/8", "4", "", "0.2043", "1,5", "25", "abc"};
    stakewell::files::XmlValueStore store;
    WriteDataFile(store, content);
    EXPECT_EQ(store.GetValue(Item("/Earth_Restivity")), "100");
    EXPECT_EQ(store.GetValue(Item("/4Pt/MVal")), "25");
    EXPECT_EQ(store.GetValue(Item("/4Pt/E2")), "abc");
    EXPECT_EQ(ReadDataFile(store).FieldTexts, content.FieldTexts);
    EXPECT_EQ(ReadDataFile(stakewell::files::XmlValueStore{}).FieldTexts,
              DataFileContent{}.FieldTexts);
}

TEST(DataFile, ChoicesAreWrittenAfterTheOtherItemsAndReadBackOnlyWhenThere) {
    DataFileContent content;
    content.Choices = {"100", "20", "15", 1, 0};
    stakewell::files::XmlValueStore store;
    WriteDataFile(store, content);
    EXPECT_EQ(store.GetValue(Item("/FOP/E2")), "100");
    EXPECT_EQ(store.GetValue(Item("/Wire/Between-1")), "15");
    EXPECT_EQ(store.GetValue(Item("/Options/WireLength")), "1");
    EXPECT_EQ(store.GetValue(Item("/Options/WireSize")), "0");
    EXPECT_EQ(ReadDataFile(store).Choices, content.Choices);

    stakewell::files::XmlValueStore older;
    older.SetValue(Item("/4Pt/E2"), QStringLiteral("50"));
    EXPECT_EQ(ReadDataFile(older).Choices, stakewell::files::ChoiceContent{});

    // An empty E2 box is kept as empty; an option that is neither 0 nor 1 is none.
    older.SetValue(Item("/FOP/E2"), QString());
    older.SetValue(Item("/Options/WireLength"), QStringLiteral("2"));
    older.SetValue(Item("/Options/WireSize"), QStringLiteral(" 1 "));
    const stakewell::files::ChoiceContent read = ReadDataFile(older).Choices;
    EXPECT_EQ(read.FOPE2, QString());
    EXPECT_EQ(read.WireLength, std::nullopt);
    EXPECT_EQ(read.WireSize, 1);
}

// Readings come back as the very doubles they were, the probe depth only where
// one was taken; a file without a survey gets no survey items at all.
TEST(DataFile, ASoilSurveyTravelsExactlyAndOnlyWhenThere) {
    using stakewell::soil::LengthUnit;
    using stakewell::soil::SoilArray;
    using stakewell::soil::SoilSurvey;
    DataFileContent content;
    stakewell::files::XmlValueStore none;
    WriteDataFile(none, content);
    EXPECT_FALSE(none.Holds(Item("/Soil/Count")));
    EXPECT_FALSE(ReadDataFile(none).Soil.Exists());

    for (const SoilSurvey& survey :
         {SoilSurvey{
              SoilArray::Wenner,
              LengthUnit::Metres,
              {{0.1 + 0.2, 12345.678901234567, std::nullopt, 0.0}, {1e-300, 7.0, 0.25, 0.0}}},
          SoilSurvey{
              SoilArray::Schlumberger, LengthUnit::Feet, {{10.0, 3.5, std::nullopt, 2.0}}}}) {
        content.Soil = survey;
        stakewell::files::XmlValueStore store;
        WriteDataFile(store, content);
        EXPECT_EQ(ReadDataFile(store).Soil, survey);
        EXPECT_FALSE(store.Holds(Item("/Soil/Depth-1")));
    }
}

// A cell left empty, or not a number, is kept empty; so is a reading a
// hand-edited count claims but the file lacks. Either way the analysis
// refuses it by its number rather than read it as 0.
TEST(DataFile, AnEmptyOrMissingSurveyValueStaysEmpty) {
    stakewell::files::XmlValueStore store;
    store.SetValue(Item("/Soil/Count"), QStringLiteral("3"));
    store.SetValue(Item("/Soil/Spacing-1"), QStringLiteral("5"));
    store.SetValue(Item("/Soil/Ohms-1"), QStringLiteral("2"));
    const auto soil = ReadDataFile(store).Soil;
    ASSERT_EQ(soil.readings.size(), 3U);
    EXPECT_EQ(soil.readings[0].spacing, 5.0);
    EXPECT_TRUE(std::isnan(soil.readings[2].ohms));

    stakewell::files::DataFileContent content;
    content.Soil.readings = {{std::nan(""), 2.0, std::nan(""), 0.0}};
    stakewell::files::XmlValueStore written;
    WriteDataFile(written, content);
    EXPECT_EQ(written.GetValue(Item("/Soil/Spacing-1")), "");
    const auto back = ReadDataFile(written).Soil.readings.at(0);
    EXPECT_TRUE(std::isnan(back.spacing));
    EXPECT_TRUE(back.probeDepth && std::isnan(*back.probeDepth));
    EXPECT_EQ(back.ohms, 2.0);
}

TEST(DataFile, ASiteRecordTravelsWhenFilledAndWritesNothingWhenEmpty) {
    DataFileContent content;
    stakewell::files::XmlValueStore empty;
    WriteDataFile(empty, content);
    EXPECT_FALSE(empty.Holds(Item("/Site/Name")));

    content.Site = {"Substation 4", "A. Engineer", "2026-12-09", "", "Dry.\nFrost at 0.5 m."};
    stakewell::files::XmlValueStore store;
    WriteDataFile(store, content);
    EXPECT_EQ(store.GetValue(Item("/Site/Notes")), "Dry.\nFrost at 0.5 m.");
    EXPECT_EQ(ReadDataFile(store).Site, content.Site);
}

// Two named traverses and the unnamed one, two readings left out, as the
// traverses fixture keeps them: a name and a mark only where there is one.
const std::vector<stakewell::soil::SoilReading> MarkedReadings{
    {5.0, 2.0, std::nullopt, 0.0, "N\xE2\x80\x93S", false},
    {10.0, 1.0, 0.5, 0.0, "", true},
    {20.0, 0.5, std::nullopt, 0.0, "E-W <&> \"2\"", true},
};

// A survey left to the readings writes no item, as the fixtures written back
// to the byte show; a number chosen travels.
TEST(DataFile, AChosenNumberOfLayersTravels) {
    DataFileContent content;
    content.Soil.readings = MarkedReadings;
    content.Soil.chosenLayers = 4;
    stakewell::files::XmlValueStore store;
    WriteDataFile(store, content);
    EXPECT_EQ(store.GetValue(Item("/Soil/Layers")), "4");
    EXPECT_EQ(ReadDataFile(store).Soil, content.Soil);
}

QByteArray FileBytes(const QString& fileName) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    return file.readAll();
}

// A file loads and is written back to the byte: one written before traverses
// were kept, and one that keeps them.
TEST(DataFile, FixturesAreWrittenBackToTheByte) {
    QTemporaryDir folder;
    for (const char* name : {"every-item.xml", "traverses.xml"}) {
        const QString fixture = QStringLiteral(STAKEWELL_OLD_FILES "/") + QLatin1String(name);
        const stakewell::files::CheckedDataFile read =
            stakewell::files::ReadCheckedDataFile(fixture);
        ASSERT_TRUE(read.Content) << read.Problem.toStdString();
        stakewell::files::XmlValueStore store;
        store.FileName(folder.filePath(QLatin1String(name)));
        WriteDataFile(store, *read.Content);
        ASSERT_EQ(store.Write(), std::nullopt);
        EXPECT_EQ(FileBytes(store.FileName()).toStdString(), FileBytes(fixture).toStdString())
            << name;
    }
}

TEST(DataFile, TheTraversesFixtureHoldsItsMarkedSurvey) {
    const stakewell::files::CheckedDataFile read =
        stakewell::files::ReadCheckedDataFile(QStringLiteral(STAKEWELL_OLD_FILES "/traverses.xml"));
    ASSERT_TRUE(read.Content) << read.Problem.toStdString();
    EXPECT_EQ(read.Content->Soil.readings, MarkedReadings);
}

} // namespace
