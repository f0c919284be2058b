#include "mainwindow/LayeredPage.h"

#include "ui_frmMain.h"

#include "mainwindow/LayeredDesigner.h"
#include "soil/SoilSurvey.h"

#include <QHeaderView>
#include <QTableWidgetItem>

namespace stakewell::mainwindow {

namespace {

using work::SoilModelText;

constexpr int UniformColumn = 0;
constexpr int TwoLayerColumn = 1;

QTableWidgetItem* ReadOnlyItem() {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// Writes only a text that differs: the box the user types into already
// holds it, and setting it again would lose the cursor and the box's undo.
void ShowText(QLineEdit* box, const QString& text) {
    if (box->text() != text) {
        box->setText(text);
    }
}

} // namespace

LayeredPage::LayeredPage(Ui::frmMain& ui, work::SiteWork& work, QWidget& window)
    : QObject(&window), ui(ui), work(work),
      designer(new LayeredDesigner(this)), boxes{ui.tbxUpperRes, ui.tbxLowerRes, ui.tbxUpperDepth} {
    SetUpTable();
    ConnectControls();
    showing = work.Observe([this](work::Aspects aspects) { Show(aspects); });
    Show(work::Aspects::All());
}

void LayeredPage::SetUpTable() {
    QTableWidget& table = *ui.grdLayered;
    table.setColumnCount(2);
    table.setRowCount(static_cast<int>(LayeredRowCount));
    table.setHorizontalHeaderLabels({tr("Uniform"), tr("Two-layer")});
    table.setVerticalHeaderLabels({tr("One electrode"), tr("Linear total"), tr("Polygon total"),
                                   tr("Linear electrodes"), tr("Linear wire"), tr("Linear mutual"),
                                   tr("Polygon electrodes"), tr("Polygon wire"),
                                   tr("Polygon mutual")});
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column : {UniformColumn, TwoLayerColumn}) {
            table.setItem(row, column, ReadOnlyItem());
        }
    }
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void LayeredPage::ConnectControls() {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        connect(boxes.at(i), &QLineEdit::textChanged, this, [this, i](const QString& text) {
            if (!writing) {
                work.TypeSoilModel(static_cast<SoilModelText>(i), text);
            }
        });
    }
    connect(designer, &LayeredDesigner::Computed, this, &LayeredPage::ShowFigures);
    connect(ui.cmdUseLinearEquivalent, &QPushButton::clicked, this,
            [this] { work.UseInDesign(calc::SheetInput::EarthResistivity, linearEquivalent); });
    connect(ui.cmdUsePolygonEquivalent, &QPushButton::clicked, this,
            [this] { work.UseInDesign(calc::SheetInput::EarthResistivity, polygonEquivalent); });
}

void LayeredPage::Show(work::Aspects aspects) {
    if (aspects.HasAny(work::Aspect::SoilModel | work::Aspect::Units)) {
        ShowModel();
    }
    if (aspects.HasAny(work::Aspect::Design | work::Aspect::Units)) {
        ShowUniform();
    }
    if (aspects.HasAny(work::Aspect::Design | work::Aspect::SoilModel | work::Aspect::Units)) {
        Recompute();
    }
}

// With nothing typed the boxes show, greyed, the survey's model they stand
// for.
void LayeredPage::ShowModel() {
    writing = true;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        ShowText(boxes.at(i), work.SoilModelTyped().at(i));
    }
    writing = false;
    const work::SoilModel& model = work.LayeredSoil();
    std::array<QString, work::SoilModelTextCount> placeholders;
    if (model.source == work::SoilModelSource::Survey && model.soil) {
        const double depth = shared::ConvertedLength(model.soil->upperDepthMetres,
                                                     shared::UnitSystem::Metric, work.Units());
        placeholders = {QString::fromStdString(soil::FigureText(model.soil->upperOhmMetres, 1)),
                        QString::fromStdString(soil::FigureText(model.soil->lowerOhmMetres, 1)),
                        QString::fromStdString(soil::FigureText(depth, 2))};
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes.at(i)->setPlaceholderText(placeholders.at(i));
    }
    ui.lbSoilModel->setToolTip(QString::fromStdString(work::SoilModelLine(model, work.Units())));
}

