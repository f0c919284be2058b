#include "mainwindow/frmMain.h"

#include "ui_frmMain.h"

#include "about/DialogFont.h"
#include "about/frmHelp.h"
#include "graph/GraphWindowHost.h"
#include "graph/TestReportPage.h"
#include "graph/WindowCaption.h"
#include "mainwindow/CompactTabStyle.h"
#include "mainwindow/DesignPage.h"
#include "mainwindow/DesignUnits.h"
#include "mainwindow/FocusMark.h"
#include "mainwindow/FopPage.h"
#include "mainwindow/InputHint.h"
#include "mainwindow/LabelFitter.h"
#include "mainwindow/LayeredPage.h"
#include "mainwindow/RecentFiles.h"
#include "mainwindow/UndoKeyHandOver.h"
#include "mainwindow/WindowZoom.h"
#include "mainwindow/WorkFiles.h"
#include "mainwindow/frmSite.h"
#include "shared/Twips.h"
#include "soilwindow/SoilReportPage.h"
#include "soilwindow/frmSoil.h"
#include "work/UnitReading.h"
#include "work/WorkReport.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QIcon>
#include <QMimeData>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

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
constexpr int FallOfPotentialPage = 6;

void SetPointSize(QWidget* widget, double points) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/stakewell-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/stakewell-32.png"), QSize(32, 32));
    return icon;
}

// A form stores whole point sizes only.
void ApplyFractionalFontSizes(Ui::frmMain& ui) {
    SetPointSize(ui.TabStrip1, 9.75);
    SetPointSize(ui.lbPoint, 9.75);
    SetPointSize(ui.lbDistPct, 9.75);
    SetPointSize(ui.lbResult, 13.5);
}

// Labels marked autoSize follow their caption; every other fixed caption that
// the substitute face sets wider than the classic one grows to the right
// rather than being cut off.
void FitLabelsToCaptions(const QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->property("autoSize").toBool()) {
            label->adjustSize();
        } else if (!label->text().isEmpty() && label->sizeHint().width() > label->width()) {
            label->resize(label->sizeHint().width(), label->height());
        }
    }
}

// A design box reads a decimal comma and a unit typed after the number as the
// calculation does: a text refused or converted says so, and any other is
// hinted as before, after its decimal comma.
InputHint::Reader TypedReader(const work::SiteWork& work, std::optional<shared::Measure> measure,
                              const InputHint::Reader& plain) {
    return [&work, measure, plain](const QString& text) -> std::optional<QString> {
        const shared::TypedNumber typed = work::ReadTypedText(text, work.Units(), measure);
        if (!typed.refusal.empty()) {
            return QString::fromStdString(typed.refusal);
        }
        if (!typed.conversion.empty()) {
            return QString::fromStdString(typed.conversion);
        }
        // A unit the box is in anyway is hinted as any other trailing text.
        return plain(
            QString::fromStdString(work::ReadTypedText(text, work.Units(), std::nullopt).text));
    };
}

// The printed test report: the design, the readings, and the survey's page
// when there is a survey.
graph::TestReportContent TestReportOf(const work::SiteWork& work, double tolerancePercent,
                                      const QString& dataFileName) {
    graph::TestReportContent content;
    content.Design = work::WorkReport(work, tolerancePercent);
    content.DataFileName = dataFileName;
    content.Date = QDate::currentDate();
    if (work.Soil().Exists()) {
        content.FurtherPages.emplace_back([soil = work.Soil(), rod = work.Rod()](QPainter& painter,
                                                                                 const QRectF& page,
                                                                                 qreal pixelWidth) {
            soilwindow::PaintSoilReportPage(painter, page, pixelWidth, soil, rod);
        });
    }
    return content;
}

} // namespace

frmMain::frmMain(QString lastConfigFile, QWidget* parent)
    : frmMain(std::move(lastConfigFile), QString(), parent) {}

