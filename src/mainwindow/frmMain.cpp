#include "mainwindow/frmMain.h"

#include "ui_frmMain.h"

#include "about/DialogFont.h"
#include "about/frmHelp.h"
#include "calc/WireGauge.h"
#include "files/DataFile.h"
#include "files/RecoveryFile.h"
#include "files/RecoveryKeeper.h"
#include "graph/GraphWindowHost.h"
#include "graph/WindowCaption.h"
#include "mainwindow/CompactTabStyle.h"
#include "mainwindow/FocusMark.h"
#include "mainwindow/InputHint.h"
#include "mainwindow/LabelFitter.h"
#include "mainwindow/RecentFiles.h"
#include "mainwindow/ResultBox.h"
#include "mainwindow/UndoKeyHandOver.h"
#include "mainwindow/WindowZoom.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"
#include "shared/TextForm.h"
#include "shared/Twips.h"
#include "soil/frmSoil.h"

#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <utility>

// Resources of a static library are registered by hand, from outside any
// namespace.
static void InitProgramResources() {
    Q_INIT_RESOURCE(stakewell);
}

namespace stakewell::mainwindow {

namespace {

using shared::PixelsFromTwips;

const QPoint PageInView{PixelsFromTwips(240), PixelsFromTwips(360)};
const QPoint PageOutOfSight{PixelsFromTwips(240), PixelsFromTwips(5000)};
constexpr int FallOfPotentialPage = 5;

double ReadNumber(const QString& text) {
    return shared::ReadNumber(text.toStdString());
}

QString FormatPattern(double value, std::string_view pattern) {
    return QString::fromStdString(shared::FormatPattern(value, pattern));
}

void SetPointSize(QWidget* widget, double points) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

// The refusal of a reading whose text is not wholly a number; nothing for a
// text read in full. An empty box reads as 0 and is refused as such.
std::optional<QString> NotWhollyANumber(const QString& text, const char* what) {
    if (text.trimmed().isEmpty()) {
        return std::nullopt;
    }
    const std::optional<std::string> reason = shared::NotANumberReason(text.toStdString());
    if (!reason) {
        return std::nullopt;
    }
    return QStringLiteral("Not added: the %1 %2")
        .arg(QLatin1String(what), QString::fromStdString(*reason));
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/stakewell-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/stakewell-32.png"), QSize(32, 32));
    return icon;
}

} // namespace

frmMain::frmMain(QString lastConfigFile, QWidget* parent)
    : frmMain(std::move(lastConfigFile), QString(), parent) {}

frmMain::frmMain(QString lastConfigFile, const QString& dataFile, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmMain>()),
      readOuts(
          state.refresh.Listen(survey::FopRefresh::Stage::ReadOuts, [this] { ShowFopReadOuts(); })),
      graph(std::make_unique<graph::GraphWindowHost>(state, this)),
      lastConfigFile(std::move(lastConfigFile)),
      savedWork(std::make_unique<files::DataFileContent>()),
      recent(std::make_unique<RecentFiles>(RecentFilesSettings(this->lastConfigFile))) {
    InitProgramResources();
    about::SubstituteDialogFont();
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(ProgramIcon());
    ApplyFractionalFontSizes();
    FitLabelsToCaptions();
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(this);
    ui->TabStrip1->tabBar()->setStyle(tabStyle);

    Frame = {ui->Frame_1, ui->Frame_2, ui->Frame_3, ui->Frame_4, ui->Frame_5, ui->Frame_6};
    for (QGroupBox* page : Frame) {
        page->raise();
    }
    ShowPage(1);
    setFixedSize(PixelsFromTwips(shared::WindowWidthTwips),
                 PixelsFromTwips(shared::WindowHeightTwips));

    BindDesignSheet();
    ConnectHandlers();
    SetUpFieldUse();
    ConnectFieldTest();
    ui->cmdEnd->setFocus();
    // The manual, and from it the About box, which is otherwise seen only at
    // the program's start.
    BindKey(QKeySequence(Qt::Key_F1), &frmMain::ShowHelp);
    SetUpFiles();
    if (dataFile.isEmpty()) {
        RestoreLastRun();
    } else {
        OpenAtStart(dataFile);
    }
    *savedWork = CurrentDataFile();
    ShowTitle();
    if (!this->lastConfigFile.isEmpty()) {
        recovery = std::make_unique<files::RecoveryKeeper>(
            files::RecoveryFileName(this->lastConfigFile), [this] {
                return files::RecoverySnapshot{CurrentDataFile(), dataFileName};
            });
    }
    graph->KeepClear(*ui->Frame_5);
    SetUpZoom();
}

// The layout as the form gives it is the zoom's 100 %; a zoom kept from the
// last run is applied once the window stands.
void frmMain::SetUpZoom() {
    zoom = std::make_unique<WindowZoom>(*this);
    BindKey(QKeySequence::ZoomIn, [this] { ApplyZoom(zoom->In()); });
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { ApplyZoom(zoom->In()); });
    BindKey(QKeySequence::ZoomOut, [this] { ApplyZoom(zoom->Out()); });
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { ApplyZoom(zoom->Set(100)); });
    ApplyZoom(zoom->Set(recent->Zoom()));
}

