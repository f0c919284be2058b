#include "soilwindow/frmSoil.h"

#include "ui_frmSoil.h"

#include "shared/NumberReading.h"
#include "soil/SoilDesign.h"
#include "soilwindow/SoilCells.h"
#include "work/LayeredDesign.h"
#include "work/UnitReading.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QShortcut>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace stakewell::soilwindow {

namespace {

const QColor RefusedCell(0xFF, 0xD0, 0xD0);
const QColor OutlierText(0xC0, 0x20, 0x20);

int MarkIndex(soil::SoilArray array, MarkColumn column) {
    return static_cast<int>(ColumnsOf(array).size()) + static_cast<int>(column);
}

QString GradeWord(soil::FitGrade grade) {
    switch (grade) {
    case soil::FitGrade::Good:
        return QCoreApplication::translate("stakewell::soilwindow::frmSoil", "good");
    case soil::FitGrade::Usable:
        return QCoreApplication::translate("stakewell::soilwindow::frmSoil", "usable");
    case soil::FitGrade::NotAssessed:
        return QCoreApplication::translate("stakewell::soilwindow::frmSoil", "not assessed");
    case soil::FitGrade::Poor:
        break;
    }
    return QCoreApplication::translate("stakewell::soilwindow::frmSoil", "poor");
}

QString FigureText(double value) {
    return QString::fromStdString(soil::FigureText(value, 1));
}

// A figure that does not read as above 0 would give the design no soil.
bool UsableFigure(const QString& figure) {
    const double value = shared::ReadNumber(figure.toStdString());
    return std::isfinite(value) && value > 0.0;
}

QString ShownFigure(const QString& figure) {
    return figure.isEmpty() ? QCoreApplication::translate("stakewell::soilwindow::frmSoil", "none")
                            : figure + QCoreApplication::translate("stakewell::soilwindow::frmSoil",
                                                                   " ohm-metres");
}

soil::SoilReading EmptyReading(soil::SoilArray array) {
    constexpr double NotTyped = std::numeric_limits<double>::quiet_NaN();
    soil::SoilReading reading{NotTyped, NotTyped, std::nullopt, 0.0};
    if (array == soil::SoilArray::Schlumberger) {
        reading.potentialSpacing = NotTyped;
    }
    return reading;
}

} // namespace

frmSoil::frmSoil(work::SiteWork& work, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmSoil>()), work(work),
      showing(work.Observe([this](work::Aspects aspects) { Show(aspects); })) {
    ui->setupUi(this);
    ui->grdReadings->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->grdReadings->horizontalHeader()->setMinimumSectionSize(40);
    ui->grdModels->setColumnCount(5);
    ui->grdModels->setHorizontalHeaderLabels(
        {tr("Layers"), tr("RMS %"), tr("BIC"), tr("Fit"), tr("Note")});
    ui->grdModels->verticalHeader()->hide();
    ui->grdModels->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ui->grdModels->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->grdModels->horizontalHeader()->setStretchLastSection(true);
    ui->cmdUndo->setEnabled(work.History().canUndo());
    ui->cmdRedo->setEnabled(work.History().canRedo());
    ConnectHandlers();
    ConnectKeys();
    ShowSurvey();
}

// The table is filled afresh unless the change is the cell the user just typed.
void frmSoil::Show(work::Aspects aspects) {
    if (aspects.Has(work::Aspect::Soil)) {
        Apply(work.Soil(), std::exchange(changeShows, TableShows::Afresh));
    }
    if (aspects.Has(work::Aspect::Design)) {
        ShowEquivalents();
    }
}

frmSoil::~frmSoil() = default;

