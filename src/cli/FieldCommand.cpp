#include "cli/FieldCommand.h"

#include "cli/DataFileSheet.h"
#include "cli/SoilCommand.h"

#include "calc/DesignSheet.h"
#include "files/DataFile.h"
#include "files/TextReport.h"
#include "fop/AnalysisText.h"
#include "shared/NumberReading.h"
#include "shared/Units.h"
#include "work/SiteWork.h"
#include "work/UnitReading.h"
#include "work/WorkReport.h"

#include <QMap>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <utility>

namespace stakewell::cli {
namespace {

using files::DataFileContent;

// The E2 box's text when the window opens, for a file that does not hold it.
constexpr const char* InitialE2Text = "50";

const QStringList ValueOptions{QStringLiteral("--report"), QStringLiteral("--analyse"),
                               QStringLiteral("--e2"), QStringLiteral("--tolerance"),
                               QStringLiteral("--units")};

struct Failure {
    int status;
    QString message;
};

// The options that take a value, each with its value; other arguments are
// the window's business and are left alone.
QMap<QString, QString> ValuesOf(const QStringList& arguments, std::optional<Failure>& failure) {
    QMap<QString, QString> values;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString option = arguments[i];
        QString value;
        const qsizetype equals = option.indexOf(u'=');
        if (option.startsWith(QStringLiteral("--")) && equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        }
        if (!ValueOptions.contains(option)) {
            continue;
        }
        if (equals <= 0) {
            if (i + 1 >= arguments.size()) {
                failure = Failure{2, QStringLiteral("%1 needs a value").arg(option)};
                return values;
            }
            value = arguments[++i];
        }
        values.insert(option, value);
    }
    return values;
}

std::optional<double> PositiveNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || !(value > 0.0)) {
        return std::nullopt;
    }
    return value;
}

std::optional<DataFileContent> Read(const QString& fileName, std::optional<Failure>& failure) {
    files::CheckedDataFile file = files::ReadCheckedDataFile(fileName);
    if (!file.Content) {
        failure = Failure{1, QStringLiteral("cannot read \"%1\": %2").arg(fileName, file.Problem)};
    }
    return std::move(file.Content);
}

QByteArray Report(const DataFileContent& content, double e2, double tolerancePercent) {
    files::ReportContent report = DesignOf(content);
    const fop::FallOfPotential fop = PointsOf(content, e2);
    report.FallOfPotential = &fop;
    report.TolerancePercent = tolerancePercent;
    report.Soil = &content.Soil;
    return files::TextReport(report);
}

// The E2 distance: --e2 when given, else the file's own. `read` is the file
// as read, which tells whether it holds one; `content` the work reported on.
std::optional<double> E2Of(const DataFileContent& read, const DataFileContent& content,
                           const std::optional<double>& given, std::optional<Failure>& failure,
                           bool required) {
    if (given) {
        return given;
    }
    const QString word = QLatin1String(shared::LengthWord(content.Units));
    const std::optional<QString>& stored = read.Choices.FOPE2;
    if (!stored && required) {
        failure = Failure{
            2, QStringLiteral("--analyse needs the E2 distance: --e2 %1").arg(word.toUpper())};
        return std::nullopt;
    }
    const double e2 = FileE2(content);
    if (required && !(e2 > 0.0 && std::isfinite(e2))) {
        failure = Failure{1, QStringLiteral("the file's E2 distance \"%1\" is not a distance "
                                            "above 0 %2: give it with --e2 %3")
                                 .arg(*stored, word, word.toUpper())};
        return std::nullopt;
    }
    return e2;
}