void frmMain::ApplyZoom(bool changed) {
    if (!changed) {
        return;
    }
    ShowPage(ui->TabStrip1->currentIndex() + 1);
    graph->SetTextScale(zoom->Factor());
    recent->KeepZoom(zoom->Percent());
}

frmMain::~frmMain() = default;

void frmMain::ShowHelp() {
    if (helpWindow == nullptr) {
        helpWindow = new about::frmHelp(this);
    }
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}

void frmMain::ConnectHandlers() {
    connect(ui->TabStrip1, &QTabWidget::currentChanged, this, &frmMain::TabStrip1_Click);
    // A click on the tab already selected does not change the current index but
    // must still bring the graph window back when the user closed it.
    connect(ui->TabStrip1, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index == ui->TabStrip1->currentIndex()) {
            TabStrip1_Click();
        }
    });

    // The wire diameter recalculates after it has written the gauge.
    for (QLineEdit* field : sheetFields) {
        if (field != ui->tbxWireDia) {
            connect(field, &QLineEdit::textChanged, this, &frmMain::InputField_Change);
        }
    }
    for (QLineEdit* field : {ui->tbxWireBetween_0, ui->tbxWireBetween_1}) {
        connect(field, &QLineEdit::textChanged, this, &frmMain::InputField_Change);
    }
    connect(ui->tbxWireDia, &QLineEdit::textChanged, this, &frmMain::tbxWireDia_Change);
    connect(ui->tbxWireAWG, &QLineEdit::textChanged, this, &frmMain::tbxWireAWG_Change);
    connect(ui->WireSize_0, &QRadioButton::clicked, this, &frmMain::WireSize_0_Click);
    connect(ui->WireSize_1, &QRadioButton::clicked, this, &frmMain::WireSize_1_Click);
    connect(ui->WireLength_0, &QRadioButton::clicked, this, &frmMain::WireLength_0_Click);
    connect(ui->WireLength_1, &QRadioButton::clicked, this, &frmMain::WireLength_1_Click);

    connect(ui->tbxNumer, &QLineEdit::textChanged, this, &frmMain::Fraction_Change);
    connect(ui->tbxDenom, &QLineEdit::textChanged, this, &frmMain::Fraction_Change);
    connect(ui->lbResult, &ClickableLabel::Clicked, this, &frmMain::lbResult_Click);
    for (QLineEdit* field : {ui->tbxNumer, ui->tbxDenom}) {
        connect(field, &QLineEdit::returnPressed, this, &frmMain::lbResult_Click);
    }

    connect(ui->cmdFOPAdd, &QPushButton::clicked, this, &frmMain::cmdFOPAdd_Click);
    connect(ui->cmdFOPRemove, &QPushButton::clicked, this, &frmMain::cmdFOPRemove_Click);
    connect(ui->cmdFOPClear, &QPushButton::clicked, this, &frmMain::cmdFOPClear_Click);
    connect(ui->HScroll1, &QScrollBar::valueChanged, this, &frmMain::HScroll1_Change);
    connect(ui->tbxFOPE2, &QLineEdit::textChanged, this, &frmMain::tbxFOPE2_Change);
    connect(ui->cmdSoilSurvey, &QPushButton::clicked, this, &frmMain::cmdSoilSurvey_Click);

    connect(ui->cmdEnd, &QPushButton::clicked, this, &frmMain::cmdEnd_Click);
    connect(ui->cmdLoadData, &QPushButton::clicked, this, &frmMain::cmdLoadData_Click);
    connect(ui->cmdSaveData, &QPushButton::clicked, this, &frmMain::cmdSaveData_Click);
    connect(ui->cmdRecentFiles, &QToolButton::clicked, this, &frmMain::ShowRecentFiles);
    connect(ui->cmdSaveText, &QPushButton::clicked, this, [this] {
        QString fileName;
        SaveTextReport(fileName);
    });
}