frmMain::frmMain(QString lastConfigFile, const QString& dataFile, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmMain>()),
      plot(work.Fop(), work.Refresh(), work.LayeredSoil().soil),
      graph(std::make_unique<graph::GraphWindowHost>(plot, this)) {
    InitProgramResources();
    about::SubstituteDialogFont();
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(ProgramIcon());
    ApplyFractionalFontSizes(*ui);
    FitLabelsToCaptions(*this);
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(this);
    ui->TabStrip1->tabBar()->setStyle(tabStyle);

    Frame = {ui->Frame_1,      ui->Frame_2, ui->Frame_3, ui->Frame_4,
             ui->Frame_Layers, ui->Frame_5, ui->Frame_6};
    for (QGroupBox* page : Frame) {
        page->raise();
    }
    // The units are chosen over a corner every page leaves free.
    ui->lblUnits->raise();
    ui->cboUnits->raise();
    ShowPage(1);
    setFixedSize(PixelsFromTwips(shared::WindowWidthTwips),
                 PixelsFromTwips(shared::WindowHeightTwips));

    inputHints = new InputHint(this);
    design = new DesignPage(*ui, work, *inputHints, *this);
    connect(design, &DesignPage::Recalculated, this, &frmMain::Recalculated);
    layered = new LayeredPage(*ui, work, *this);
    fopPage = new FopPage(*ui, work, *inputHints, *this);
    files = new WorkFiles(
        *this, work, plot, std::move(lastConfigFile),
        {[this] { design->ShowDiameterFraction(); },
         [this] { return work::WorkReport(work, graph->Commands().TolerancePercent); },
         [this](QString& name) { graph->Window().ImportReadings(name); }});
    ConnectHandlers();
    SetUpFieldUse();
    ConnectFieldTest();
    ui->cmdEnd->setFocus();
    // The manual, and from it the About box, which is otherwise seen only at
    // the program's start.
    BindKey(QKeySequence(Qt::Key_F1), &frmMain::ShowHelp);
    setAcceptDrops(true);
    files->Start(dataFile);
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
    ApplyZoom(zoom->Set(files->Recent().Zoom()));
}

void frmMain::ApplyZoom(bool changed) {
    if (!changed) {
        return;
    }
    ShowPage(ui->TabStrip1->currentIndex() + 1);
    units->FitE2Box();
    fopPage->FitUnitCaptions();
    graph->SetTextScale(zoom->Factor());
    files->Recent().KeepZoom(zoom->Percent());
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
    connect(ui->cmdSoilSurvey, &QPushButton::clicked, this, &frmMain::cmdSoilSurvey_Click);
    connect(ui->cmdEnd, &QPushButton::clicked, this, [this] {
        graph->Close();
        close();
    });
    connect(ui->cmdLoadData, &QPushButton::clicked, files, &WorkFiles::cmdLoadData_Click);
    connect(ui->cmdSaveData, &QPushButton::clicked, this, [this] {
        QString fileName;
        SaveDataFile(fileName);
    });
    connect(ui->cmdRecentFiles, &QToolButton::clicked, this,
            [this] { files->ShowRecentFiles(*ui->cmdRecentFiles); });
    connect(ui->cmdSaveText, &QPushButton::clicked, this, [this] {
        QString fileName;
        SaveTextReport(fileName);
    });
}

void frmMain::LoadDataFile(QString& fileName) {
    files->LoadDataFile(fileName);
}

void frmMain::SaveDataFile(QString& fileName) {
    files->SaveDataFile(fileName);
}

void frmMain::SaveTextReport(QString& fileName) {
    files->SaveTextReport(fileName);
}

void frmMain::Restore(const files::RecoveredWork& recovered) {
    files->Restore(recovered);
}

void frmMain::UpdateFOP() {
    work.Refresh().Refresh();
}

int frmMain::TitleBarHeight() const {
    return graph::CaptionHeight(*this, graph::FrameMarginsOf(*this));
}

