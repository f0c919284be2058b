#include "files/DataFile.h"
#include "files/XmlValueStore.h"
#include "soil/TwoLayerSoil.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

using stakewell::files::DataFileContent;

// The program's --pdf as from a console with no display at all, in a locale
// of the given name.
struct PdfRun {
    int status = -1;
    QByteArray errors;
};

PdfRun RunProgram(const QStringList& arguments, const QString& locale) {
    QProcess program;
    QProcessEnvironment console = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LANGUAGE"}) {
        console.remove(QLatin1String(name));
    }
    console.insert(QStringLiteral("LC_ALL"), locale);
    program.setProcessEnvironment(console);
    program.start(QStringLiteral(STAKEWELL_PROGRAM), arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            program.readAllStandardError()};
}

// Every page's size in points, from the PDF's media boxes.
QStringList PageSizes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString text = QString::fromLatin1(file.readAll());
    QStringList sizes;
    const QRegularExpression box(
        QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])"));
    for (const auto& match : box.globalMatch(text)) {
        sizes.append(QStringLiteral("%1x%2")
                         .arg(std::lround(match.captured(1).toDouble()))
                         .arg(std::lround(match.captured(2).toDouble())));
    }
    return sizes;
}

struct PdfCase {
    const char* name;
    bool withSurvey;
    QStringList options;
    const char* locale;
    QStringList pages;
};

void PrintTo(const PdfCase& c, std::ostream* os) {
    *os << c.name;
}

// Data files of the readings, with or without a soil survey.
class PdfFiles : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString DataFile(bool withSurvey) {
        DataFileContent content;
        content.FieldTexts = {"100", "10", "0.625", "4", "40", "0.2043", "1.5", "10", "50"};
        content.FOPPoints = {{}, {10, 8}, {20, 11}, {30, 13}, {40, 14}, {60, 15}, {110, 30}};
        content.Choices.FOPE2 = QStringLiteral("100");
        if (withSurvey) {
            for (int i = 0; i < 10; ++i) {
                const double feet = 2.0 * std::pow(1.5, i);
                const double metres = feet * 0.3048;
                const double ohmMetres = stakewell::soil::ModelResistivity(
                    stakewell::soil::SoilArray::Wenner, {400.0, 120.0, 2.0}, metres);
                content.Soil.readings.push_back(
                    {feet, ohmMetres / (2.0 * M_PI * metres), std::nullopt, 0.0});
            }
        }
        const QString name = folder.filePath(withSurvey ? "surveyed.xml" : "site.xml");
        stakewell::files::XmlValueStore store;
        store.FileName(name);
        stakewell::files::WriteDataFile(store, content);
        EXPECT_FALSE(store.Write());
        return name;
    }

    // The readings' file with its second resistance spelt out.
    QString DamagedFile() {
        stakewell::files::XmlValueStore store;
        store.FileName(DataFile(false));
        EXPECT_FALSE(store.Read());
        store.SetValue(QStringLiteral("Data/Stakewell/FOP/Ohms-2"), QStringLiteral("eleven"));
        EXPECT_FALSE(store.Write());
        return store.FileName();
    }

    QTemporaryDir folder;
};

class PdfCommand : public PdfFiles, public testing::WithParamInterface<PdfCase> {};

TEST_P(PdfCommand, WritesThePagesOnThePaperAsked) {
    const PdfCase& c = GetParam();
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    const PdfRun run =
        RunProgram(QStringList{QStringLiteral("--pdf"), DataFile(c.withSurvey), pdf} + c.options,
                   QLatin1String(c.locale));
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(PageSizes(pdf), c.pages);
}

const QString A4 = QStringLiteral("595x842");
const QString Letter = QStringLiteral("612x792");