// A form stores whole point sizes only.
void frmMain::ApplyFractionalFontSizes() {
    SetPointSize(ui->TabStrip1, 9.75);
    SetPointSize(ui->lbPoint, 9.75);
    SetPointSize(ui->lbDistPct, 9.75);
    SetPointSize(ui->lbResult, 13.5);
}

// Labels marked autoSize follow their caption; every other fixed caption that
// the substitute face sets wider than the classic one grows to the right
// rather than being cut off.
void frmMain::FitLabelsToCaptions() {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->property("autoSize").toBool()) {
            label->adjustSize();
        } else if (!label->text().isEmpty() && label->sizeHint().width() > label->width()) {
            label->resize(label->sizeHint().width(), label->height());
        }
    }
}

int frmMain::TitleBarHeight() const {
    return graph::CaptionHeight(*this, graph::FrameMarginsOf(*this));
}

// Closing is never refused: a state that cannot be kept is reported, and the
// windows close all the same.
void frmMain::closeEvent(QCloseEvent* event) {
    // The last run's state is no data file of the user's: it is neither
    // named in the title nor listed among the recent files.
    if (!lastConfigFile.isEmpty()) {
        if (const std::optional<QString> problem = WriteDataFileTo(lastConfigFile)) {
            ReportFileProblem(QStringLiteral("save data to"), lastConfigFile, *problem);
        } else if (recovery) {
            recovery->Remove();
        }
    }
    graph->Close();
    event->accept();
}

// The pages are group boxes laid over the tab strip rather than the tab
// widget's own pages, placed where the form puts them. A page out of sight is
// hidden as well as moved, so that its controls leave the keyboard order and
// no keystroke can change a field the user cannot see.
void frmMain::ShowPage(int index) {
    for (QGroupBox* page : Frame) {
        page->move(zoom ? zoom->Scaled(PageOutOfSight) : PageOutOfSight);
    }
    QGroupBox* shown = Frame.at(index - 1);
    shown->move(zoom ? zoom->Scaled(PageInView) : PageInView);
    for (QGroupBox* page : Frame) {
        page->setVisible(page == shown);
    }
}

void frmMain::TabStrip1_Click() {
    const int index = ui->TabStrip1->currentIndex() + 1;
    ShowPage(index);
    if (index == FallOfPotentialPage) {
        graph->Show();
    } else {
        graph->Hide();
    }
}