void frmSoil::ConnectHandlers() {
    connect(ui->grdReadings, &QTableWidget::itemChanged, this, &frmSoil::grdReadings_Change);
    connect(ui->cmdAddRow, &QPushButton::clicked, this, &frmSoil::cmdAddRow_Click);
    connect(ui->cmdRemoveRow, &QPushButton::clicked, this, &frmSoil::cmdRemoveRow_Click);
    QUndoStack& history = work.History();
    connect(ui->cmdUndo, &QPushButton::clicked, &history, &QUndoStack::undo);
    connect(ui->cmdRedo, &QPushButton::clicked, &history, &QUndoStack::redo);
    connect(&history, &QUndoStack::canUndoChanged, ui->cmdUndo, &QPushButton::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, ui->cmdRedo, &QPushButton::setEnabled);
    connect(ui->cmdImportCsv, &QPushButton::clicked, this, [this] {
        QString fileName;
        ImportCsv(fileName);
    });
    connect(ui->cmdExportCsv, &QPushButton::clicked, this, [this] {
        QString fileName;
        ExportCsv(fileName);
    });
    connect(ui->optWenner, &QRadioButton::clicked, this,
            [this] { ChooseArray(soil::SoilArray::Wenner); });
    connect(ui->optSchlumberger, &QRadioButton::clicked, this,
            [this] { ChooseArray(soil::SoilArray::Schlumberger); });
    connect(ui->optFeet, &QRadioButton::clicked, this,
            [this] { ChooseUnit(soil::LengthUnit::Feet); });
    connect(ui->optMetres, &QRadioButton::clicked, this,
            [this] { ChooseUnit(soil::LengthUnit::Metres); });
    connect(ui->cmdUseMean, &QPushButton::clicked, this, [this] { UseInDesign(meanFigure); });
    connect(ui->cmdUseMidRange, &QPushButton::clicked, this,
            [this] { UseInDesign(midRangeFigure); });
    // The figures that come from the fit, which a poor fit makes doubtful.
    const auto useFitted = [this](QPushButton* button, const QString* figure,
                                  const QString& whatFigure) {
        connect(button, &QPushButton::clicked, this, [this, figure, whatFigure] {
            if (FitTrusted(*figure, whatFigure)) {
                UseInDesign(*figure);
            }
        });
    };
    useFitted(ui->cmdUseRod, &rodFigure, tr("the rod's figure"));
    useFitted(ui->cmdUseLinear, &linearFigure, tr("the linear design's figure"));
    useFitted(ui->cmdUsePolygon, &polygonFigure, tr("the polygon design's figure"));
    connect(ui->cmdUndoUse, &QPushButton::clicked, this, &frmSoil::UndoUse);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->picSoil, &SoilPlot::ReadOutChanged, ui->lbPointer, &QLabel::setText);
    connect(&fitter, &LayerFitter::Fitted, this, &frmSoil::ShowLayers);
    connect(ui->cboLayers, &QComboBox::activated, this, &frmSoil::ChooseLayers);
    connect(ui->chkOwnModels, &QCheckBox::toggled, ui->picSoil, &SoilPlot::ShowOwnModels);
}

// A cell being edited keeps its own keys: its editor takes Ctrl+Z, Ctrl+V
// and Delete before these see them, and the row keys are the table's only.
void frmSoil::ConnectKeys() {
    const auto bind = [this](const QKeySequence& keys, QWidget* on, Qt::ShortcutContext context,
                             auto action) {
        auto* shortcut = new QShortcut(keys, on);
        shortcut->setContext(context);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    bind(QKeySequence::Undo, this, Qt::WindowShortcut, [this] { work.History().undo(); });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        bind(keys, this, Qt::WindowShortcut, [this] { work.History().redo(); });
    }
    bind(QKeySequence::Paste, this, Qt::WindowShortcut, [this] { PasteReadings(); });
    bind(QKeySequence(Qt::Key_Insert), ui->grdReadings, Qt::WidgetShortcut,
         [this] { cmdAddRow_Click(); });
    bind(QKeySequence(Qt::Key_Delete), ui->grdReadings, Qt::WidgetShortcut,
         [this] { cmdRemoveRow_Click(); });
}

void frmSoil::ShowSurvey() {
    Apply(work.Soil(), TableShows::Afresh);
}

void frmSoil::Change(const soil::SoilSurvey& after, TableShows shows) {
    if (soil::SameSurvey(after, work.Soil())) {
        // One text that is no number typed over another changes only what
        // the status line quotes.
        if (shows == TableShows::Already) {
            MarkCells();
        }
        return;
    }
    changeShows = shows;
    work.ChangeSoil(after);
    changeShows = TableShows::Afresh;
}

