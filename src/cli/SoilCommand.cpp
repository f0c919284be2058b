#include "cli/SoilCommand.h"

#include "files/DataFile.h"
#include "files/SoilCsv.h"
#include "shared/DisplayPattern.h"
#include "shared/Units.h"
#include "soil/LayeredEarth.h"
#include "soil/SoilSurvey.h"
#include "soil/SurveyLayers.h"
#include "soil/TwoLayerDesign.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace stakewell::cli {
namespace {

// No survey taken by hand comes near this; a larger file is not one.
constexpr qint64 LargestSoilFile = qint64{16} * 1024 * 1024;

struct SoilRequest {
    QString fileName;
    std::optional<soil::SoilArray> array;
    bool metres = false;
    std::optional<double> rodFeet;
    std::optional<double> rodInches;
    std::optional<std::size_t> layers;
};

// The rod's diameter where none is given: the common 5/8 inch rod.
constexpr double CommonRodInches = 0.625;

struct Refusal {
    int status;
    QString message;
};

using Parsed = std::variant<SoilRequest, Refusal>;

Parsed ParseArguments(const QStringList& arguments) {
    SoilRequest request;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString option = arguments[i];
        std::optional<QString> attached;
        if (const qsizetype equals = option.indexOf(u'='); option.startsWith(u'-') && equals > 0) {
            attached = option.mid(equals + 1);
            option.truncate(equals);
        }
        const auto value = [&]() -> std::optional<QString> {
            if (attached) {
                return attached;
            }
            if (i + 1 >= arguments.size()) {
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (option == QStringLiteral("--metres")) {
            request.metres = true;
            continue;
        }
        if (option != QStringLiteral("--soil") && option != QStringLiteral("--array") &&
            option != QStringLiteral("--rod") && option != QStringLiteral("--rod-diameter") &&
            option != QStringLiteral("--layers")) {
            return Refusal{2, QStringLiteral("--soil does not take \"%1\"").arg(option)};
        }
        const std::optional<QString> given = value();
        if (!given) {
            return Refusal{2, QStringLiteral("%1 needs a value").arg(option)};
        }
        if (option == QStringLiteral("--soil")) {
            request.fileName = *given;
        } else if (option == QStringLiteral("--array")) {
            if (*given == QStringLiteral("wenner")) {
                request.array = soil::SoilArray::Wenner;
            } else if (*given == QStringLiteral("schlumberger")) {
                request.array = soil::SoilArray::Schlumberger;
            } else {
                return Refusal{
                    2, QStringLiteral("--array is wenner or schlumberger, not \"%1\"").arg(*given)};
            }
        } else if (option == QStringLiteral("--layers")) {
            bool ok = false;
            const int layers = given->trimmed().toInt(&ok);
            if (!ok || layers < 1 || layers > static_cast<int>(soil::MaxEarthLayers)) {
                return Refusal{2,
                               QStringLiteral("--layers is 1, 2, 3 or 4, not \"%1\"").arg(*given)};
            }
            request.layers = static_cast<std::size_t>(layers);
        } else if (option == QStringLiteral("--rod-diameter")) {
            bool ok = false;
            const double inches = given->trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(inches) || !(inches > 0.0)) {
                return Refusal{2, QStringLiteral("--rod-diameter needs a diameter above 0 inches, "
                                                 "not \"%1\"")
                                      .arg(*given)};
            }
            request.rodInches = inches;
        } else {
            bool ok = false;
            const double feet = given->trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(feet) || !(feet > 0.0)) {
                return Refusal{
                    2, QStringLiteral("--rod needs a length above 0 feet, not \"%1\"").arg(*given)};
            }
            request.rodFeet = feet;
        }
    }
    if (request.rodInches && !request.rodFeet) {
        return Refusal{2, QStringLiteral("--rod-diameter goes with --rod")};
    }
    return request;
}

// "Rod resistance in the layered soil: 12.345 ohms", for a rod driven from
// the surface into the survey's two layers.
std::string LayeredRodLine(const soil::TwoLayerSoil& layers, double feet, double inches) {
    soil::GroundingDesign rod;
    rod.rodLength = feet * shared::MetresPerFoot;
    rod.rodDiameter = inches * shared::MillimetresPerInch / 1000.0;
    rod.rodCount = 1;
    const double ohms = soil::ComputeTwoLayerDesign(layers, rod).oneRod;
    return "Rod resistance in the layered soil: " +
           (std::isfinite(ohms) ? shared::FormatPattern(ohms, "##0.000") + " ohms"
                                : std::string("none"));
}

