// The soil window's readings in and out: CSV files and pasted text.
#include "soilwindow/frmSoil.h"

#include "files/SoilCsv.h"
#include "files/WholeFile.h"
#include "graph/FileDialogs.h"
#include "ui_frmSoil.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace stakewell::soilwindow {

namespace {

// A file or pasted text larger than this is no survey taken by hand.
constexpr qint64 LargestSoilText = qint64{16} * 1024 * 1024;

QString Quoted(const QString& fileName) {
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(fileName));
}

} // namespace

void frmSoil::ImportCsv(QString& fileName) {
    if (fileName.isEmpty()) {
        fileName = graph::AskFileName(this, {tr("Import Soil Readings"),
                                             tr("Soil readings (*.csv *.txt);;All files (*)"),
                                             QStringLiteral("csv"), QFileDialog::AcceptOpen});
    }
    if (fileName.isEmpty()) {
        return;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestSoilText) {
        QMessageBox::warning(this, QStringLiteral("Stakewell"),
                             tr("Could not read soil readings from %1:\n%2.")
                                 .arg(Quoted(fileName), file.isOpen() ? tr("The file is too large")
                                                                      : file.errorString()));
        return;
    }
    TakeCsv(file.readAll().toStdString(), Quoted(fileName), std::nullopt);
}

void frmSoil::PasteReadings() {
    const QString text = QApplication::clipboard()->text();
    if (text.size() > LargestSoilText) {
        QMessageBox::warning(this, QStringLiteral("Stakewell"),
                             tr("No readings were taken from the pasted text:\n"
                                "It is too large for a survey."));
        return;
    }
    TakeCsv(text.toStdString(), tr("the pasted text"), InsertionRow());
}

// The readings replace the survey's, or with `at` go in before that row.
void frmSoil::TakeCsv(const std::string& text, const QString& source, std::optional<int> at) {
    files::SoilCsvReadings read = files::ReadSoilCsv(text, work.Soil().array, work.Soil().unit);
    if (read.problem.empty() && read.readings.empty()) {
        read.problem = "It holds no readings.";
    }
    if (!read.problem.empty()) {
        QMessageBox::warning(this, QStringLiteral("Stakewell"),
                             tr("No readings were taken from %1:\n%2")
                                 .arg(source, QString::fromStdString(read.problem)));
        return;
    }
    if (at) {
        InsertReadings(std::move(read.readings), *at);
        return;
    }
    soil::SoilSurvey after = work.Soil();
    after.readings = std::move(read.readings);
    Change(after);
}

// Only readings the analysis takes are written: a file must read back as
// the survey it came from.
void frmSoil::ExportCsv(QString& fileName) {
    const soil::SoilSurvey& survey = work.Soil();
    const std::string refused =
        soil::ApparentPoints(survey.array, survey.unit, survey.readings).problem;
    if (!refused.empty() || !survey.Exists()) {
        QMessageBox::warning(
            this, QStringLiteral("Stakewell"),
            tr("The readings were not exported:\n%1")
                .arg(refused.empty() ? tr("There are none.") : QString::fromStdString(refused)));
        return;
    }
    if (fileName.isEmpty()) {
        fileName =
            graph::AskFileName(this, {tr("Export Soil Readings"), tr("Soil readings (*.csv)"),
                                      QStringLiteral("csv"), QFileDialog::AcceptSave});
    }
    if (fileName.isEmpty()) {
        return;
    }
    const std::optional<QString> problem = files::WriteWholeFile(
        fileName,
        QByteArray::fromStdString(files::WriteSoilCsv(survey.readings, survey.array, survey.unit)));
    if (problem) {
        QMessageBox::warning(
            this, QStringLiteral("Stakewell"),
            tr("Could not export the soil readings to %1:\n%2.").arg(Quoted(fileName), *problem));
    }
}

} // namespace stakewell::soilwindow
