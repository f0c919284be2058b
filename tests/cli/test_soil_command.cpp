#include "cli/SoilCommand.h"

#include "CaseName.h"
#include "files/DataFile.h"
#include "files/XmlValueStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <string>

namespace {

// Upper soil of about 47 ohm-metres over 22, read at six Wenner spacings.
constexpr const char* Traverse = "spacing,resistance\n3,7.85\n6,3.2\n10,1.6\n16,0.84\n25,0.49\n"
                                 "40,0.29\n";

// 100 ohm-metres 2 m thick over 300 for 6 m over 30, read at Wenner spacings
// in metres to three figures.
constexpr const char* ThreeLayers = "0.5,32\n1,16.5\n2,9.53\n3,7.39\n4,6.18\n6,4.57\n8,3.44\n"
                                    "12,1.99\n16,1.18\n24,0.483\n32,0.248\n64,0.0796\n";

struct SoilCase {
    const char* name;
    const char* csv; // written to survey.csv; the arguments name it as FILE
    QStringList arguments;
    int status;
    const char* printed; // a line standard output holds, or "" for nothing printed
    const char* refused; // what standard error says, or "" for nothing

    friend void PrintTo(const SoilCase& c, std::ostream* os) { *os << c.name; }
};

class SoilCommand : public testing::TestWithParam<SoilCase> {
protected:
    QStringList WithFile(const QStringList& arguments) const {
        QStringList filled{QStringLiteral("stakewell")};
        for (const QString& argument : arguments) {
            filled.append(QString(argument).replace(QStringLiteral("FILE"), File()));
        }
        return filled;
    }
    QString File() const { return folder.filePath(QStringLiteral("survey.csv")); }

    QTemporaryDir folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_P(SoilCommand, PrintsTheFiguresOrSaysWhyNot) {
    const SoilCase& c = GetParam();
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.csv);
    file.close();
    const std::optional<int> status =
        stakewell::cli::RunSoilCommand(WithFile(c.arguments), out, err);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, c.status) << err.str();
    if (*c.printed == '\0') {
        EXPECT_EQ(out.str(), "");
    } else {
        EXPECT_NE(out.str().find(std::string(c.printed) + "\n"), std::string::npos) << out.str();
    }
    EXPECT_NE(err.str().find(c.refused), std::string::npos) << err.str();
    EXPECT_EQ(err.str().empty(), *c.refused == '\0') << err.str();
}

const QString Soil = QStringLiteral("--soil");