void frmMain::BindDesignSheet() {
    for (std::size_t i = 0; i < calc::InputRows.size(); ++i) {
        sheetFields[i] = findChild<QLineEdit*>(QLatin1String(calc::InputRows[i].Widget));
    }
    for (std::size_t i = 0; i < calc::ResultRows.size(); ++i) {
        sheetLabels[i] = findChild<QLabel*>(QLatin1String(calc::ResultRows[i].Widget));
    }
    inputHints = new InputHint(this);
    resultMarks = new ResultMarks(this);
}

calc::SheetInputs frmMain::TypedInputs() const {
    calc::SheetInputs inputs;
    for (std::size_t i = 0; i < sheetFields.size(); ++i) {
        inputs.Texts[i] = sheetFields[i]->text().toStdString();
    }
    return inputs;
}

calc::SheetResults frmMain::ShownResults() const {
    calc::SheetResults results;
    for (std::size_t i = 0; i < sheetLabels.size(); ++i) {
        results.Texts[i] = sheetLabels[i]->text().toStdString();
    }
    return results;
}

// The lengths between electrodes, while the results are to come from them.
std::optional<calc::WireBetweenInputs> frmMain::WireBetween() const {
    if (!ui->WireLength_1->isChecked()) {
        return std::nullopt;
    }
    return calc::WireBetweenInputs{ui->tbxWireBetween_0->text().toStdString(),
                                   ui->tbxWireBetween_1->text().toStdString()};
}

void frmMain::Recalculate() {
    // The labels go in as well as come out: a four-point step that fails keeps
    // the text its label already shows, and only the label holds that text.
    calc::SheetResults results = ShownResults();
    shownNotes = calc::ComputeSheet(TypedInputs(), results, WireBetween());
    for (std::size_t i = 0; i < sheetLabels.size(); ++i) {
        sheetLabels[i]->setText(QString::fromStdString(results.Texts[i]));
        resultMarks->Mark(sheetLabels[i], QString::fromStdString(shownNotes.Results.Texts[i]));
    }
    for (std::size_t i = 0; i < sheetFields.size(); ++i) {
        inputHints->Note(sheetFields[i], QString::fromStdString(shownNotes.Inputs.Texts[i]));
    }
    // While the gauge is typed the program writes the diameter box, which
    // shows no hint; the gauge box tells what the diameter lacks.
    inputHints->Note(ui->tbxWireAWG,
                     ui->tbxWireDia->isReadOnly()
                         ? QString::fromStdString(shownNotes.Inputs[calc::SheetInput::WireDiameter])
                         : QString());
    ui->lbP1->adjustSize();
    ui->lbP2->adjustSize();
    emit Recalculated();
    ShowTitle();
}

void frmMain::RecalculateUnlessLoading() {
    if (!state.LoadingData()) {
        Recalculate();
    }
}

void frmMain::InputField_Change() {
    RecalculateUnlessLoading();
}

void frmMain::tbxWireDia_Change() {
    if (InWireUpdate) {
        return;
    }
    const std::string gauge = calc::DiameterToGauge(ReadNumber(ui->tbxWireDia->text()));
    InWireUpdate = true;
    ui->tbxWireAWG->setText(QString::fromStdString(gauge));
    InWireUpdate = false;
    RecalculateUnlessLoading();
}

void frmMain::tbxWireAWG_Change() {
    if (InWireUpdate) {
        return;
    }
    const float diameter = calc::GaugeToDiameter(ui->tbxWireAWG->text().toStdString());
    InWireUpdate = true;
    ui->tbxWireDia->setText(FormatPattern(diameter, "0.0000"));
    InWireUpdate = false;
    RecalculateUnlessLoading();
}

void frmMain::ChooseWireSize(int index) {
    (index == 0 ? ui->WireSize_0 : ui->WireSize_1)->setChecked(true);
    ui->tbxWireAWG->setReadOnly(index == 0);
    ui->tbxWireDia->setReadOnly(index != 0);
}