void frmSoil::Apply(const soil::SoilSurvey& survey, TableShows shows) {
    if (shows == TableShows::Afresh) {
        FillTable();
    }
    const bool wenner = survey.array == soil::SoilArray::Wenner;
    ui->optWenner->setChecked(wenner);
    ui->optSchlumberger->setChecked(!wenner);
    const bool feet = survey.unit == soil::LengthUnit::Feet;
    ui->optFeet->setChecked(feet);
    ui->optMetres->setChecked(!feet);
    {
        const QSignalBlocker quiet(ui->cboLayers);
        ui->cboLayers->setCurrentIndex(
            static_cast<int>(std::min<std::size_t>(survey.chosenLayers, soil::MaxEarthLayers)));
    }
    analysis = work.SurveyAnalysis();
    layers.reset();
    fitter.Fit(survey);
    MarkCells();
    ShowFigures();
    ShowModels();
    ui->picSoil->Show(survey, analysis);
}

void frmSoil::ShowLayers(const soil::SurveyLayers& fitted) {
    layers = fitted;
    MarkOutliers();
    ShowFigures();
    ShowModels();
    ui->picSoil->ShowLayers(*layers);
    emit LayersShown();
}

// One row a fitted number of layers; the model shown is in bold.
void frmSoil::ShowModels() {
    QTableWidget& table = *ui->grdModels;
    const std::vector<soil::LayeredFit> none;
    const std::vector<soil::LayeredFit>& fits = layers ? layers->joint.fits : none;
    table.setRowCount(static_cast<int>(fits.size()));
    for (std::size_t i = 0; i < fits.size(); ++i) {
        const soil::LayeredFit& fit = fits[i];
        const std::size_t count = i + 1;
        QStringList notes;
        if (count == layers->joint.chosenLayers) {
            notes.append(tr("chosen by the data"));
        }
        if (!fit.resolved) {
            notes.append(tr("poorly resolved"));
        }
        const QStringList cells{QString::number(count),
                                QString::fromStdString(soil::FigureText(fit.rmsPercent, 2)),
                                QString::fromStdString(soil::FigureText(fit.bic, 1)),
                                GradeWord(fit.grade), notes.join(QStringLiteral("; "))};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            QFont font = item->font();
            font.setBold(count == layers->shownLayers);
            item->setFont(font);
            item->setTextAlignment(c < 3 ? Qt::AlignRight | Qt::AlignVCenter
                                         : Qt::AlignLeft | Qt::AlignVCenter);
            table.setItem(static_cast<int>(i), c, item);
        }
    }
    ui->chkOwnModels->setEnabled(layers && !layers->traverses.empty());
}

// A flag from the survey before the last change could name another reading:
// the flags wait for the fit of this one.
void frmSoil::MarkOutliers() {
    const QSignalBlocker quiet(ui->grdReadings);
    QTableWidget& table = *ui->grdReadings;
    const int column = MarkIndex(work.Soil().array, MarkColumn::Flag);
    for (int row = 0; row < table.rowCount(); ++row) {
        const auto index = static_cast<std::size_t>(row);
        const bool outlier = layers && index < layers->outliers.size() && layers->outliers[index];
        table.item(row, column)->setText(outlier ? tr("outlier?") : QString());
    }
}

