#include "mainwindow/FopPage.h"

#include "ui_frmMain.h"

#include "mainwindow/InputHint.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"
#include "shared/TextForm.h"
#include "work/UnitReading.h"

#include <QSignalBlocker>
#include <QStringList>
#include <QToolTip>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

namespace stakewell::mainwindow {

namespace {

QString FormatPattern(double value, std::string_view pattern) {
    return QString::fromStdString(shared::FormatPattern(value, pattern));
}

QString Text(double value) {
    return QString::fromStdString(shared::DoubleText(value));
}

// The refusal of a reading whose text cannot be read one way only or is not
// wholly a number; nothing for a text read in full. An empty box reads as 0
// and is refused as such.
std::optional<QString> NotWhollyANumber(const shared::TypedNumber& typed, const char* what) {
    std::optional<std::string> reason;
    if (!typed.refusal.empty()) {
        reason = typed.refusal;
    } else if (!QString::fromStdString(typed.text).trimmed().isEmpty()) {
        reason = shared::NotANumberReason(typed.text);
    }
    if (!reason) {
        return std::nullopt;
    }
    return QStringLiteral("Not added: the %1 %2")
        .arg(QLatin1String(what), QString::fromStdString(*reason));
}

// A box's hint in the work's unit system: why a text is refused, how a unit
// typed with it was converted, and what the number reader makes of the rest.
InputHint::Reader TypedHint(const work::SiteWork& work, std::optional<shared::Measure> measure) {
    return [&work, measure](const QString& text) -> std::optional<QString> {
        const shared::TypedNumber typed = work::ReadTypedText(text, work.Units(), measure);
        if (!typed.refusal.empty()) {
            return QString::fromStdString(typed.refusal);
        }
        QStringList lines;
        if (!typed.conversion.empty()) {
            lines.append(QString::fromStdString(typed.conversion));
        }
        if (const std::optional<QString> read =
                InputHint::NumberHint(QString::fromStdString(typed.text))) {
            lines.append(*read);
        }
        return lines.isEmpty() ? std::nullopt : std::optional(lines.join(u'\n'));
    };
}

} // namespace

FopPage::FopPage(Ui::frmMain& ui, work::SiteWork& work, InputHint& hints, QWidget& window)
    : QObject(&window), ui(ui), work(work), hints(hints),
      showing(work.Observe([this](work::Aspects aspects) { Show(aspects); })),
      readOuts(work.Refresh().Listen(fop::FopRefresh::Stage::ReadOuts, [this] {
          ShowReadOuts();
          showCurrentPoint = true;
      })) {
    connect(ui.cmdFOPAdd, &QPushButton::clicked, this, &FopPage::cmdFOPAdd_Click);
    connect(ui.cmdFOPRemove, &QPushButton::clicked, this, &FopPage::cmdFOPRemove_Click);
    connect(ui.cmdFOPClear, &QPushButton::clicked, this, &FopPage::cmdFOPClear_Click);
    connect(ui.HScroll1, &QScrollBar::valueChanged, this, &FopPage::HScroll1_Change);
    connect(ui.tbxFOPE2, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!writingE2) {
            this->work.TypeE2(text);
        }
    });
    for (QLineEdit* field : {ui.tbxFOPP2Feet, ui.tbxFOPP2Ohms}) {
        connect(field, &QLineEdit::returnPressed, this, &FopPage::cmdFOPAdd_Click);
    }
    for (const auto& [caption, box] : {std::pair<QLabel*, QLineEdit*>{ui.Label18, nullptr},
                                       {ui.Label25, nullptr},
                                       {ui.Label21, ui.tbxFOPP2Feet},
                                       {ui.Label23, ui.tbxFOPE2}}) {
        unitCaptions.push_back({caption->text(), {caption, {}, {}}, {box, {}, {}}});
    }
    hints.Watch(ui.tbxFOPP2Feet, TypedHint(work, shared::Measure::Length));
    hints.Watch(ui.tbxFOPP2Ohms, TypedHint(work, std::nullopt));
    hints.Watch(ui.tbxFOPE2, TypedHint(work, shared::Measure::Length));
    ShowUnitCaptions();
}