// Closing is never refused: a state that cannot be kept is reported, and the
// windows close all the same.
void frmMain::closeEvent(QCloseEvent* event) {
    files->Close();
    graph->Close();
    event->accept();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

// The file opens once the drop is over: a message about it must not hold up
// the program the file was dragged from.
void frmMain::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    QTimer::singleShot(0, files,
                       [this, urls = event->mimeData()->urls()] { files->OpenDropped(urls); });
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
    for (QLabel* label : design->ResultLabels()) {
        fitter->Watch(label);
    }
    for (QLabel* label : std::initializer_list<QLabel*>{ui->lbResult, ui->lb62Pct, ui->lbFOPE1P1,
                                                        ui->lbPoint, ui->lbDistPct, ui->lbE1}) {
        fitter->Watch(label);
    }

    for (QLineEdit* field : {ui->tbxNumer, ui->tbxDenom}) {
        inputHints->Watch(field, InputHint::NumberHint);
    }
    for (const calc::InputRow& row : calc::InputRows) {
        inputHints->Watch(findChild<QLineEdit*>(QLatin1String(row.Widget)),
                          TypedReader(work, work::MeasureOf(row.Input), InputHint::NumberHint));
    }
    for (QLineEdit* field : {ui->tbxWireBetween_0, ui->tbxWireBetween_1, ui->tbxUpperDepth}) {
        inputHints->Watch(field, TypedReader(work, shared::Measure::Length, InputHint::NumberHint));
    }
    for (QLineEdit* field : {ui->tbxUpperRes, ui->tbxLowerRes}) {
        inputHints->Watch(field, TypedReader(work, std::nullopt, InputHint::NumberHint));
    }
    // A gauge is read as it always was; a cross-section is a number.
    const InputHint::Reader section = TypedReader(work, std::nullopt, InputHint::NumberHint);
    inputHints->Watch(ui->tbxWireAWG, [this, section](const QString& text) {
        return work.Units() == shared::UnitSystem::Metric ? section(text)
                                                          : InputHint::GaugeHint(text);
    });
    units = new DesignUnits(*ui, work, *inputHints, *this);

    ConnectKeys();
}

void frmMain::ConnectKeys() {
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { files->cmdLoadData_Click(); });
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        QString fileName;
        SaveDataFile(fileName);
    });
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_R),
            [this] { files->ShowRecentFiles(*ui->cmdRecentFiles); });
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

    // One history for the work, wherever the focus is in the window; a box
    // with typing of its own to undo keeps the keys for that.
    QAction* undo = work.History().createUndoAction(this);
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = work.History().createRedoAction(this);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    // Ctrl+Y redoes on every desktop the program is used on, whatever the
    // platform's own binding.
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y))) {
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    }
    redo->setShortcuts(redoKeys);
    addActions({undo, redo});
    auto* handOver = new UndoKeyHandOver(this);
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        field->installEventFilter(handOver);
    }
}

void frmMain::SwitchPage(int step) {
    const int count = ui->TabStrip1->count();
    ui->TabStrip1->setCurrentIndex((ui->TabStrip1->currentIndex() + step + count) % count);
}

// What the window gives the graph window's field-test commands: readings
// brought in from outside, and its part of the printed test report.
void frmMain::ConnectFieldTest() {
    graph::GraphCommands& commands = graph->Commands();
    commands.TakeReadings = [this](std::vector<fop::FOPPoint> readings) {
        work.ImportReadings(std::move(readings));
    };
    commands.ReportContent = [this] {
        return TestReportOf(work, graph->Commands().TolerancePercent, files->FileName());
    };
    commands.EditSiteRecord = [this] { EditSiteRecord(); };
    BindKey(QKeySequence(Qt::CTRL | Qt::Key_I), &frmMain::EditSiteRecord);
}

void frmMain::EditSiteRecord() {
    if (const std::optional<files::SiteRecord> edited = frmSite::Ask(work.Site(), this)) {
        work.ChangeSite(*edited);
    }
}

void frmMain::cmdSoilSurvey_Click() {
    if (soilWindow == nullptr) {
        soilWindow = new soilwindow::frmSoil(work, this);
    }
    soilWindow->show();
    soilWindow->raise();
    soilWindow->activateWindow();
}

} // namespace stakewell::mainwindow
