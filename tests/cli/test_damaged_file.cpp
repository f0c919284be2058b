#include "CaseName.h"

#include "cli/FieldCommand.h"

#include "files/DataFile.h"
#include "files/XmlValueStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

struct DamagedCase {
    const char* name;
    const char* item;
    const char* text;
    const char* reason;
};

// A design, four readings and a soil survey, with one item damaged.
QString WriteDamaged(const QString& fileName, const DamagedCase& c) {
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
    store.SetValue(QStringLiteral("Data/Stakewell") + QLatin1String(c.item),
                   QString::fromUtf8(c.text));
    EXPECT_FALSE(store.Write());
    return fileName;
}

class DamagedFile : public testing::TestWithParam<DamagedCase> {
protected:
    QTemporaryDir folder;
};

// Each command that reads a data file refuses it alike: status 1, nothing on
// standard output, the item named on standard error.
TEST_P(DamagedFile, IsRefusedByEveryCommandWithTheItemNamed) {
    const QString file = WriteDamaged(folder.filePath(QStringLiteral("site.xml")), GetParam());
    const std::string expected = QStringLiteral("stakewell: cannot read \"%1\": %2\n")
                                     .arg(file, QString::fromUtf8(GetParam().reason))
                                     .toStdString();
    for (const QStringList& command :
         {QStringList{"--report", file}, QStringList{"--report", file, "--e2", "100"},
          QStringList{"--analyse", file, "--e2", "100"}, QStringList{"--soil", file}}) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(stakewell::cli::RunFieldCommand(QStringList{"stakewell"} + command, out, err), 1)
            << command.front().toStdString();
        EXPECT_EQ(out.str(), "") << command.front().toStdString();
        EXPECT_EQ(err.str(), expected) << command.front().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamagedFile,
    testing::Values(
        DamagedCase{"DistanceInWords", "/FOP/Feet-3", "thirty",
                    "reading 3, distance \"thirty\" is not a number"},
        DamagedCase{"ResistanceInLetters", "/FOP/Ohms-2", "abc",
                    "reading 2, resistance \"abc\" is not a number"},
        DamagedCase{"LetterOForZero", "/FOP/Ohms-1", "3.O6",
                    "reading 1, resistance \"3.O6\" is not a number"},
        DamagedCase{"NegativeDistance", "/FOP/Feet-4", "-70",
                    "reading 4, distance \"-70\" is negative"},
        DamagedCase{"BeyondADouble", "/FOP/Ohms-4", "1e999",
                    "reading 4, resistance \"1e999\" is beyond the range of a number"},
        DamagedCase{"CountAboveTheReadings", "/FOP/iPts", "40",
                    "the count of readings \"40\" does not match the 4 readings the file holds"},
        DamagedCase{"CountBelowTheReadings", "/FOP/iPts", "2",
                    "the count of readings \"2\" does not match the 4 readings the file holds"},
        DamagedCase{"NegativeE2", "/FOP/E2", "-50",
                    "the E2 distance \"-50\" is not a distance above 0 feet"},
        DamagedCase{"E2BeyondADouble", "/FOP/E2", "1e999",
                    "the E2 distance \"1e999\" is not a distance above 0 feet"},
        DamagedCase{"SoilCountAboveTheReadings", "/Soil/Count", "5",
                    "the count of soil readings \"5\" does not match the 3 soil readings the file "
                    "holds"},
        DamagedCase{"SoilResistanceInWords", "/Soil/Ohms-2", "ten",
                    "soil reading 2, resistance \"ten\" is not a number"}),
    [](const auto& info) { return CaseName(info.index, {info.param.name}); });

} // namespace