bool FopPage::Metric() const {
    return work.Units() == shared::UnitSystem::Metric;
}

void FopPage::ShowUnitCaptions() {
    for (const Caption& caption : unitCaptions) {
        caption.label.widget->setProperty(
            "text",
            Metric() ? (caption.box.widget != nullptr ? tr("m") : tr("Metres")) : caption.feet);
    }
    FitUnitCaptions();
}

void FopPage::Placed::Fit(bool metric, const std::function<QRect(QRect)>& place) {
    if (widget == nullptr) {
        return;
    }
    const bool stillFitted = widget->geometry() == fitted;
    if (!metric) {
        if (stillFitted) {
            widget->setGeometry(laidOut);
        }
        fitted = {};
        return;
    }
    if (!stillFitted) {
        laidOut = widget->geometry();
    }
    fitted = place(laidOut);
    widget->setGeometry(fitted);
}

// A caption in metres that would run into its frame's edge moves towards the
// box it names; a caption beside a typed distance moves to the frame's edge
// and its box grows up to it.
void FopPage::FitUnitCaptions() {
    constexpr int FrameEdge = 2;
    constexpr int Gap = 2;
    for (Caption& caption : unitCaptions) {
        auto& label = static_cast<QLabel&>(*caption.label.widget);
        const int frameRight = label.parentWidget()->width() - FrameEdge;
        const bool growsBox = caption.box.widget != nullptr;
        caption.label.Fit(Metric(), [&](QRect place) {
            place.setWidth(std::max(growsBox ? 0 : place.width(), label.sizeHint().width()));
            place.moveLeft(growsBox ? frameRight - place.width()
                                    : std::min(place.left(), frameRight - place.width()));
            return place;
        });
        caption.box.Fit(Metric(), [&](QRect place) {
            place.setRight(std::max(place.right(), label.geometry().left() - Gap - 1));
            return place;
        });
    }
}

// Told before the refresh the change asks for, so the read-outs know what
// changed.
void FopPage::Show(work::Aspects aspects) {
    if (aspects.Has(work::Aspect::Units)) {
        // The hints are read afresh with the design's, for every box.
        ShowUnitCaptions();
    }
    if (aspects.Has(work::Aspect::E2)) {
        if (ui.tbxFOPE2->text() != work.E2Text()) {
            writingE2 = true;
            ui.tbxFOPE2->setText(work.E2Text());
            writingE2 = false;
        }
        ui.lb62Pct->setText(FormatPattern(0.62 * work.Fop().FOPE2Distance, "#0.0"));
    }
    if (aspects.HasAny(work::Aspect::Readings | work::Aspect::E2)) {
        showCurrentPoint = aspects.Has(work::Aspect::Readings);
    } else if (aspects.Has(work::Aspect::SoilModel)) {
        // The analysis reads the test in the soil model too; nothing else
        // asks for it to be shown afresh.
        work.Refresh().Refresh();
    }
}

void FopPage::cmdFOPAdd_Click() {
    // A reading is taken only as typed in full: "31,2" must not become 31 Ohms.
    const shared::TypedNumber typedDistance =
        work::ReadTypedText(ui.tbxFOPP2Feet->text(), work.Units(), shared::Measure::Length);
    const shared::TypedNumber typedOhms =
        work::ReadTypedText(ui.tbxFOPP2Ohms->text(), work.Units(), std::nullopt);
    for (const auto& [typed, what] :
         {std::pair{&typedDistance, "distance"}, std::pair{&typedOhms, "resistance"}}) {
        if (const std::optional<QString> refusal = NotWhollyANumber(*typed, what)) {
            ShowAddNotice(*refusal);
            return;
        }
    }
    const double distance = shared::ReadNumber(typedDistance.text);
    const double ohms = shared::ReadNumber(typedOhms.text);
    const fop::AddRefusal refusal = work.Fop().CheckPoint(distance, ohms);
    if (refusal != fop::AddRefusal::None) {
        ShowAddNotice(AddRefusalText(refusal));
        return;
    }
    QToolTip::hideText();
    const auto& points = work.Fop().FOPPoints();
    const bool repeated =
        std::any_of(std::next(points.begin()), points.end(),
                    [distance](const fop::FOPPoint& p) { return p.Distance == distance; });
    work.AddReading(distance, ohms);
    if (const QString notice = AddedNotice(typedDistance, repeated); !notice.isEmpty()) {
        ShowAddNotice(notice);
    }
}