INSTANTIATE_TEST_SUITE_P(
    Papers, PdfCommand,
    testing::Values(
        PdfCase{"AskedA4", false, {"--paper", "a4"}, "en_US.UTF-8", {A4}},
        PdfCase{"AskedLetter", false, {"--paper=Letter"}, "de_DE.UTF-8", {Letter}},
        PdfCase{"UnitedStatesLocale", false, {}, "en_US.UTF-8", {Letter}},
        PdfCase{"GermanLocale", false, {}, "de_DE.UTF-8", {A4}},
        PdfCase{"SurveyPageOnLetter", true, {"--paper", "letter"}, "C", {Letter, Letter}},
        PdfCase{"SurveyPageWithE2", true, {"--e2", "80", "--paper", "a4"}, "C", {A4, A4}},
        PdfCase{"AskedMetric", false, {"--units", "metric", "--paper", "a4"}, "C", {A4}},
        PdfCase{"SurveyPageAskedMetricWithE2",
                true,
                {"--units=metric", "--e2", "24.5", "--paper", "letter"},
                "C",
                {Letter, Letter}}),
    [](const auto& info) { return CaseName(info.index, {info.param.name}); });

struct RefusalCase {
    const char* name;
    QStringList arguments; // FILE stands for a readable data file
    int status;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class PdfRefusal : public PdfFiles, public testing::WithParamInterface<RefusalCase> {};

TEST_P(PdfRefusal, EndsWithTheStatusAndTheReason) {
    const RefusalCase& c = GetParam();
    QStringList arguments = c.arguments;
    arguments.replaceInStrings(QStringLiteral("FILE"), DataFile(false));
    if (arguments.contains(QStringLiteral("DAMAGED"))) {
        arguments.replaceInStrings(QStringLiteral("DAMAGED"), DamagedFile());
    }
    arguments.replaceInStrings(QStringLiteral("OUT"), folder.filePath(QStringLiteral("out.pdf")));
    const PdfRun run = RunProgram(arguments, QStringLiteral("C"));
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(run.errors.contains(c.message)) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("out.pdf"))));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PdfRefusal,
    testing::Values(
        RefusalCase{"NoOutputFile", {"--pdf", "FILE"}, 2, "needs one data file and one PDF"},
        RefusalCase{"UnknownPaper", {"--pdf", "FILE", "OUT", "--paper", "a5"}, 2, "a4 or letter"},
        RefusalCase{"PaperWithoutName", {"--pdf", "FILE", "OUT", "--paper"}, 2, "a4 or letter"},
        RefusalCase{"NegativeE2", {"--pdf", "FILE", "OUT", "--e2", "-3"}, 2, "above 0 feet"},
        RefusalCase{"UnknownUnits",
                    {"--pdf", "FILE", "OUT", "--units", "furlongs"},
                    2,
                    "--units is metric or imperial, not \"furlongs\"\n"},
        RefusalCase{"MetricE2AtZero",
                    {"--pdf", "FILE", "OUT", "--units", "metric", "--e2", "0"},
                    2,
                    "--e2 needs a distance above 0 metres\n"},
        RefusalCase{"WithReport",
                    {"--pdf", "FILE", "OUT", "--report", "FILE"},
                    2,
                    "does not go with --pdf"},
        RefusalCase{"TwoReports",
                    {"--pdf", "FILE", "OUT", "--pdf", "FILE", "OUT"},
                    2,
                    "needs one data file"},
        RefusalCase{
            "UnreadableFile", {"--pdf", "missing.xml", "OUT"}, 1, "cannot read \"missing.xml\""},
        RefusalCase{"DamagedReading",
                    {"--pdf", "DAMAGED", "OUT"},
                    1,
                    "site.xml\": reading 2, resistance \"eleven\" is not a number\n"},
        RefusalCase{"UnwritableFolder",
                    {"--pdf", "FILE", "/nonexistent-folder/out.pdf"},
                    1,
                    "cannot write"}),
    [](const auto& info) { return CaseName(info.index, {info.param.name}); });

} // namespace
