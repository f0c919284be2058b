#include "mainwindow/frmMain.h"

#include "ui_frmMain.h"

#include "calc/WireGauge.h"
#include "graph/GraphWindowHost.h"
#include "mainwindow/CompactTabStyle.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"
#include "shared/TextForm.h"

#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>

#include <cmath>

namespace {

using modStakewell::RecalcInputs;
using modStakewell::RecalcLabels;

constexpr int TwipsPerPixel = 15;
constexpr int ClientWidthTwips = 5460;
constexpr int ClientHeightTwips = 3900;
constexpr QPoint PageInView{240 / TwipsPerPixel, 360 / TwipsPerPixel};
constexpr QPoint PageOutOfSight{240 / TwipsPerPixel, 5000 / TwipsPerPixel};
constexpr int FallOfPotentialPage = 5;

// The form asks for the classic 8 pt dialog face. Where it is not installed,
// a face with the same metrics class keeps every caption inside its control.
void SubstituteDialogFont() {
    static const bool installed = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
        return true;
    }();
    Q_UNUSED(installed);
}

double ReadNumber(const QString& text) {
    return modStakewell::ReadNumber(text.toStdString());
}

QString FormatPattern(double value, std::string_view pattern) {
    return QString::fromStdString(modStakewell::FormatPattern(value, pattern));
}

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

} // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmMain>()),
      graph(std::make_unique<GraphWindowHost>(state, [this] { UpdateFOP(); })) {
    Q_INIT_RESOURCE(stakewell);
    SubstituteDialogFont();
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
    setFixedSize(ClientWidthTwips / TwipsPerPixel, ClientHeightTwips / TwipsPerPixel);

    recalcInputs = {
        {&RecalcInputs::tbxEarthRes, ui->tbxEarthRes},
        {&RecalcInputs::tbxElectLen, ui->tbxElectLen},
        {&RecalcInputs::tbxElectDia, ui->tbxElectDia},
        {&RecalcInputs::tbxNumElect, ui->tbxNumElect},
        {&RecalcInputs::tbxWireLen, ui->tbxWireLen},
        {&RecalcInputs::tbxWireDia, ui->tbxWireDia},
        {&RecalcInputs::tbxWireDepth, ui->tbxWireDepth},
        {&RecalcInputs::tbx4ptE2, ui->tbx4ptE2},
        {&RecalcInputs::tbxMVal, ui->tbxMVal},
    };
    recalcLabels = {
        {&RecalcLabels::lbOneElectRes, ui->lbOneElectRes},
        {&RecalcLabels::lbLinearSpace, ui->lbLinearSpace},
        {&RecalcLabels::lbLinearElect, ui->lbLinearElect},
        {&RecalcLabels::lbLinearWire, ui->lbLinearWire},
        {&RecalcLabels::LbLinearMutual, ui->LbLinearMutual},
        {&RecalcLabels::lbLinearTotal, ui->lbLinearTotal},
        {&RecalcLabels::lbRectSpace, ui->lbRectSpace},
        {&RecalcLabels::lbRectElect, ui->lbRectElect},
        {&RecalcLabels::lbRectWire, ui->lbRectWire},
        {&RecalcLabels::lbRectMutual, ui->lbRectMutual},
        {&RecalcLabels::lbRectTotal, ui->lbRectTotal},
        {&RecalcLabels::lbP1, ui->lbP1},
        {&RecalcLabels::lbP2, ui->lbP2},
        {&RecalcLabels::lbEarthRes, ui->lbEarthRes},
    };

    ConnectHandlers();
    ui->cmdEnd->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::ConnectHandlers() {
    connect(ui->TabStrip1, &QTabWidget::currentChanged, this, &frmMain::TabStrip1_Click);
    // A click on the tab already selected does not change the current index but
    // must still bring the graph window back when the user closed it.
    connect(ui->TabStrip1, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index == ui->TabStrip1->currentIndex()) {
            TabStrip1_Click();
        }
    });

    for (QLineEdit* field :
         {ui->tbxEarthRes, ui->tbxElectLen, ui->tbxElectDia, ui->tbxNumElect, ui->tbxWireDepth,
          ui->tbxMVal, ui->tbx4ptE2, ui->tbxWireLen, ui->tbxWireBetween_0, ui->tbxWireBetween_1}) {
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

    connect(ui->cmdFOPAdd, &QPushButton::clicked, this, &frmMain::cmdFOPAdd_Click);
    connect(ui->cmdFOPRemove, &QPushButton::clicked, this, &frmMain::cmdFOPRemove_Click);
    connect(ui->cmdFOPClear, &QPushButton::clicked, this, &frmMain::cmdFOPClear_Click);
    connect(ui->HScroll1, &QScrollBar::valueChanged, this, &frmMain::HScroll1_Change);
    connect(ui->tbxFOPE2, &QLineEdit::textChanged, this, &frmMain::tbxFOPE2_Change);

    connect(ui->cmdEnd, &QPushButton::clicked, this, &frmMain::cmdEnd_Click);
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
    if (isVisible()) {
        const QRect outer = frameGeometry();
        const QRect inner = geometry();
        const int border = (outer.width() - inner.width()) / 2;
        const int caption = inner.top() - outer.top() - border;
        if (caption > 0) {
            return caption;
        }
    }
    return style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
}

