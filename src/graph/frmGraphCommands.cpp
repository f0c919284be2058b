// The graph window's own commands: the picture out as an image, the test
// report out on paper or as PDF, readings in and out as CSV, and the
// flatness tolerance of the analysis.
#include "graph/frmGraph.h"

#include "files/ReadingsCsv.h"
#include "files/WholeFile.h"
#include "graph/FileDialogs.h"
#include "graph/PlotPicture.h"
#include "graph/ReportPaper.h"
#include "graph/frmDetails.h"
#include "ui_frmGraph.h"

#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QSvgGenerator>

#include <tuple>

namespace stakewell::graph {

namespace {

constexpr double ScreenDpi = 96.0;
const QSize SavedGraphSize(960, 640);
// The saved image has two pixels to a screen pixel, to stay sharp in print.
constexpr int SavedImageDensity = 2;
// Readings files and pasted texts larger than this are no list of readings.
constexpr qint64 LargestReadingsFile = qint64{16} * 1024 * 1024;

QString WriteWhole(const QString& fileName, const QByteArray& bytes) {
    return files::WriteWholeFile(fileName, bytes).value_or(QString());
}

} // namespace

void frmGraph::SetUpCommands() {
    const auto bind = [this](const QKeySequence& keys, auto action) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    bind(QKeySequence::Copy, [this] { CopyGraph(); });
    bind(QKeySequence::Paste, [this] { PasteReadings(); });
    bind(QKeySequence::Print, [this] { PrintReport(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_D), [this] { ShowDetails(); });
    // The Menu key reaches contextMenuEvent by itself, as the platform's
    // keyboard context menu.
    bind(QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] { ShowContextMenu(KeyboardMenuPlace()); });
}

// Where a menu asked for by the keyboard opens: the middle of the plot, as
// the pointer may be anywhere.
QPoint frmGraph::KeyboardMenuPlace() const {
    return ui->FOPGraph->mapToGlobal(ui->FOPGraph->rect().center());
}

// A menu command for a routine that asks for its file name when given none.
std::function<void()> frmGraph::AskingFor(void (frmGraph::*routine)(QString&)) {
    return [this, routine] {
        QString name;
        (this->*routine)(name);
    };
}

void frmGraph::contextMenuEvent(QContextMenuEvent* event) {
    ShowContextMenu(event->reason() == QContextMenuEvent::Keyboard ? KeyboardMenuPlace()
                                                                   : event->globalPos());
}

void frmGraph::ShowContextMenu(const QPoint& globalPos) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuGraph"));
    menu.addAction(tr("&Copy Graph"), QKeySequence::Copy, this, [this] { CopyGraph(); });
    menu.addAction(tr("&Save Graph As..."), this, AskingFor(&frmGraph::SaveGraph));
    menu.addSeparator();
    menu.addAction(tr("&Print Test Report..."), QKeySequence::Print, this,
                   [this] { PrintReport(); });
    menu.addAction(tr("Save Test Report as P&DF..."), this, AskingFor(&frmGraph::SaveReportPdf));
    AddPaperMenu(menu);
    if (commands->EditSiteRecord) {
        menu.addAction(tr("Site Rec&ord..."), this, [this] { commands->EditSiteRecord(); });
    }
    menu.addSeparator();
    menu.addAction(tr("P&aste Readings"), QKeySequence::Paste, this, [this] { PasteReadings(); });
    menu.addAction(tr("&Import Readings..."), this, AskingFor(&frmGraph::ImportReadings));
    menu.addAction(tr("&Export Readings..."), this, AskingFor(&frmGraph::ExportReadings));
    menu.addSeparator();
    menu.addAction(tr("Flatness &Tolerance..."), this, [this] { AskTolerance(); });
    menu.addAction(tr("Analysis Detai&ls..."), QKeySequence(Qt::CTRL | Qt::Key_D), this,
                   [this] { ShowDetails(); });
    menu.exec(globalPos);
}

void frmGraph::ShowDetails() {
    RefreshSurvey();
    frmDetails details(ListingText(), this);
    details.exec();
}

// The paper of a saved report; a printed one takes the printer's.
void frmGraph::AddPaperMenu(QMenu& menu) {
    QMenu* paperMenu = menu.addMenu(tr("Pape&r"));
    paperMenu->setObjectName(QStringLiteral("mnuPaper"));
    auto* choices = new QActionGroup(paperMenu);
    const Paper chosen = ChosenPaper();
    for (const auto& [paper, text, name] :
         {std::tuple{Paper::A4, tr("A&4"), QStringLiteral("mnuPaperA4")},
          std::tuple{Paper::Letter, tr("&Letter"), QStringLiteral("mnuPaperLetter")}}) {
        QAction* action = paperMenu->addAction(text, this, [paper = paper] { ChoosePaper(paper); });
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(paper == chosen);
        choices->addAction(action);
    }
}

// The picture as the last refresh drew it, without the cross-hair.
void frmGraph::CopyGraph() {
    RefreshSurvey();
    QApplication::clipboard()->setImage(ui->FOPGraph->Canvas());
}