// What the user may not expect of a reading taken: a unit typed with its
// distance converted, another reading already there.
QString FopPage::AddedNotice(const shared::TypedNumber& distance, bool repeated) const {
    const QString conversion = QString::fromStdString(distance.conversion);
    if (!repeated) {
        return conversion.isEmpty() ? QString() : tr("Added. %1").arg(conversion);
    }
    const QString at = Text(shared::ReadNumber(distance.text));
    QString notice = Metric() ? tr("Added. A reading at %1 Metres was already in the list: the "
                                   "analysis uses the mean of the readings there.")
                                    .arg(at)
                              : tr("Added. A reading at %1 Feet was already in the list: the "
                                   "analysis uses the mean of the readings there.")
                                    .arg(at);
    return conversion.isEmpty() ? notice : conversion + u'\n' + notice;
}

void FopPage::cmdFOPRemove_Click() {
    work.RemoveReading();
}

void FopPage::cmdFOPClear_Click() {
    ui.tbxFOPP2Feet->clear();
    ui.tbxFOPP2Ohms->clear();
    work.ClearReadings();
}

void FopPage::HScroll1_Change(int value) {
    work.Browse(value);
}

// The main window's part of every refresh, before the plot.
void FopPage::ShowReadOuts() {
    const fop::FallOfPotential& fop = work.Fop();
    const int count = fop.PointCount();
    ui.lbPoint->setText(tr("Point %1 of %2").arg(fop.FOPCurrent()).arg(count));
    if (count == 0) {
        ui.lbDistPct->setText(QStringLiteral("0.0%"));
    } else {
        ui.lbDistPct->setText(
            FormatPattern(static_cast<double>(fop.FOPCurrent()) / count, "##0.0%"));
        if (showCurrentPoint) {
            const fop::FOPPoint& current = fop.CurrentPoint();
            ui.tbxFOPP2Feet->setText(Text(current.Distance));
            ui.tbxFOPP2Ohms->setText(Text(current.Ohms));
        }
    }
    // Narrowing the range moves the value; that move is not a browse.
    const QSignalBlocker quiet(ui.HScroll1);
    ui.HScroll1->setMaximum(count);
    ui.HScroll1->setMinimum(0);
    ui.HScroll1->setValue(fop.FOPCurrent());
}

QString FopPage::AddRefusalText(fop::AddRefusal refusal) const {
    using fop::AddRefusal;
    switch (refusal) {
    case AddRefusal::ResistanceNotAboveZero:
        return tr("Not added: the resistance must be above 0 Ohms.");
    case AddRefusal::ResistanceTooLarge:
        return tr("Not added: the resistance must be at most %1 Ohms.")
            .arg(Text(fop::LargestReading));
    case AddRefusal::DistanceOutsideE1E2:
        return (Metric() ? tr("Not added: the distance must be above 0 Metres and below the E2 "
                              "distance, %1 Metres.")
                         : tr("Not added: the distance must be above 0 Feet and below the E2 "
                              "distance, %1 Feet."))
            .arg(Text(work.Fop().FOPE2Distance));
    case AddRefusal::DistanceTooLarge:
        return (Metric() ? tr("Not added: the distance must be at most %1 Metres.")
                         : tr("Not added: the distance must be at most %1 Feet."))
            .arg(Text(fop::LargestReading));
    case AddRefusal::ListFull:
        return tr("Not added: the list already holds %1 points.").arg(fop::MaxFOPPoints);
    case AddRefusal::None:
        break;
    }
    return {};
}

// Tells, next to the button, why a reading was or was not taken.
void FopPage::ShowAddNotice(const QString& notice) {
    const QPoint below = ui.cmdFOPAdd->mapToGlobal(QPoint(0, ui.cmdFOPAdd->height()));
    QToolTip::showText(below, notice, ui.cmdFOPAdd);
}

} // namespace stakewell::mainwindow
