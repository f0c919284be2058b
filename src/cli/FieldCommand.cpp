#include "cli/FieldCommand.h"

#include "cli/DataFileSheet.h"
#include "cli/SoilCommand.h"

#include "calc/DesignSheet.h"
#include "files/DataFile.h"
#include "files/TextReport.h"
#include "fop/AnalysisText.h"
#include "shared/NumberReading.h"
#include "work/SiteWork.h"
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
                               QStringLiteral("--e2"), QStringLiteral("--tolerance")};

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

// The E2 distance: --e2 when given, else the file's own.
std::optional<double> E2Of(const DataFileContent& content, const std::optional<double>& given,
                           std::optional<Failure>& failure, bool required) {
    if (given) {
        return given;
    }
    const std::optional<QString>& stored = content.Choices.FOPE2;
    if (!stored && required) {
        failure = Failure{2, QStringLiteral("--analyse needs the E2 distance: --e2 FEET")};
        return std::nullopt;
    }
    const double e2 = FileE2(content);
    if (required && !(e2 > 0.0 && std::isfinite(e2))) {
        failure = Failure{1, QStringLiteral("the file's E2 distance \"%1\" is not a distance "
                                            "above 0 feet: give it with --e2 FEET")
                                 .arg(*stored)};
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
    const QString e2Text = values.value(QStringLiteral("--e2"));
    std::optional<double> givenE2;
    if (values.contains(QStringLiteral("--e2"))) {
        givenE2 = PositiveNumber(e2Text);
        if (!givenE2) {
            return Failure{
                2, QStringLiteral("--e2 needs a distance above 0 feet, not \"%1\"").arg(e2Text)};
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
    const std::optional<DataFileContent> content = Read(fileName, failure);
    if (!content) {
        return failure;
    }
    const std::optional<double> e2 = E2Of(*content, givenE2, failure, !report);
    if (!e2) {
        return failure;
    }
    if (report) {
        const QByteArray bytes = Report(*content, *e2, tolerance);
        out.write(bytes.constData(), bytes.size());
    } else {
        out << fop::AnalysisListing(fop::Analyse(PointsOf(*content, *e2), *e2, tolerance));
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

fop::FallOfPotential PointsOf(const DataFileContent& content, double e2) {
    fop::FallOfPotential fop;
    fop.Replace(content.FOPPoints, content.PointCount());
    fop.FOPE2Distance = e2;
    fop.FOPE1Position = 0.0;
    return fop;
}

double FileE2(const DataFileContent& content) {
    // Read as the window reads its box, so both use the same distance.
    const std::optional<QString>& stored = content.Choices.FOPE2;
    return shared::ReadNumber(stored ? stored->toStdString() : std::string(InitialE2Text));
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