void frmSoil::FillTable() {
    const QSignalBlocker quiet(ui->grdReadings);
    const soil::SoilSurvey& survey = work.Soil();
    const std::vector<SoilColumn> columns = ColumnsOf(survey.array);
    const int current = ui->grdReadings->currentRow();
    const int currentColumn = std::max(0, ui->grdReadings->currentColumn());
    QTableWidget& table = *ui->grdReadings;
    table.setColumnCount(static_cast<int>(columns.size()) + MarkColumns);
    QStringList headings;
    for (const SoilColumn column : columns) {
        headings.append(Heading(column, survey.array, survey.unit));
    }
    for (const MarkColumn column : {MarkColumn::Traverse, MarkColumn::LeftOut, MarkColumn::Flag}) {
        headings.append(Heading(column));
    }
    table.setHorizontalHeaderLabels(headings);
    for (const MarkColumn column : {MarkColumn::Traverse, MarkColumn::LeftOut, MarkColumn::Flag}) {
        table.horizontalHeader()->setSectionResizeMode(MarkIndex(survey.array, column),
                                                       QHeaderView::ResizeToContents);
    }
    table.setRowCount(static_cast<int>(survey.readings.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const soil::SoilReading& reading = survey.readings[static_cast<std::size_t>(row)];
        for (std::size_t c = 0; c < columns.size(); ++c) {
            auto* item = new QTableWidgetItem(CellText(reading, columns[c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(row, static_cast<int>(c), item);
        }
        table.setItem(row, MarkIndex(survey.array, MarkColumn::Traverse),
                      new QTableWidgetItem(QString::fromStdString(reading.traverse)));
        auto* leftOut = new QTableWidgetItem;
        leftOut->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        leftOut->setCheckState(reading.leftOut ? Qt::Checked : Qt::Unchecked);
        table.setItem(row, MarkIndex(survey.array, MarkColumn::LeftOut), leftOut);
        auto* flag = new QTableWidgetItem;
        flag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        flag->setForeground(OutlierText);
        table.setItem(row, MarkIndex(survey.array, MarkColumn::Flag), flag);
    }
    MarkOutliers();
    if (table.rowCount() > 0) {
        table.setCurrentCell(std::clamp(current, 0, table.rowCount() - 1), currentColumn);
    }
}

// Each cell whose own figure is refused is marked, and the cell a reading's
// refusal names (MN outside AB, a resistance beyond what the fit takes) even
// where its figure alone would pass.
void frmSoil::MarkCells() {
    const QSignalBlocker quiet(ui->grdReadings);
    const soil::SoilSurvey& survey = work.Soil();
    const std::vector<SoilColumn> columns = ColumnsOf(survey.array);
    QTableWidget& table = *ui->grdReadings;
    for (int row = 0; row < table.rowCount(); ++row) {
        const soil::SoilReading& reading = survey.readings[static_cast<std::size_t>(row)];
        const std::optional<soil::ReadingFault> fault =
            soil::FaultOf(survey.array, survey.unit, reading);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            QTableWidgetItem* item = table.item(row, static_cast<int>(c));
            const SoilColumn column = columns[c];
            const bool refused = CellRefused(reading, column) || (fault && fault->part == column);
            item->setBackground(refused ? QBrush(RefusedCell) : QBrush());
            item->setToolTip(refused && fault ? QString::fromStdString(fault->reason) : QString());
        }
        // A reading left out is greyed, its flag alone kept red.
        const QBrush text = reading.leftOut ? QBrush(Qt::gray) : QBrush();
        for (int c = 0; c < MarkIndex(survey.array, MarkColumn::Flag); ++c) {
            table.item(row, c)->setForeground(text);
        }
    }
    const QString problem = CellProblem();
    const std::size_t count = survey.readings.size();
    ui->lbStatus->setText(!problem.isEmpty() ? problem
                          : count == 1       ? tr("1 reading.")
                                             : tr("%1 readings.").arg(count));
}

// The first refused reading, told by what its cell holds as typed.
QString frmSoil::CellProblem() const {
    const soil::SoilSurvey& survey = work.Soil();
    const std::vector<SoilColumn> columns = ColumnsOf(survey.array);
    for (std::size_t row = 0; row < survey.readings.size(); ++row) {
        const soil::SoilReading& reading = survey.readings[row];
        const std::string refusal = soil::ReadingRefusal(survey.array, survey.unit, reading);
        if (refusal.empty()) {
            continue;
        }
        const QString number = tr("Reading %1: ").arg(row + 1);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (!CellRefused(reading, columns[c])) {
                continue;
            }
            const QString word = ColumnWord(columns[c], survey.array);
            const QString typed =
                ui->grdReadings->item(static_cast<int>(row), static_cast<int>(c))->text().trimmed();
            if (typed.isEmpty()) {
                return number + tr("%1 is not typed yet.").arg(word);
            }
            if (!ReadCell(typed, columns[c], work.Units()).read) {
                const shared::TypedNumber read =
                    work::ReadTypedText(typed, work.Units(), std::nullopt);
                const std::optional<std::string> reason = read.refusal.empty()
                                                              ? shared::NotANumberReason(read.text)
                                                              : std::optional(read.refusal);
                return number + word + u' ' +
                       (reason ? QString::fromStdString(*reason)
                               : tr("\"%1\" is not a number.").arg(typed));
            }
        }
        return number + QString::fromStdString(refusal);
    }
    return {};
}

std::optional<soil::DesignRod> frmSoil::Rod() const {
    return work.Rod();
}

void frmSoil::ShowEquivalents() {
    ShowFigures();
}

// The figures are formatted as the survey's lines write them, so that the
// design takes the figure the window and the reports show.
void frmSoil::ShowFigures() {
    const std::optional<soil::DesignRod> designRod = Rod();
    QStringList lines;
    for (const std::string& line : soil::SoilLines(work.Soil(), analysis, designRod)) {
        lines.append(QString::fromStdString(line));
    }
    lines.append(QString());
    if (layers) {
        for (const std::string& line : soil::LayerLines(work.Soil(), *layers)) {
            lines.append(QString::fromStdString(line));
        }
    } else {
        lines.append(tr("Fitting..."));
    }
    ui->tbxModel->setPlainText(lines.join(u'\n'));

    const bool anyPoint = !analysis.points.empty();
    meanFigure = anyPoint ? FigureText(soil::MeanResistivity(analysis.points)) : QString();
    midRangeFigure = anyPoint ? FigureText(soil::MidRangeResistivity(analysis.points)) : QString();
    const std::optional<double> rod =
        analysis.fit && designRod ? soil::RodResistivity(analysis.fit->soil, designRod->feet)
                                  : std::nullopt;
    rodFigure = rod ? FigureText(*rod) : QString();
    // On the window's thread: a few milliseconds for a design of tens of
    // rods, once for each change of the survey or of the design.
    const std::optional<work::LayeredDesign> inFit =
        analysis.fit ? std::optional{work::ComputeLayeredDesign(
                           work::LayeredInputs(analysis.fit->soil, work.Design()))}
                     : std::nullopt;
    linearFigure = inFit ? QString::fromStdString(inFit->linearEquivalentText) : QString();
    polygonFigure = inFit ? QString::fromStdString(inFit->polygonEquivalentText) : QString();
    ui->lbRodCaption->setText(
        designRod ? tr("Rod of %1:").arg(LengthName(designRod->Shown(), designRod->shownIn))
                  : tr("Rod:"));
    for (const auto& [label, button, figure] :
         {std::tuple{ui->lbMean, ui->cmdUseMean, &meanFigure},
          std::tuple{ui->lbMidRange, ui->cmdUseMidRange, &midRangeFigure},
          std::tuple{ui->lbRod, ui->cmdUseRod, &rodFigure},
          std::tuple{ui->lbLinear, ui->cmdUseLinear, &linearFigure},
          std::tuple{ui->lbPolygon, ui->cmdUsePolygon, &polygonFigure}}) {
        label->setText(ShownFigure(*figure));
        button->setEnabled(UsableFigure(*figure));
    }
}

// Only the rod's figure comes from the fit; the mean and mid-range are the
// readings' own and stand whatever the fit.
bool frmSoil::FitTrusted(const QString& figure, const QString& whatFigure) {
    if (!analysis.fit || (analysis.fit->grade != soil::FitGrade::Poor &&
                          analysis.fit->grade != soil::FitGrade::NotAssessed)) {
        return true;
    }
    const QString question =
        tr("The two-layer fit is %1.\n\nWrite %2 ohm-metres, %3 from "
           "that fit, into the design's earth resistivity all the same?")
            .arg(QString::fromStdString(soil::GradeText(*analysis.fit)), figure, whatFigure);
    return QMessageBox::question(this, QStringLiteral("Stakewell"), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void frmSoil::UseInDesign(const QString& figure) {
    if (!UsableFigure(figure)) {
        return;
    }
    const QString replaced = work.Design().Input(calc::SheetInput::EarthResistivity);
    work.UseInDesign(calc::SheetInput::EarthResistivity, figure);
    lastUse = DesignUse{replaced, figure};
    ui->cmdUndoUse->setEnabled(true);
    ui->lbUsed->setText(tr("The design's earth resistivity is now %1 ohm-metres.").arg(figure));
}

// The design's box is put back only while it still shows what was written:
// a figure the user typed since is never overwritten.
void frmSoil::UndoUse() {
    if (!lastUse) {
        return;
    }
    const DesignUse use = *std::exchange(lastUse, std::nullopt);
    ui->cmdUndoUse->setEnabled(false);
    if (work.Design().Input(calc::SheetInput::EarthResistivity) != use.written) {
        ui->lbUsed->setText(tr("The design's earth resistivity was changed since; it "
                               "was left as it is."));
        return;
    }
    work.UseInDesign(calc::SheetInput::EarthResistivity, use.replaced);
    ui->lbUsed->setText(tr("The design's earth resistivity is back to \"%1\".").arg(use.replaced));
}

void frmSoil::grdReadings_Change(QTableWidgetItem* item) {
    const auto row = static_cast<std::size_t>(item->row());
    const soil::SoilArray array = work.Soil().array;
    const std::vector<SoilColumn> columns = ColumnsOf(array);
    if (row >= work.Soil().readings.size() || item->column() < 0) {
        return;
    }
    soil::SoilSurvey after = work.Soil();
    soil::SoilReading& reading = after.readings[row];
    if (static_cast<std::size_t>(item->column()) < columns.size()) {
        const SoilColumn column = columns[static_cast<std::size_t>(item->column())];
        SetCell(reading, column, ReadCell(item->text(), column, work.Units()));
    } else if (item->column() == MarkIndex(array, MarkColumn::Traverse)) {
        const QString name = item->text().trimmed();
        if (name != item->text()) {
            const QSignalBlocker quiet(ui->grdReadings);
            item->setText(name);
        }
        reading.traverse = name.toStdString();
    } else if (item->column() == MarkIndex(array, MarkColumn::LeftOut)) {
        reading.leftOut = item->checkState() == Qt::Checked;
    } else {
        return;
    }
    Change(after, TableShows::Already);
}

int frmSoil::InsertionRow() const {
    const int current = ui->grdReadings->currentRow();
    return current < 0 ? ui->grdReadings->rowCount() : current + 1;
}

void frmSoil::InsertReadings(std::vector<soil::SoilReading> readings, int at) {
    if (work.Soil().readings.size() + readings.size() > soil::MaxSoilReadings) {
        ui->lbStatus->setText(
            tr("Not added: a survey holds at most %1 readings.").arg(soil::MaxSoilReadings));
        return;
    }
    soil::SoilSurvey after = work.Soil();
    const auto place = std::next(after.readings.begin(),
                                 std::clamp<std::ptrdiff_t>(at, 0, std::ssize(after.readings)));
    after.readings.insert(place, readings.begin(), readings.end());
    Change(after);
    ui->grdReadings->setCurrentCell(at, 0);
}

void frmSoil::cmdAddRow_Click() {
    InsertReadings({EmptyReading(work.Soil().array)}, InsertionRow());
    ui->grdReadings->setFocus();
}

void frmSoil::cmdRemoveRow_Click() {
    std::vector<bool> removed(work.Soil().readings.size(), false);
    for (const QTableWidgetSelectionRange& range : ui->grdReadings->selectedRanges()) {
        for (int row = range.topRow(); row <= range.bottomRow(); ++row) {
            removed.at(static_cast<std::size_t>(row)) = true;
        }
    }
    const int current = ui->grdReadings->currentRow();
    if (current >= 0 && std::none_of(removed.begin(), removed.end(), [](bool b) { return b; })) {
        removed.at(static_cast<std::size_t>(current)) = true;
    }
    soil::SoilSurvey after = work.Soil();
    after.readings.clear();
    for (std::size_t i = 0; i < removed.size(); ++i) {
        if (!removed[i]) {
            after.readings.push_back(work.Soil().readings[i]);
        }
    }
    Change(after);
}

// The readings keep the numbers as typed: a unit chosen afterwards says what
// they were measured in, it does not convert them.
void frmSoil::ChooseUnit(soil::LengthUnit unit) {
    soil::SoilSurvey after = work.Soil();
    after.unit = unit;
    Change(after);
}

void frmSoil::ChooseLayers(int count) {
    soil::SoilSurvey after = work.Soil();
    after.chosenLayers = static_cast<std::size_t>(count);
    Change(after);
}

void frmSoil::ChooseArray(soil::SoilArray array) {
    soil::SoilSurvey after = work.Soil();
    after.array = array;
    Change(after);
}

} // namespace stakewell::soilwindow
