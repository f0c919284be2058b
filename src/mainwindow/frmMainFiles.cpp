// The main window's data files, text report and last-run state.
#include "mainwindow/frmMain.h"

#include "ui_frmMain.h"

#include "files/DataFile.h"
#include "files/LastRun.h"
#include "files/RecoveryFile.h"
#include "files/TextReport.h"
#include "files/WholeFile.h"
#include "files/XmlValueStore.h"
#include "graph/FileDialogs.h"
#include "graph/GraphWindowHost.h"
#include "graph/ScreenPlacement.h"
#include "mainwindow/DiameterFraction.h"
#include "shared/Twips.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

namespace stakewell::mainwindow {

namespace {

using files::DataFileContent;

// A chosen save name longer than this is cut and given the default extension,
// so that every name the program writes stays within what older file systems
// and tools accept.
constexpr qsizetype LongestSaveName = 200;
// A report name no longer than this, blanks aside, cannot be a real file name
// with its extension.
constexpr qsizetype ShortestReportName = 4;

const graph::FileDialogSettings LoadDataDialog{QStringLiteral("Read Data From File"),
                                               QStringLiteral("Data File (*.xml)"),
                                               QStringLiteral("xml"), QFileDialog::AcceptOpen};
const graph::FileDialogSettings SaveDataDialog{QStringLiteral("Save Data To File"),
                                               QStringLiteral("Data File (*.xml)"),
                                               QStringLiteral("xml"), QFileDialog::AcceptSave};
const graph::FileDialogSettings SaveTextDialog{QStringLiteral("Save Text To File"),
                                               QStringLiteral("Text File (*.txt)"),
                                               QStringLiteral("txt"), QFileDialog::AcceptSave};

// A routine given no file name asks the user for one.
void AskWhenEmpty(QWidget* parent, QString& fileName, const graph::FileDialogSettings& settings,
                  QString (*ask)(QFileDialog&)) {
    if (fileName.isEmpty()) {
        QFileDialog CommonDialog1(parent);
        CommonDialog1.setObjectName(QStringLiteral("CommonDialog1"));
        graph::ConfigureFileDialog(CommonDialog1, settings);
        fileName = ask(CommonDialog1);
    }
}

QString TrimmedOfBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') {
        ++first;
    }
    while (last > first && text[last - 1] == u' ') {
        --last;
    }
    return text.mid(first, last - first);
}

QString Shown(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

} // namespace

QString frmMain::AskOpenFileName(QFileDialog& CommonDialog1) {
    CommonDialog1.selectFile(QString());
    if (CommonDialog1.exec() != QDialog::Accepted) {
        return {};
    }
    return CommonDialog1.selectedFiles().value(0);
}

QString frmMain::AskSaveFileName(QFileDialog& CommonDialog1) {
    QString fileName = AskOpenFileName(CommonDialog1);
    if (fileName.size() > LongestSaveName) {
        fileName = fileName.left(LongestSaveName) + u'.' + CommonDialog1.defaultSuffix();
        CommonDialog1.selectFile(fileName);
    }
    return fileName;
}

void frmMain::LoadDataFile(QString& fileName) {
    AskWhenEmpty(this, fileName, LoadDataDialog, &frmMain::AskOpenFileName);
    if (fileName.isEmpty() || !QFileInfo::exists(fileName)) {
        fileName.clear();
        return;
    }
    if (const std::optional<QString> problem = ReadDataFileInto(fileName)) {
        ReportFileProblem(QStringLiteral("read data from"), fileName, *problem);
    } else {
        TakeFileName(fileName);
    }
}

// The whole file is read and checked before anything is applied, so a file
// that cannot be used leaves the window exactly as it was.
std::optional<QString> frmMain::ReadDataFileInto(const QString& fileName) {
    const files::CheckedDataFile file = files::ReadCheckedDataFile(fileName);
    if (!file.Content) {
        return file.Problem;
    }
    ApplyDataFile(*file.Content);
    return std::nullopt;
}

