#include "CaseName.h"

#include "files/DataFile.h"
#include "files/XmlValueStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using stakewell::files::XmlValueStore;
using stakewell::fop::FOPPoint;

QString WrittenFile(const QTemporaryDir& folder, const QByteArray& bytes) {
    const QString name = folder.filePath(QStringLiteral("data.xml"));
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return name;
}

// The readings of a file, in whatever form XML allows them, as the window's
// load takes them.
struct ReadingsCase {
    const char* name;
    // Elements of the file's Data/Stakewell group.
    const char* elements;
    // Empty for a file that loads.
    const char* problem;
};

class ReadingsInAFile : public testing::TestWithParam<ReadingsCase> {};

const std::vector<FOPPoint> TwoReadings{{}, {10, 5}, {20, 6}};

TEST_P(ReadingsInAFile, LoadAsTheirTextsSayOrAreRefused) {
    QTemporaryDir folder;
    const QString fileName = WrittenFile(
        folder, QByteArray("<?xml version=\"1.0\"?>\n<stakewell-data><group name=\"Data\">"
                           "<group name=\"Stakewell\">") +
                    GetParam().elements + "</group></group></stakewell-data>\n");
    const stakewell::files::CheckedDataFile read = stakewell::files::ReadCheckedDataFile(fileName);
    EXPECT_EQ(read.Problem.toStdString(), GetParam().problem);
    if (std::string(GetParam().problem).empty()) {
        ASSERT_TRUE(read.Content.has_value());
        EXPECT_EQ(read.Content->FOPPoints, TwoReadings);
    }
}

#define SECOND_READING "<value name=\"Ohms-2\">6</value><value name=\"Feet-2\">20</value>"

INSTANTIATE_TEST_SUITE_P(
    Forms, ReadingsInAFile,
    testing::Values(
        ReadingsCase{"References",
                     "<group name=\"FOP\"><value name=\"iPts\">&#50;</value>"
                     "<value name=\"Ohms-&#49;\">5</value><value "
                     "name=\"Feet-1\">1&#48;</value>" SECOND_READING "</group>",
                     ""},
        ReadingsCase{
            "CdataAndEncodedText",
            "<group name=\"FOP\"><value name=\"iPts\">2</value>"
            "<value name=\"Ohms-1\"><![CDATA[5]]></value>"
            "<value name=\"Feet-1\" encoding=\"base64-utf16le\">MQAwAA==</value>" SECOND_READING
            "</group>",
            ""},
        ReadingsCase{
            "RepeatedReadingTakesItsLastValue",
            "<group name=\"FOP\"><value name=\"iPts\">2</value>"
            "<value name=\"Ohms-1\">5</value><value name=\"Feet-1\">ten</value>" SECOND_READING
            "<value name=\"Feet-1\">10</value></group>",
            ""},
        ReadingsCase{"NameHoldingItsGroup",
                     "<group name=\"FOP\"><value name=\"iPts\">2</value>"
                     "<value name=\"Ohms-1\">5</value>" SECOND_READING "</group>"
                     "<value name=\"FOP/Feet-1\">10</value>",
                     ""},
        ReadingsCase{"GroupInTwoRuns",
                     "<group name=\"FOP\"><value name=\"iPts\">2</value>"
                     "<value name=\"Ohms-1\">5</value><value name=\"Feet-1\">10</value></group>"
                     "<value name=\"Earth_Restivity\">100</value>"
                     "<group name=\"FOP\">" SECOND_READING "</group>",
                     ""},
        ReadingsCase{
            "NumbersNoReadingHasAreLeftAlone",
            "<group name=\"FOP\"><value name=\"iPts\">2</value>"
            "<value name=\"Ohms-1\">5</value><value name=\"Feet-1\">10</value>" SECOND_READING
            "<value name=\"Ohms-99999\">x</value>"
            "<value name=\"Ohms-4294967297\">x</value><value name=\"Ohms-\">x</value>"
            "<value name=\"Ohms-+3\">x</value></group>",
            ""},
        ReadingsCase{
            "LeadingZeroMakesAnotherName",
            "<group name=\"FOP\"><value name=\"iPts\">2</value>"
            "<value name=\"Ohms-1\">5</value><value name=\"Feet-01\">10</value>" SECOND_READING
            "</group>",
            "reading 1, distance is missing"},
        ReadingsCase{"DigitsOutsideAscii",
                     "<group name=\"FOP\"><value name=\"iPts\">2</value>"
                     "<value name=\"Ohms-1\">5</value><value name=\"Feet-1\">\xEF\xBC\x91"
                     "0</value>" SECOND_READING "</group>",
                     "reading 1, distance \"\xEF\xBC\x91"
                     "0\" is not a number"}),
    [](const testing::TestParamInfo<ReadingsCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// A store read from a file holds what the store that wrote it held, and
// keeps it when copied away from the store that read it.
TEST(StoreReadBack, HoldsTheValuesWrittenAndKeepsThemInACopy) {
    QTemporaryDir folder;
    XmlValueStore written;
    written.FileName(folder.filePath(QStringLiteral("written.xml")));
    stakewell::files::DataFileContent content;
    content.FOPPoints = TwoReadings;
    content.FieldTexts[0] = QStringLiteral("Ω·m 100 & <more>");
    content.Site.Notes = QStringLiteral("line\r\nbreak");
    stakewell::files::WriteDataFile(written, content);
    ASSERT_EQ(written.Write(), std::nullopt);

    XmlValueStore copy;
    {
        XmlValueStore read;
        read.FileName(written.FileName());
        ASSERT_EQ(read.Read(), std::nullopt);
        EXPECT_TRUE(read.SameValues(written));
        copy = read;
    }
    EXPECT_TRUE(copy.SameValues(written));
    copy.SetValue(QStringLiteral("Data/Stakewell/FOP/Feet-2"), QStringLiteral("30"));
    EXPECT_FALSE(copy.SameValues(written));
    copy.FileName(folder.filePath(QStringLiteral("again.xml")));
    ASSERT_EQ(copy.Write(), std::nullopt);

    content.FOPPoints[2].Distance = 30;
    const stakewell::files::CheckedDataFile again =
        stakewell::files::ReadCheckedDataFile(copy.FileName());
    ASSERT_TRUE(again.Content.has_value()) << again.Problem.toStdString();
    EXPECT_EQ(again.Content->FOPPoints, content.FOPPoints);
    EXPECT_EQ(again.Content->FieldTexts, content.FieldTexts);
    EXPECT_EQ(again.Content->Site, content.Site);
}

// Written over a store that holds items already, each item takes its new
// text in its old place, as a file read back shows.
TEST(WriteDataFile, IntoAFilledStoreReplacesItsItems) {
    XmlValueStore store;
    store.SetValue(QStringLiteral("Data/Stakewell/FOP/Feet-1"), QStringLiteral("old"));
    store.SetValue(QStringLiteral("Data/Stakewell/FOP/iPts"), QStringLiteral("9"));
    stakewell::files::DataFileContent content;
    content.FOPPoints = TwoReadings;
    stakewell::files::WriteDataFile(store, content);
    EXPECT_EQ(store.GetValue(QStringLiteral("Data/Stakewell/FOP/Feet-1")), QStringLiteral("10"));
    EXPECT_EQ(store.GetValue(QStringLiteral("Data/Stakewell/FOP/iPts")), QStringLiteral("2"));
    EXPECT_EQ(stakewell::files::ReadDataFile(store).FOPPoints, TwoReadings);
}

} // namespace