// Short, for the narrow column beside the table: the figures stand in the
// boxes, and the tool tip gives the whole line the reports print.
QString LayeredPage::SourceText(const work::SoilModel& model) {
    if (!model.soil) {
        return model.problem.empty() ? tr("Type ρ1, ρ2 and h, or fit a soil survey.")
                                     : QString::fromStdString(model.problem);
    }
    if (model.source == work::SoilModelSource::Typed) {
        return tr("Typed.");
    }
    switch (model.grade.value_or(soil::FitGrade::NotAssessed)) {
    case soil::FitGrade::Good:
        return tr("The survey's fit, graded good.");
    case soil::FitGrade::Usable:
        return tr("The survey's fit, graded usable.");
    case soil::FitGrade::Poor:
        return tr("The survey's fit, graded poor.");
    case soil::FitGrade::NotAssessed:
        break;
    }
    return tr("The survey's fit, not assessed.");
}

void LayeredPage::ShowUniform() {
    for (std::size_t row = 0; row < LayeredRows.size(); ++row) {
        const auto result = static_cast<std::size_t>(LayeredRows.at(row).Uniform);
        ui.grdLayered->item(static_cast<int>(row), UniformColumn)
            ->setText(QString::fromStdString(work.Design().Results().Texts.at(result)));
    }
}

void LayeredPage::Recompute() {
    const std::optional<work::LayeredDesignInputs> inputs = work::LayeredInputs(work);
    const bool tooManyRods = inputs && inputs->line.rodCount > soil::MaxLayeredRods;
    ui.lbSoilModel->setText(
        tooManyRods
            ? tr("More than %1 rods are not computed in two layers.").arg(soil::MaxLayeredRods)
            : SourceText(work.LayeredSoil()));
    if (!inputs) {
        designer->Drop();
        ShowFigures({});
        return;
    }
    designer->Compute(*inputs);
    ShowPending(true);
}

void LayeredPage::ShowFigures(const LayeredFigures& figures) {
    const bool none = !work.LayeredSoil().soil;
    for (std::size_t row = 0; row < LayeredRows.size(); ++row) {
        const double ohms = TwoLayerOhms(figures.design.ohms, LayeredRows.at(row));
        ui.grdLayered->item(static_cast<int>(row), TwoLayerColumn)
            ->setText(none ? QString() : QString::fromStdString(calc::OhmsText(ohms)));
    }
    ShowEquivalents(figures.linearEquivalent, figures.polygonEquivalent);
    ShowPending(false);
}

// Figures of inputs since changed are greyed, and cannot be used.
void LayeredPage::ShowPending(bool pending) {
    for (int row = 0; row < ui.grdLayered->rowCount(); ++row) {
        QTableWidgetItem* item = ui.grdLayered->item(row, TwoLayerColumn);
        item->setFlags(pending ? Qt::ItemIsSelectable : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    ui.lbLinearEquivalent->setEnabled(!pending);
    ui.lbPolygonEquivalent->setEnabled(!pending);
    ui.cmdUseLinearEquivalent->setEnabled(!pending && !linearEquivalent.isEmpty());
    ui.cmdUsePolygonEquivalent->setEnabled(!pending && !polygonEquivalent.isEmpty());
}

void LayeredPage::ShowEquivalents(const QString& linear, const QString& polygon) {
    linearEquivalent = linear;
    polygonEquivalent = polygon;
    ui.lbLinearEquivalent->setText(
        linear.isEmpty() ? tr("Equivalent resistivity, linear: none")
                         : tr("Equivalent resistivity, linear: %1 ohm-m").arg(linear));
    ui.lbPolygonEquivalent->setText(
        polygon.isEmpty() ? tr("Equivalent resistivity, polygon: none")
                          : tr("Equivalent resistivity, polygon: %1 ohm-m").arg(polygon));
}

} // namespace stakewell::mainwindow