// The survey's lines with the layered rod's right after the rod's own.
std::vector<std::string> LinesWithRod(std::vector<std::string> lines, const std::string& rodLine) {
    const auto rodsOwn = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("Resistivity for a rod of ");
    });
    lines.insert(rodsOwn == lines.end() ? lines.end() : rodsOwn + 1, rodLine);
    return lines;
}

// A data file is XML; anything else is taken as CSV text.
bool LooksLikeDataFile(const QByteArray& bytes) {
    return bytes.trimmed().startsWith('<') || bytes.startsWith("\xEF\xBB\xBF<");
}

std::variant<soil::SoilSurvey, Refusal> SurveyOf(const SoilRequest& request) {
    QFile file(request.fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return Refusal{
            1, QStringLiteral("cannot read \"%1\": %2").arg(request.fileName, file.errorString())};
    }
    if (file.size() > LargestSoilFile) {
        return Refusal{1, QStringLiteral("cannot read \"%1\": it is larger than any survey")
                              .arg(request.fileName)};
    }
    const QByteArray bytes = file.readAll();
    if (LooksLikeDataFile(bytes)) {
        if (request.array || request.metres) {
            return Refusal{2, QStringLiteral("--array and --metres go with a CSV file; a data "
                                             "file's survey keeps its own")};
        }
        files::CheckedDataFile data = files::ReadCheckedDataFile(request.fileName);
        if (!data.Content) {
            return Refusal{
                1, QStringLiteral("cannot read \"%1\": %2").arg(request.fileName, data.Problem)};
        }
        soil::SoilSurvey survey = std::move(data.Content->Soil);
        if (!survey.Exists()) {
            return Refusal{1, QStringLiteral("\"%1\" holds no soil survey").arg(request.fileName)};
        }
        return survey;
    }
    soil::SoilSurvey survey;
    survey.array = request.array.value_or(soil::SoilArray::Wenner);
    survey.unit = request.metres ? soil::LengthUnit::Metres : soil::LengthUnit::Feet;
    files::SoilCsvReadings read =
        files::ReadSoilCsv(bytes.toStdString(), survey.array, survey.unit);
    if (!read.problem.empty()) {
        return Refusal{1, QStringLiteral("\"%1\": %2")
                              .arg(request.fileName, QString::fromStdString(read.problem))};
    }
    survey.readings = std::move(read.readings);
    return survey;
}

} // namespace

std::optional<int> RunSoilCommand(const QStringList& arguments, std::ostream& out,
                                  std::ostream& err) {
    const bool asked =
        std::any_of(arguments.begin() + std::min<qsizetype>(1, arguments.size()), arguments.end(),
                    [](const QString& argument) {
                        return argument.section(u'=', 0, 0) == QStringLiteral("--soil");
                    });
    if (!asked) {
        return std::nullopt;
    }
    const auto refuse = [&err](const Refusal& refusal) {
        err << "stakewell: " << refusal.message.toStdString() << '\n';
        return refusal.status;
    };
    const Parsed parsed = ParseArguments(arguments);
    if (const auto* refusal = std::get_if<Refusal>(&parsed)) {
        return refuse(*refusal);
    }
    const auto& request = std::get<SoilRequest>(parsed);
    auto survey = SurveyOf(request);
    if (const auto* refusal = std::get_if<Refusal>(&survey)) {
        return refuse(*refusal);
    }
    auto& soil = std::get<soil::SoilSurvey>(survey);
    if (request.layers) {
        soil.chosenLayers = *request.layers;
    }
    const soil::SoilAnalysis analysis = soil::AnalyseSoil(soil);
    if (!analysis.fit) {
        return refuse({1, QStringLiteral("\"%1\": no soil model: %2")
                              .arg(request.fileName, QString::fromStdString(analysis.problem))});
    }
    std::vector<std::string> lines = soil::SoilLines(
        soil, analysis,
        request.rodFeet ? std::optional{soil::DesignRod{*request.rodFeet}} : std::nullopt);
    if (request.rodFeet) {
        lines = LinesWithRod(std::move(lines),
                             LayeredRodLine(analysis.fit->soil, *request.rodFeet,
                                            request.rodInches.value_or(CommonRodInches)));
    }
    for (const std::string& line : lines) {
        out << line << '\n';
    }
    for (const std::string& line : soil::LayerLines(soil, soil::LayerSurvey(soil))) {
        out << line << '\n';
    }
    out.flush();
    return 0;
}

} // namespace stakewell::cli