void frmMain::ChooseWireLength(int index) {
    (index == 0 ? ui->WireLength_0 : ui->WireLength_1)->setChecked(true);
    ui->tbxWireBetween_0->setReadOnly(index == 0);
    ui->tbxWireBetween_1->setReadOnly(index == 0);
    ui->tbxWireLen->setReadOnly(index != 0);
}

void frmMain::WireSize_0_Click() {
    ChooseWireSize(0);
    tbxWireDia_Change();
}

// The diameter stays the wire's size: re-deriving it from the gauge shown
// would round it to a whole gauge, and gauge 1's 0.2893 would come back
// as 1/0's 0.3249.
void frmMain::WireSize_1_Click() {
    ChooseWireSize(1);
    RecalculateUnlessLoading();
}

void frmMain::WireLength_0_Click() {
    ChooseWireLength(0);
    RecalculateUnlessLoading();
}

void frmMain::WireLength_1_Click() {
    ChooseWireLength(1);
    RecalculateUnlessLoading();
}

void frmMain::Fraction_Change() {
    QString result = QStringLiteral("?");
    const double denominator = ReadNumber(ui->tbxDenom->text());
    if (denominator != 0.0) {
        const double quotient = ReadNumber(ui->tbxNumer->text()) / denominator;
        // Huge over tiny leaves the double range; there is no value to show.
        if (std::isfinite(quotient)) {
            result = FormatPattern(quotient, "##0.0##");
        }
    }
    ui->lbResult->setText(result);
}

void frmMain::lbResult_Click() {
    const QString caption = ui->lbResult->text().trimmed();
    if (caption == QStringLiteral("?")) {
        return;
    }
    ui->tbxElectDia->setText(FormatPattern(ReadNumber(caption), "##0.0##"));
}

void frmMain::cmdFOPAdd_Click() {
    // A reading is taken only as typed in full: "31,2" must not become 31 Ohms.
    for (const auto& [field, what] :
         {std::pair{ui->tbxFOPP2Feet, "distance"}, std::pair{ui->tbxFOPP2Ohms, "resistance"}}) {
        if (const std::optional<QString> refusal = NotWhollyANumber(field->text(), what)) {
            ShowAddNotice(*refusal);
            return;
        }
    }
    const double feet = ReadNumber(ui->tbxFOPP2Feet->text());
    const double ohms = ReadNumber(ui->tbxFOPP2Ohms->text());
    const survey::AddRefusal refusal = state.fop.CheckPoint(feet, ohms);
    if (refusal != survey::AddRefusal::None) {
        ShowAddNotice(AddRefusalText(refusal));
        return;
    }
    QToolTip::hideText();
    const auto& points = state.fop.FOPPoints();
    const bool repeated = std::any_of(std::next(points.begin()), points.end(),
                                      [feet](const survey::FOPPoint& p) { return p.Feet == feet; });
    fopHistory.Push(survey::AddReading(feet, ohms), state.fop);
    UpdateFOP();
    if (repeated) {
        ShowAddNotice(QStringLiteral("Added. A reading at %1 Feet was already in the list: the "
                                     "analysis uses the mean of the readings there.")
                          .arg(QString::fromStdString(shared::DoubleText(feet))));
    }
}

void frmMain::cmdFOPRemove_Click() {
    if (fopHistory.Push(survey::RemoveCurrentReading(), state.fop)) {
        UpdateFOP();
    }
}

void frmMain::cmdFOPClear_Click() {
    fopHistory.Push(survey::ClearReadings(), state.fop);
    ui->tbxFOPP2Feet->clear();
    ui->tbxFOPP2Ohms->clear();
    UpdateFOP();
}

void frmMain::HScroll1_Change(int value) {
    if (state.fop.Browse(value)) {
        UpdateFOP();
    }
}