std::optional<Failure> Run(const QStringList& arguments, std::ostream& out) {
    std::optional<Failure> failure;
    const QMap<QString, QString> values = ValuesOf(arguments, failure);
    if (failure) {
        return failure;
    }
    const bool report = values.contains(QStringLiteral("--report"));
    if (report && values.contains(QStringLiteral("--analyse"))) {
        return Failure{2, QStringLiteral("--report and --analyse cannot be given together")};
    }
    const QString fileName =
        values.value(report ? QStringLiteral("--report") : QStringLiteral("--analyse"));
    std::optional<shared::UnitSystem> units;
    if (values.contains(QStringLiteral("--units"))) {
        units = UnitsNamed(values.value(QStringLiteral("--units")));
        if (!units) {
            return Failure{2, UnitsRefusal(values.value(QStringLiteral("--units")))};
        }
    }
    double tolerance = fop::DefaultTolerancePercent;
    if (values.contains(QStringLiteral("--tolerance"))) {
        const std::optional<double> given =
            PositiveNumber(values.value(QStringLiteral("--tolerance")));
        if (!given) {
            return Failure{2, QStringLiteral("--tolerance needs a percentage above 0")};
        }
        tolerance = *given;
    }
    const std::optional<DataFileContent> read = Read(fileName, failure);
    if (!read) {
        return failure;
    }
    const DataFileContent content = InUnits(*read, units.value_or(read->Units));
    // Given in the unit the work is reported in, which the file's decides
    // unless --units asks for the other.
    const QString e2Text = values.value(QStringLiteral("--e2"));
    std::optional<double> givenE2;
    if (values.contains(QStringLiteral("--e2"))) {
        givenE2 = PositiveNumber(e2Text);
        if (!givenE2) {
            return Failure{2, QStringLiteral("--e2 needs a distance above 0 %1, not \"%2\"")
                                  .arg(QLatin1String(shared::LengthWord(content.Units)), e2Text)};
        }
    }
    const std::optional<double> e2 = E2Of(*read, content, givenE2, failure, !report);
    if (!e2) {
        return failure;
    }
    if (report) {
        const QByteArray bytes = Report(content, *e2, tolerance);
        out.write(bytes.constData(), bytes.size());
    } else {
        const fop::FallOfPotential fop = PointsOf(content, *e2);
        const std::optional<soil::TwoLayerSoil> layers = LayeredSoilOf(content);
        out << fop::AnalysisListing(layers ? fop::AnalyseInSoil(fop, *e2, *layers, tolerance)
                                           : fop::Analyse(fop, *e2, tolerance));
    }
    out.flush();
    return std::nullopt;
}

} // namespace

// The design as the window computes it once it has taken the file's work.
files::ReportContent DesignOf(const DataFileContent& content) {
    work::SiteWork work;
    work.Take(content);
    files::ReportContent report = work::WorkReport(work, fop::DefaultTolerancePercent);
    // The readings and the survey are the caller's to point to: these go
    // with the work.
    report.FallOfPotential = nullptr;
    report.Soil = nullptr;
    return report;
}

std::optional<soil::TwoLayerSoil> LayeredSoilOf(const DataFileContent& content) {
    work::SiteWork work;
    work.Take(content);
    return work.LayeredSoil().soil;
}

std::optional<shared::UnitSystem> UnitsNamed(const QString& name) {
    if (name.compare(QStringLiteral("metric"), Qt::CaseInsensitive) == 0) {
        return shared::UnitSystem::Metric;
    }
    if (name.compare(QStringLiteral("imperial"), Qt::CaseInsensitive) == 0) {
        return shared::UnitSystem::Imperial;
    }
    return std::nullopt;
}

QString UnitsRefusal(const QString& given) {
    return QStringLiteral("--units is metric or imperial, not \"%1\"").arg(given);
}

DataFileContent InUnits(const DataFileContent& content, shared::UnitSystem units) {
    if (content.Units == units) {
        return content;
    }
    DataFileContent taken = content;
    // The window converts the E2 its box holds, which for a file without one
    // is the box's first value.
    taken.Choices.FOPE2 = content.Choices.FOPE2.value_or(QLatin1String(InitialE2Text));
    work::SiteWork work;
    work.Take(taken);
    work.ChangeUnits(units);
    DataFileContent converted = work.Content();
    converted.MainTop = content.MainTop;
    converted.MainLeft = content.MainLeft;
    converted.Graph = content.Graph;
    return converted;
}

fop::FallOfPotential PointsOf(const DataFileContent& content, double e2) {
    fop::FallOfPotential fop;
    fop.Units = content.Units;
    fop.Replace(content.FOPPoints, content.PointCount());
    fop.FOPE2Distance = e2;
    fop.FOPE1Position = 0.0;
    return fop;
}

double FileE2(const DataFileContent& content) {
    // Read as the window reads its box, so both use the same distance.
    const std::optional<QString>& stored = content.Choices.FOPE2;
    return work::ReadLength(stored.value_or(QLatin1String(InitialE2Text)), content.Units);
}

std::optional<int> RunFieldCommand(const QStringList& arguments, std::ostream& out,
                                   std::ostream& err) {
    if (const std::optional<int> status = RunSoilCommand(arguments, out, err)) {
        return status;
    }
    const bool asked =
        std::any_of(arguments.begin() + std::min<qsizetype>(1, arguments.size()), arguments.end(),
                    [](const QString& argument) {
                        return argument.section(u'=', 0, 0) == QStringLiteral("--report") ||
                               argument.section(u'=', 0, 0) == QStringLiteral("--analyse");
                    });
    if (!asked) {
        return std::nullopt;
    }
    if (const std::optional<Failure> failure = Run(arguments, out)) {
        err << "stakewell: " << failure->message.toStdString() << '\n';
        return failure->status;
    }
    return 0;
}

} // namespace stakewell::cli