// Each field's change handler runs as its text is set and still keeps the
// wire gauge in step with the diameter; the recalculation and the refresh run
// once, at the end.
void frmMain::ApplyDataFile(const DataFileContent& content) {
    const graph::LoadingDataGuard loading(state);
    const QPoint stored(shared::PixelsFromTwips(content.MainLeft),
                        shared::PixelsFromTwips(content.MainTop));
    move(graph::OnNearestScreen(QRect(stored, frameGeometry().size())));
    state.graph = content.Graph;
    const auto setFields = [&](calc::FilePlace place) {
        for (std::size_t i = 0; i < sheetFields.size(); ++i) {
            if (calc::InputRows[i].Place == place) {
                sheetFields[i]->setText(content.FieldTexts[i]);
            }
        }
    };
    setFields(calc::FilePlace::BeforeReadings);
    state.fop.Replace(content.FOPPoints, content.PointCount());
    fopHistory.Forget();
    setFields(calc::FilePlace::AfterReadings);
    ApplyChoices(content.Choices);
    ShowDiameterFraction(
        content.FieldTexts[static_cast<std::size_t>(calc::SheetInput::ElectrodeDiameter)]);
    state.soil = content.Soil;
    siteRecord = content.Site;
    Recalculate();
    UpdateFOP();
    ShowSoilSurvey();
}

// The recovered work is in no file yet, whatever its file holds now: taken
// as saved, an empty record, which never matches a window's work (the window
// always has its choices), keeps the "*" until the work is saved.
void frmMain::Restore(const files::RecoveredWork& recovered) {
    ApplyDataFile(recovered.Content);
    dataFileName = recovered.WorkFile;
    *savedWork = DataFileContent{};
    ShowTitle();
}

// The wire-size choice only says which box the user types in: the stored
// diameter stays the wire's size, so no conversion runs.
void frmMain::ApplyChoices(const files::ChoiceContent& choices) {
    if (choices.WireBetween_0) {
        ui->tbxWireBetween_0->setText(*choices.WireBetween_0);
    }
    if (choices.WireBetween_1) {
        ui->tbxWireBetween_1->setText(*choices.WireBetween_1);
    }
    if (choices.WireLength) {
        ChooseWireLength(*choices.WireLength);
    }
    if (choices.WireSize) {
        ChooseWireSize(*choices.WireSize);
    }
    if (choices.FOPE2) {
        ui->tbxFOPE2->setText(*choices.FOPE2);
    }
}

// The fraction boxes are a converter beside the diameter: after a load they
// show the loaded diameter, never a size the file knows nothing of.
void frmMain::ShowDiameterFraction(const QString& diameter) {
    const std::optional<Fraction> fraction = DiameterFraction(diameter);
    ui->tbxNumer->setText(fraction ? fraction->Numerator : QString());
    ui->tbxDenom->setText(fraction ? fraction->Denominator : QString());
}

DataFileContent frmMain::CurrentDataFile() const {
    DataFileContent content;
    content.MainTop = shared::TwipsFromPixels(pos().y());
    content.MainLeft = shared::TwipsFromPixels(pos().x());
    content.Graph = state.graph;
    for (std::size_t i = 0; i < sheetFields.size(); ++i) {
        content.FieldTexts[i] = sheetFields[i]->text();
    }
    content.FOPPoints = state.fop.FOPPoints();
    content.Choices.FOPE2 = ui->tbxFOPE2->text();
    content.Choices.WireBetween_0 = ui->tbxWireBetween_0->text();
    content.Choices.WireBetween_1 = ui->tbxWireBetween_1->text();
    content.Choices.WireLength = ui->WireLength_1->isChecked() ? 1 : 0;
    content.Choices.WireSize = ui->WireSize_1->isChecked() ? 1 : 0;
    content.Soil = state.soil;
    content.Site = siteRecord;
    return content;
}