// The distance the box shows is the one every check, line and figure uses.
// A reading typed before E2 was corrected stays in the P2 boxes to be added.
void frmMain::tbxFOPE2_Change() {
    ui->lb62Pct->setText(FormatPattern(0.62 * ReadNumber(ui->tbxFOPE2->text()), "#0.0"));
    if (!state.LoadingData()) {
        RefreshFOP(ShowCurrentPoint::No);
    }
}

void frmMain::UpdateFOP() {
    RefreshFOP(ShowCurrentPoint::Yes);
}

void frmMain::RefreshFOP(ShowCurrentPoint showCurrent) {
    const ShowCurrentPoint outer = std::exchange(showCurrentPoint, showCurrent);
    state.refresh.Refresh();
    showCurrentPoint = outer;
}

// The main window's part of every refresh, before the plot: it takes the E2
// distance the plot is drawn against.
void frmMain::ShowFopReadOuts() {
    survey::FallOfPotential& fop = state.fop;
    const int count = fop.PointCount();
    ui->lbPoint->setText(QStringLiteral("Point %1 of %2").arg(fop.FOPCurrent()).arg(count));
    if (count == 0) {
        ui->lbDistPct->setText(QStringLiteral("0.0%"));
    } else {
        ui->lbDistPct->setText(
            FormatPattern(static_cast<double>(fop.FOPCurrent()) / count, "##0.0%"));
        if (showCurrentPoint == ShowCurrentPoint::Yes) {
            const survey::FOPPoint& current = fop.CurrentPoint();
            ui->tbxFOPP2Feet->setText(QString::fromStdString(shared::DoubleText(current.Feet)));
            ui->tbxFOPP2Ohms->setText(QString::fromStdString(shared::DoubleText(current.Ohms)));
        }
    }

    fop.FOPE2Distance = ReadNumber(ui->tbxFOPE2->text());
    fop.FOPE1Position = 0.0;

    // Narrowing the range moves the value; that move is not a browse.
    const QSignalBlocker quiet(ui->HScroll1);
    ui->HScroll1->setMaximum(count);
    ui->HScroll1->setMinimum(0);
    ui->HScroll1->setValue(fop.FOPCurrent());
    ShowTitle();
}

void frmMain::cmdEnd_Click() {
    graph->Close();
    close();
}

// What the window does beyond its pages' own behaviour to be safe in the
// field: whole numbers, hints on what is read, keys for the point list.
void frmMain::SetUpFieldUse() {
    // A scroll bar's keys run against a horizontal bar's arrow buttons
    // unless told otherwise.
    ui->HScroll1->setInvertedControls(false);
    (new FocusMark(this))->Watch(ui->HScroll1);
    // This frame's caption sits where the page draws its top border; like a
    // caption set into a border, it hides the line behind it.
    ui->Frame17->setAutoFillBackground(true);

    auto* fitter = new LabelFitter(this);
    for (QLabel* label : sheetLabels) {
        fitter->Watch(label);
    }
    for (QLabel* label : std::initializer_list<QLabel*>{ui->lbResult, ui->lb62Pct, ui->lbFOPE1P1,
                                                        ui->lbPoint, ui->lbDistPct, ui->lbE1}) {
        fitter->Watch(label);
    }

    for (QLineEdit* field :
         {ui->tbxEarthRes, ui->tbxElectLen, ui->tbxNumer, ui->tbxDenom, ui->tbxElectDia,
          ui->tbxNumElect, ui->tbxWireDia, ui->tbxWireDepth, ui->tbxWireLen, ui->tbxWireBetween_0,
          ui->tbxWireBetween_1, ui->tbxFOPP2Feet, ui->tbxFOPP2Ohms, ui->tbxFOPE2, ui->tbxMVal,
          ui->tbx4ptE2}) {
        inputHints->Watch(field, InputHint::NumberHint);
    }
    inputHints->Watch(ui->tbxWireAWG, InputHint::GaugeHint);

    ConnectFieldKeys();
}

