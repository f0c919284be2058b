#include "mainwindow/DesignUnits.h"

#include "ui_frmMain.h"

#include "mainwindow/InputHint.h"
#include "mainwindow/SizeList.h"

#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace stakewell::mainwindow {

namespace {

using shared::UnitSystem;

// A length in metres carries decimals a whole number of feet does not: the
// E2 box then reaches to the page's edge.
constexpr int MetricE2Width = 57;

QString TextOf(const QWidget* widget) {
    return widget->property("text").toString();
}

} // namespace

DesignUnits::DesignUnits(Ui::frmMain& ui, work::SiteWork& work, InputHint& hints, QWidget& window)
    : QObject(&window), ui(ui), work(work), hints(hints),
      rodDiameters(new SizeList(*ui.tbxElectDia)), rodLengths(new SizeList(*ui.tbxElectLen)),
      wireSizes(new SizeList(*ui.tbxWireAWG)), e2Width(ui.tbx4ptE2->width()),
      e2PointSize(ui.tbx4ptE2->font().pointSizeF()) {
    const QString metres = tr("Metres");
    const QString millimetres = tr("Millimetres");
    for (QWidget* label : {ui.Label2, ui.Label10, ui.Label4, ui.Label7, ui.Label15, ui.Label24,
                           ui.lblUpperDepthUnit}) {
        AddCaption(label, metres);
    }
    // Beside the between boxes the frame's edge leaves room for a symbol only.
    AddCaption(ui.Label29, tr("m"));
    AddCaption(ui.Label3, millimetres);
    AddCaption(ui.Label9, millimetres);
    AddCaption(ui.Label27, tr("mm²"));
    AddCaption(ui.WireSize_1, tr("Cross-section (&G)"));

    connect(ui.cboUnits, &QComboBox::activated, this, [this](int index) {
        this->work.ChangeUnits(index == 0 ? UnitSystem::Imperial : UnitSystem::Metric);
    });
    showing = work.Observe([this](work::Aspects aspects) {
        if (aspects.Has(work::Aspect::Units)) {
            Show();
        }
    });
    Show();
}

// Each caption is made wide enough for either text now, while the zoom has
// yet to take the window's sizes as its own.
void DesignUnits::AddCaption(QWidget* widget, const QString& metric) {
    Caption caption{widget, TextOf(widget), metric};
    widget->setProperty("text", metric);
    const int width = std::max(widget->width(), widget->sizeHint().width());
    widget->setProperty("text", caption.imperial);
    widget->resize(width, widget->height());
    captions.push_back(caption);
}

void DesignUnits::Show() {
    const bool metric = work.Units() == UnitSystem::Metric;
    {
        const QSignalBlocker quiet(ui.cboUnits);
        ui.cboUnits->setCurrentIndex(metric ? 1 : 0);
    }
    for (const Caption& caption : captions) {
        caption.widget->setProperty("text", metric ? caption.metric : caption.imperial);
    }
    rodDiameters->Offer(RodDiameters(work.Units()));
    rodLengths->Offer(RodLengths(work.Units()));
    wireSizes->Offer(WireSizes(work.Units()));
    hints.Reread();
    FitE2Box();
}

void DesignUnits::FitE2Box() {
    const int width = work.Units() == UnitSystem::Metric ? MetricE2Width : e2Width;
    const double zoom = ui.tbx4ptE2->font().pointSizeF() / e2PointSize;
    ui.tbx4ptE2->resize(static_cast<int>(std::lround(width * zoom)), ui.tbx4ptE2->height());
}

} // namespace stakewell::mainwindow