void frmMain::SaveDataFile(QString& fileName) {
    AskWhenEmpty(this, fileName, SaveDataDialog, &frmMain::AskSaveFileName);
    if (fileName.isEmpty()) {
        return;
    }
    if (const std::optional<QString> problem = WriteDataFileTo(fileName)) {
        ReportFileProblem(QStringLiteral("save data to"), fileName, *problem);
    } else {
        TakeFileName(fileName);
    }
}

std::optional<QString> frmMain::WriteDataFileTo(const QString& fileName) const {
    files::XmlValueStore store;
    store.FileName(fileName);
    files::WriteDataFile(store, CurrentDataFile());
    return store.Write();
}

files::ReportContent frmMain::CurrentReport() const {
    files::ReportContent report;
    report.Inputs = TypedInputs();
    report.Results = ShownResults();
    report.Notes = shownNotes;
    report.FallOfPotential = &state.fop;
    report.TolerancePercent = graph->Commands().TolerancePercent;
    report.Soil = &state.soil;
    report.Site = siteRecord;
    if (const std::optional<calc::WireBetweenInputs> between = WireBetween()) {
        report.WireBetween =
            files::BetweenReport(report.Inputs[calc::SheetInput::ElectrodeCount], *between);
    }
    return report;
}

void frmMain::SaveTextReport(QString& fileName) {
    AskWhenEmpty(this, fileName, SaveTextDialog, &frmMain::AskSaveFileName);
    if (TrimmedOfBlanks(fileName).size() <= ShortestReportName) {
        return;
    }
    if (const std::optional<QString> problem =
            files::WriteWholeFile(fileName, files::TextReport(CurrentReport()))) {
        ReportFileProblem(QStringLiteral("save the report to"), fileName, *problem);
    }
}

void frmMain::ReportFileProblem(const QString& action, const QString& fileName,
                                const QString& reason) {
    QMessageBox::warning(
        this, QStringLiteral("Stakewell"),
        QStringLiteral("Could not %1 \"%2\":\n%3.").arg(action, Shown(fileName), reason));
}

// A file named at the start stands in for the last run's state; when it
// cannot be read the user still gets the last run back, and is told why the
// file is not shown once the window is up.
void frmMain::OpenAtStart(const QString& dataFile) {
    const QString fileName = QFileInfo(dataFile).absoluteFilePath();
    const std::optional<QString> problem = ReadDataFileInto(fileName);
    if (!problem) {
        TakeFileName(fileName);
        return;
    }
    RestoreLastRun();
    QTimer::singleShot(0, this, [this, fileName, reason = *problem] {
        ReportFileProblem(QStringLiteral("read data from"), fileName, reason);
    });
}

void frmMain::RestoreLastRun() {
    if (lastConfigFile.isEmpty() || !QFileInfo::exists(lastConfigFile)) {
        return;
    }
    const std::optional<QString> problem = ReadDataFileInto(lastConfigFile);
    if (!problem) {
        return;
    }
    QString notice =
        QStringLiteral("The state of the last run could not be read from \"%1\":\n%2.\n\n")
            .arg(Shown(lastConfigFile), *problem);
    if (const std::optional<QString> keptAs = files::SetAsideUnreadable(lastConfigFile)) {
        notice += QStringLiteral("The file has been kept as \"%1\". Stakewell starts afresh.")
                      .arg(Shown(*keptAs));
    } else {
        notice += QStringLiteral("It could not be moved aside, so this run's state will not be "
                                 "written over it. Stakewell starts afresh.");
        lastConfigFile.clear();
    }
    // Told once the window is up, so the message has the window to stand on.
    QTimer::singleShot(0, this, [this, notice] {
        QMessageBox::warning(this, QStringLiteral("Stakewell"), notice);
    });
}

} // namespace stakewell::mainwindow