void frmMain::ConnectFieldKeys() {
    for (QLineEdit* field : {ui->tbxFOPP2Feet, ui->tbxFOPP2Ohms}) {
        connect(field, &QLineEdit::returnPressed, this, &frmMain::cmdFOPAdd_Click);
    }

    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}) {
        BindKey(keys, [this] { SwitchPage(1); });
    }
    // Shift turns Tab into Backtab before the shortcut sees the key.
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                     QKeySequence(Qt::CTRL | Qt::Key_PageUp)}) {
        BindKey(keys, [this] { SwitchPage(-1); });
    }

    BindKey(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { UndoFOP(); });
    BindKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { RedoFOP(); });
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { RedoFOP(); });
    auto* handOver = new UndoKeyHandOver(this);
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        field->installEventFilter(handOver);
    }
}

void frmMain::SwitchPage(int step) {
    const int count = ui->TabStrip1->count();
    ui->TabStrip1->setCurrentIndex((ui->TabStrip1->currentIndex() + step + count) % count);
}

QString frmMain::AddRefusalText(survey::AddRefusal refusal) const {
    using survey::AddRefusal;
    switch (refusal) {
    case AddRefusal::ResistanceNotAboveZero:
        return QStringLiteral("Not added: the resistance must be above 0 Ohms.");
    case AddRefusal::ResistanceTooLarge:
        return QStringLiteral("Not added: the resistance must be at most %1 Ohms.")
            .arg(QString::fromStdString(shared::DoubleText(survey::LargestReading)));
    case AddRefusal::DistanceOutsideE1E2:
        return QStringLiteral("Not added: the distance must be above 0 Feet and below the E2 "
                              "distance, %1 Feet.")
            .arg(QString::fromStdString(shared::DoubleText(state.fop.FOPE2Distance)));
    case AddRefusal::DistanceTooLarge:
        return QStringLiteral("Not added: the distance must be at most %1 Feet.")
            .arg(QString::fromStdString(shared::DoubleText(survey::LargestReading)));
    case AddRefusal::ListFull:
        return QStringLiteral("Not added: the list already holds %1 points.")
            .arg(survey::MaxFOPPoints);
    case AddRefusal::None:
        break;
    }
    return {};
}

// Tells, next to the button, why a reading was or was not taken.
void frmMain::ShowAddNotice(const QString& notice) {
    const QPoint below = ui->cmdFOPAdd->mapToGlobal(QPoint(0, ui->cmdFOPAdd->height()));
    QToolTip::showText(below, notice, ui->cmdFOPAdd);
}

void frmMain::UndoFOP() {
    if (fopHistory.Undo(state.fop)) {
        UpdateFOP();
    }
}

void frmMain::RedoFOP() {
    if (fopHistory.Redo(state.fop)) {
        UpdateFOP();
    }
}

void frmMain::UseEarthResistivity(const QString& text) {
    ui->tbxEarthRes->selectAll();
    ui->tbxEarthRes->insert(text);
}

void frmMain::ShowSoilSurvey() {
    if (soilWindow != nullptr) {
        soilWindow->ShowSurvey();
    }
}

void frmMain::cmdSoilSurvey_Click() {
    if (soilWindow == nullptr) {
        soilWindow = new soil::frmSoil(state,
                                       {[this] { return ui->tbxElectLen->text(); },
                                        [this] { return ui->tbxEarthRes->text(); },
                                        [this](const QString& text) { UseEarthResistivity(text); }},
                                       this);
        // The rod's figure is for the electrode length the design holds now.
        connect(this, &frmMain::Recalculated, soilWindow, &soil::frmSoil::ShowEquivalents);
        connect(soilWindow, &soil::frmSoil::SurveyChanged, this, &frmMain::ShowTitle);
    }
    soilWindow->show();
    soilWindow->raise();
    soilWindow->activateWindow();
}

} // namespace stakewell::mainwindow