void frmGraph::SaveGraph(QString& fileName) {
    if (fileName.isEmpty()) {
        fileName =
            AskFileName(this, {tr("Save Graph As"), tr("PNG Image (*.png);;SVG Drawing (*.svg)"),
                               QStringLiteral("png"), QFileDialog::AcceptSave});
    }
    if (fileName.isEmpty()) {
        return;
    }
    RefreshSurvey();
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
            QSvgGenerator generator;
            generator.setOutputDevice(&buffer);
            generator.setSize(SavedGraphSize);
            generator.setViewBox(QRect(QPoint(0, 0), SavedGraphSize));
            generator.setTitle(QStringLiteral("Fall of Potential"));
            QPainter painter(&generator);
            PaintSavedGraph(painter, 1.0);
        } else {
            QImage image(SavedGraphSize * SavedImageDensity, QImage::Format_RGB32);
            image.setDevicePixelRatio(SavedImageDensity);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                PaintSavedGraph(painter, SavedImageDensity);
            }
            image.save(&buffer, "PNG");
        }
    }
    const QString problem = WriteWhole(fileName, bytes);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Stakewell"),
                             tr("Could not save the graph to \"%1\":\n%2.")
                                 .arg(QDir::toNativeSeparators(fileName), problem));
    }
}

// A saved graph is the same size whatever the window's, so that pictures of
// two surveys sit side by side in a document.
void frmGraph::PaintSavedGraph(QPainter& painter, qreal pixelWidth) const {
    const QRectF area(QPointF(0.0, 0.0), SavedGraphSize);
    painter.fillRect(area, Qt::white);
    painter.setFont(ui->FOPGraph->font());
    if (state.fop.PointCount() >= 2 && HasUsableScale(state.plot)) {
        PaintPlot(painter, area, pixelWidth, state, spans, analysis, PlotLook::Output);
    }
}

void frmGraph::PrintReport() {
    if (!commands->ReportContent) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Fall-of-Potential Test Report"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // After the dialog, so that the paper the user picked there is kept.
    printer.setPageMargins(ReportMarginsMillimetres(), QPageLayout::Millimeter);
    RefreshSurvey();
    QPainter painter(&printer);
    PaintTestReportPages(
        printer, painter, QRectF(QPointF(0.0, 0.0), printer.pageRect(QPrinter::DevicePixel).size()),
        printer.resolution() / ScreenDpi, commands->ReportContent(), {state, spans, analysis});
}

void frmGraph::SaveReportPdf(QString& fileName) {
    if (!commands->ReportContent) {
        return;
    }
    if (fileName.isEmpty()) {
        fileName = AskFileName(this, {tr("Save Test Report As"), tr("PDF Document (*.pdf)"),
                                      QStringLiteral("pdf"), QFileDialog::AcceptSave});
    }
    if (fileName.isEmpty()) {
        return;
    }
    RefreshSurvey();
    const QString problem = WriteTestReportPdf(fileName, commands->ReportContent(),
                                               {state, spans, analysis}, ChosenPaper());
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Stakewell"),
                             tr("Could not save the test report to \"%1\":\n%2.")
                                 .arg(QDir::toNativeSeparators(fileName), problem));
    }
}

void frmGraph::PasteReadings() {
    const QString text = QApplication::clipboard()->text();
    if (text.size() > LargestReadingsFile) {
        return;
    }
    TakeReadingsFrom(text.toStdString(), tr("the pasted text"));
}

void frmGraph::ImportReadings(QString& fileName) {
    if (fileName.isEmpty()) {
        fileName = AskFileName(this, {tr("Import Readings"), tr("Readings (*.csv *.txt)"),
                                      QStringLiteral("csv"), QFileDialog::AcceptOpen});
    }
    if (fileName.isEmpty()) {
        return;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestReadingsFile) {
        QMessageBox::warning(
            this, QStringLiteral("Stakewell"),
            tr("Could not read readings from \"%1\":\n%2.")
                .arg(QDir::toNativeSeparators(fileName),
                     file.isOpen() ? tr("The file is too large") : file.errorString()));
        return;
    }
    TakeReadingsFrom(file.readAll().toStdString(),
                     QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(fileName)));
}

void frmGraph::TakeReadingsFrom(const std::string& text, const QString& source) {
    if (!commands->TakeReadings) {
        return;
    }
    files::CsvReadings read = files::ReadReadingsCsv(text, state.fop);
    if (!read.Problem.empty()) {
        // How the distances were taken explains a distance the file does not hold.
        const std::string why = read.Note.empty() ? read.Problem : read.Problem + "\n" + read.Note;
        QMessageBox::warning(
            this, QStringLiteral("Stakewell"),
            tr("No readings were taken from %1:\n%2").arg(source, QString::fromStdString(why)));
        return;
    }
    commands->TakeReadings(std::move(read.Readings));
}

void frmGraph::ExportReadings(QString& fileName) {
    if (fileName.isEmpty()) {
        fileName = AskFileName(this, {tr("Export Readings"), tr("Readings (*.csv)"),
                                      QStringLiteral("csv"), QFileDialog::AcceptSave});
    }
    if (fileName.isEmpty()) {
        return;
    }
    const QString problem =
        WriteWhole(fileName, QByteArray::fromStdString(files::WriteReadingsCsv(state.fop)));
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Stakewell"),
                             tr("Could not export the readings to \"%1\":\n%2.")
                                 .arg(QDir::toNativeSeparators(fileName), problem));
    }
}

void frmGraph::AskTolerance() {
    bool accepted = false;
    const double tolerance = QInputDialog::getDouble(
        this, tr("Flatness Tolerance"), tr("Largest deviation at 52% and 72% of E2, in percent:"),
        commands->TolerancePercent, 0.1, 100.0, 1, &accepted);
    if (accepted) {
        commands->TolerancePercent = tolerance;
        RefreshSurvey();
    }
}

} // namespace stakewell::graph