INSTANTIATE_TEST_SUITE_P(
    Cli, SoilCommand,
    testing::Values(
        SoilCase{"fit",
                 Traverse,
                 {Soil, "FILE"},
                 0,
                 "Upper layer resistivity: 46.8 ohm-metres \xC2\xB1 1.2",
                 ""},
        SoilCase{"grade", Traverse, {Soil + "=FILE"}, 0, "Fit: good", ""},
        SoilCase{"rod",
                 Traverse,
                 {Soil, "FILE", "--rod", "10"},
                 0,
                 "Resistivity for a rod of 10 feet: 29.3 ohm-metres",
                 ""},
        SoilCase{"rod_in_the_layers_after_its_resistivity",
                 Traverse,
                 {Soil, "FILE", "--rod", "10"},
                 0,
                 "Resistivity for a rod of 10 feet: 29.3 ohm-metres\n"
                 "Rod resistance in the layered soil: 9.275 ohms",
                 ""},
        SoilCase{"rod_of_a_diameter",
                 Traverse,
                 {Soil, "FILE", "--rod", "10", "--rod-diameter=1"},
                 0,
                 "Rod resistance in the layered soil: 8.558 ohms",
                 ""},
        SoilCase{"metres",
                 Traverse,
                 {Soil, "FILE", "--metres"},
                 0,
                 "Upper layer thickness: 4.65 metres \xC2\xB1 0.29",
                 ""},
        SoilCase{"schlumberger",
                 "5,1,10\n10,1,2.6\n20,2,1.3\n40,2,0.30\n",
                 {Soil, "FILE", "--array", "schlumberger"},
                 0,
                 "Apparent resistivity at 5 feet: 237.0 ohm-metres",
                 ""},
        SoilCase{"named_columns_and_traverses",
                 "R,a,traverse\n7.85,3,N-S\n3.2,6,N-S\n1.6,10,N-S\n0.84,16,E-W\n0.49,25,E-W\n"
                 "0.29,40,E-W\n",
                 {Soil, "FILE"},
                 0,
                 "Apparent resistivity at 3 feet: 45.1 ohm-metres, traverse N-S",
                 ""},
        SoilCase{"outlier_left_out_fits_as_without",
                 "spacing,resistance,omit\n3,7.85\n6,3.2\n10,1.6\n16,0.84\n20,5,yes\n25,0.49\n"
                 "40,0.29\n",
                 {Soil, "FILE"},
                 0,
                 "Upper layer resistivity: 46.8 ohm-metres \xC2\xB1 1.2",
                 ""},
        SoilCase{"outlier_marked",
                 "spacing,resistance,omit\n3,7.85\n6,3.2\n10,1.6\n16,0.84\n20,5,yes\n25,0.49\n"
                 "40,0.29\n",
                 {Soil, "FILE"},
                 0,
                 "Apparent resistivity at 20 feet: 191.5 ohm-metres, left out",
                 ""},
        SoilCase{"bad_heading",
                 "a,MN,R\n5,1,1\n",
                 {Soil, "FILE"},
                 1,
                 "",
                 "Line 1: the heading names MN, which a Wenner traverse does not have."},
        SoilCase{"bad_line", "a,R\n5,1\n6,x\n7,1\n", {Soil, "FILE"}, 1, "", "Line 3:"},
        SoilCase{"not_above_zero", "5,1\n6,0\n7,1\n", {Soil, "FILE"}, 1, "", "Line 2:"},
        SoilCase{"two_readings", "5,1\n6,2\n", {Soil, "FILE"}, 1, "", "no soil model"},
        SoilCase{"one_spacing",
                 "10,1\n10,1.1\n10,0.9\n",
                 {Soil, "FILE"},
                 1,
                 "",
                 "no soil model: A two-layer model needs readings at three or more different "
                 "spacings; these are at only 1."},
        SoilCase{"resistance_above_the_limit",
                 "5,1\n6,2e9\n7,1\n",
                 {Soil, "FILE"},
                 1,
                 "",
                 "Line 2: The resistance must be at most 1000000000 Ohms"},
        // The layered lines follow the last two-layer one.
        SoilCase{"layers_of_the_readings",
                 ThreeLayers,
                 {Soil, "FILE", "--metres"},
                 0,
                 "Apparent resistivity at 64 metres: 32.0 ohm-metres\nLayers chosen: 3",
                 ""},
        SoilCase{"layers_asked",
                 ThreeLayers,
                 {Soil, "FILE", "--metres", "--layers", "2"},
                 0,
                 "Apparent resistivity at 64 metres: 32.0 ohm-metres\nLayers chosen: 2",
                 ""},
        SoilCase{"layers_seven",
                 ThreeLayers,
                 {Soil, "FILE", "--layers=7"},
                 2,
                 "",
                 "stakewell: --layers is 1, 2, 3 or 4, not \"7\"\n"},
        SoilCase{"bad_array", Traverse, {Soil, "FILE", "--array", "dipole"}, 2, "", "--array"},
        SoilCase{"bad_rod", Traverse, {Soil, "FILE", "--rod", "-3"}, 2, "", "--rod"},
        SoilCase{"bad_rod_diameter",
                 Traverse,
                 {Soil, "FILE", "--rod", "10", "--rod-diameter", "5/8"},
                 2,
                 "",
                 "stakewell: --rod-diameter needs a diameter above 0 inches, not \"5/8\"\n"},
        SoilCase{"rod_diameter_without_rod",
                 Traverse,
                 {Soil, "FILE", "--rod-diameter", "0.75"},
                 2,
                 "",
                 "--rod-diameter goes with --rod"},
        SoilCase{"with_report", Traverse, {Soil, "FILE", "--report", "FILE"}, 2, "", "--report"},
        SoilCase{"no_value", Traverse, {Soil}, 2, "", "--soil needs a value"}),
    [](const testing::TestParamInfo<SoilCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// The rod reaches through the fitted upper layer (46.8 ohm-metres, 4.65 feet)
// into the lower (22.1): its resistance lies between Dwight's for either
// soil alone.
TEST(SoilCommandRod, LiesBetweenTheRodInEitherLayerAlone) {
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("survey.csv"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Traverse);
    file.close();
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(stakewell::cli::RunSoilCommand({QStringLiteral("stakewell"), QStringLiteral("--soil"),
                                              name, QStringLiteral("--rod"), QStringLiteral("10")},
                                             out, err),
              0);
    const std::string label = "Rod resistance in the layered soil: ";
    const std::size_t at = out.str().find(label);
    ASSERT_NE(at, std::string::npos) << out.str();
    const double ohms = std::stod(out.str().substr(at + label.size()));
    const double metres = 3.048;
    const double radius = 0.0254 * 0.625 / 2.0;
    const double perOhmMetre =
        (std::log(4.0 * metres / radius) - 1.0) / (2.0 * std::numbers::pi * metres);
    EXPECT_GT(ohms, 22.1 * perOhmMetre);
    EXPECT_LT(ohms, 46.8 * perOhmMetre);
}

// Columns named in another order, with every traverse and mark left empty,
// print what the plain file prints, line for line.
TEST(SoilCommandCsv, AHeadingWithoutMarksPrintsWhatThePlainFilePrints) {
    QTemporaryDir folder;
    const auto printed = [&folder](const char* csv) {
        const QString name = folder.filePath(QStringLiteral("survey.csv"));
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(stakewell::cli::RunSoilCommand(
                      {QStringLiteral("stakewell"), QStringLiteral("--soil"), name}, out, err),
                  0)
            << err.str();
        return out.str();
    };
    EXPECT_EQ(printed("Traverse;Omit;R;a\n;;7,85;3\n;no;3,2;6\n;;1,6;10\n;;0,84;16\n;;0,49;25\n"
                      ";;0,29;40\n"),
              printed(Traverse));
}

TEST(SoilCommandDataFile, TakesTheSurveyADataFileHoldsAndRefusesOneWithout) {
    QTemporaryDir folder;
    const QString site = folder.filePath(QStringLiteral("site.xml"));
    stakewell::files::DataFileContent content;
    stakewell::files::XmlValueStore store;
    store.FileName(site);
    stakewell::files::WriteDataFile(store, content);
    ASSERT_FALSE(store.Write());
    std::ostringstream out;
    std::ostringstream err;
    const QStringList arguments{QStringLiteral("stakewell"), QStringLiteral("--soil"), site};
    EXPECT_EQ(stakewell::cli::RunSoilCommand(arguments, out, err), 1);
    EXPECT_NE(err.str().find("holds no soil survey"), std::string::npos);

    content.Soil.unit = stakewell::soil::LengthUnit::Metres;
    for (const double metres : {1.0, 2.0, 4.0}) {
        content.Soil.readings.push_back({metres, 10.0 / metres, std::nullopt, 0.0});
    }
    stakewell::files::XmlValueStore surveyed;
    surveyed.FileName(site);
    stakewell::files::WriteDataFile(surveyed, content);
    ASSERT_FALSE(surveyed.Write());
    std::ostringstream again;
    EXPECT_EQ(stakewell::cli::RunSoilCommand(arguments, again, err), 0);
    EXPECT_NE(again.str().find("Apparent resistivity at 4 metres: 62.8 ohm-metres\n"),
              std::string::npos)
        << again.str();
    EXPECT_EQ(stakewell::cli::RunSoilCommand(arguments + QStringList{QStringLiteral("--metres")},
                                             again, err),
              2)
        << "a data file's survey keeps its own unit";
}

} // namespace