void frmMain::closeEvent(QCloseEvent* event) {
    graph->Close();
    event->accept();
}

// The pages are group boxes laid over the tab strip rather than the tab
// widget's own pages. A page out of view is moved below the client area, not
// hidden, so that its fields stay in the keyboard order.
void frmMain::ShowPage(int index) {
    for (QGroupBox* page : Frame) {
        page->move(PageOutOfSight);
    }
    Frame.at(index - 1)->move(PageInView);
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

void frmMain::Recalculate() {
    RecalcInputs inputs;
    for (const auto& [member, field] : recalcInputs) {
        inputs.*member = field->text().toStdString();
    }
    // The labels go in as well as come out: a four-point step that fails keeps
    // the text its label already shows, and only the label holds that text.
    RecalcLabels labels;
    for (const auto& [member, label] : recalcLabels) {
        labels.*member = label->text().toStdString();
    }
    modStakewell::Recalculate(inputs, labels);
    for (const auto& [member, label] : recalcLabels) {
        label->setText(QString::fromStdString(labels.*member));
    }
    ui->lbP1->adjustSize();
    ui->lbP2->adjustSize();
    emit Recalculated();
}

void frmMain::RecalculateUnlessLoading() {
    if (!state.bLoadingData) {
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
    const std::string gauge = modStakewell::DiameterToGauge(ReadNumber(ui->tbxWireDia->text()));
    InWireUpdate = true;
    ui->tbxWireAWG->setText(QString::fromStdString(gauge));
    InWireUpdate = false;
    RecalculateUnlessLoading();
}

void frmMain::tbxWireAWG_Change() {
    if (InWireUpdate) {
        return;
    }
    const float diameter = modStakewell::GaugeToDiameter(ui->tbxWireAWG->text().toStdString());
    InWireUpdate = true;
    ui->tbxWireDia->setText(FormatPattern(diameter, "0.0000"));
    InWireUpdate = false;
    RecalculateUnlessLoading();
}

void frmMain::WireSize_0_Click() {
    ui->tbxWireAWG->setReadOnly(true);
    ui->tbxWireDia->setReadOnly(false);
    tbxWireDia_Change();
}

void frmMain::WireSize_1_Click() {
    ui->tbxWireAWG->setReadOnly(false);
    ui->tbxWireDia->setReadOnly(true);
    tbxWireAWG_Change();
}

void frmMain::WireLength_0_Click() {
    ui->tbxWireBetween_0->setReadOnly(true);
    ui->tbxWireBetween_1->setReadOnly(true);
    ui->tbxWireLen->setReadOnly(false);
    RecalculateUnlessLoading();
}

void frmMain::WireLength_1_Click() {
    ui->tbxWireBetween_0->setReadOnly(false);
    ui->tbxWireBetween_1->setReadOnly(false);
    ui->tbxWireLen->setReadOnly(true);
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
    if (state.fop.AddPoint(ReadNumber(ui->tbxFOPP2Feet->text()),
                           ReadNumber(ui->tbxFOPP2Ohms->text()))) {
        UpdateFOP();
    }
}

void frmMain::cmdFOPRemove_Click() {
    if (state.fop.RemovePoint()) {
        UpdateFOP();
    }
}

void frmMain::cmdFOPClear_Click() {
    state.fop.ClearAll();
    ui->tbxFOPP2Feet->clear();
    ui->tbxFOPP2Ohms->clear();
    UpdateFOP();
}

void frmMain::HScroll1_Change(int value) {
    if (state.fop.Browse(value)) {
        UpdateFOP();
    }
}

void frmMain::tbxFOPE2_Change() {
    ui->lb62Pct->setText(FormatPattern(0.62 * ReadNumber(ui->tbxFOPE2->text()), "#0.0"));
}

void frmMain::UpdateFOP() {
    modStakewell::FallOfPotential& fop = state.fop;
    graph->Window().ClearGraph();

    const int count = fop.PointCount();
    ui->lbPoint->setText(QStringLiteral("Point %1 of %2").arg(fop.FOPCurrent).arg(count));
    if (count == 0) {
        ui->lbDistPct->setText(QStringLiteral("0.0%"));
    } else {
        ui->lbDistPct->setText(
            FormatPattern(static_cast<double>(fop.FOPCurrent) / count, "##0.0%"));
        const modStakewell::FOPPoint& current = fop.CurrentPoint();
        ui->tbxFOPP2Feet->setText(QString::fromStdString(modStakewell::DoubleText(current.Feet)));
        ui->tbxFOPP2Ohms->setText(QString::fromStdString(modStakewell::DoubleText(current.Ohms)));
    }

    fop.FOPE2Distance = ReadNumber(ui->tbxFOPE2->text());
    fop.FOPE1Position = 0.0;
    graph->Window().ComputePlotExtents();

    {
        // Narrowing the range moves the value; that move is not a browse.
        const QSignalBlocker quiet(ui->HScroll1);
        ui->HScroll1->setMaximum(count);
        ui->HScroll1->setMinimum(0);
        ui->HScroll1->setValue(fop.FOPCurrent);
    }
    graph->Window().DrawGraph();
}

void frmMain::cmdEnd_Click() {
    graph->Close();
    close();
}
