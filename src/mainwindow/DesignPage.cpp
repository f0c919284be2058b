#include "mainwindow/DesignPage.h"

#include "ui_frmMain.h"

#include "mainwindow/DesignNoteText.h"
#include "mainwindow/DiameterFraction.h"
#include "mainwindow/InputHint.h"
#include "mainwindow/ResultBox.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"
#include "shared/Units.h"
#include "work/UnitReading.h"

#include <cmath>
#include <utility>

namespace stakewell::mainwindow {

namespace {

using calc::SheetInput;

double ReadNumber(const QString& text) {
    return shared::ReadNumber(text.toStdString());
}

QString FormatPattern(double value, std::string_view pattern) {
    return QString::fromStdString(shared::FormatPattern(value, pattern));
}

// Writes only a text that differs: the field the user types into already
// holds it, and setting it again would lose the cursor and the box's undo.
void ShowText(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        field->setText(text);
    }
}

} // namespace

DesignPage::DesignPage(Ui::frmMain& ui, work::SiteWork& work, InputHint& hints, QWidget& window)
    : QObject(&window), ui(ui), work(work), hints(hints), marks(new ResultMarks(this)) {
    for (std::size_t i = 0; i < calc::InputRows.size(); ++i) {
        fields[i] = window.findChild<QLineEdit*>(QLatin1String(calc::InputRows[i].Widget));
    }
    for (std::size_t i = 0; i < calc::ResultRows.size(); ++i) {
        labels[i] = window.findChild<QLabel*>(QLatin1String(calc::ResultRows[i].Widget));
    }
    StartWork();
    ConnectFields();
    showing = work.Observe([this](work::Aspects aspects) { Show(aspects); });
}

void DesignPage::StartWork() {
    std::array<QString, calc::SheetInputCount> typed;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        typed[i] = fields[i]->text();
    }
    calc::SheetResults shown;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        shown.Texts[i] = labels[i]->text().toStdString();
    }
    work::WireChoices wire;
    wire.Gauge = ui.tbxWireAWG->text();
    wire.Between = {ui.tbxWireBetween_0->text(), ui.tbxWireBetween_1->text()};
    wire.Length = ui.WireLength_1->isChecked() ? 1 : 0;
    wire.Size = ui.WireSize_1->isChecked() ? 1 : 0;
    work.Start(typed, wire, ui.tbxFOPE2->text(), shown);
}

void DesignPage::ConnectFields() {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        connect(fields[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            if (!writing) {
                work.TypeInput(calc::InputRows[i].Input, text);
            }
        });
    }
    connect(ui.tbxWireAWG, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!writing) {
            work.TypeGauge(text);
        }
    });
    const std::array<QLineEdit*, 2> between{ui.tbxWireBetween_0, ui.tbxWireBetween_1};
    for (int i = 0; i < 2; ++i) {
        connect(between.at(static_cast<std::size_t>(i)), &QLineEdit::textChanged, this,
                [this, i](const QString& text) {
                    if (!writing) {
                        work.TypeBetween(i, text);
                    }
                });
    }
    connect(ui.WireSize_0, &QRadioButton::clicked, this, [this] { work.ChooseWireSize(0); });
    connect(ui.WireSize_1, &QRadioButton::clicked, this, [this] { work.ChooseWireSize(1); });
    connect(ui.WireLength_0, &QRadioButton::clicked, this, [this] { work.ChooseWireLength(0); });
    connect(ui.WireLength_1, &QRadioButton::clicked, this, [this] { work.ChooseWireLength(1); });

    connect(ui.tbxNumer, &QLineEdit::textChanged, this, &DesignPage::Fraction_Change);
    connect(ui.tbxDenom, &QLineEdit::textChanged, this, &DesignPage::Fraction_Change);
    connect(ui.lbResult, &ClickableLabel::Clicked, this, &DesignPage::lbResult_Click);
    for (QLineEdit* field : {ui.tbxNumer, ui.tbxDenom}) {
        connect(field, &QLineEdit::returnPressed, this, &DesignPage::lbResult_Click);
    }
}

void DesignPage::Show(work::Aspects aspects) {
    if (!aspects.Has(work::Aspect::Design)) {
        return;
    }
    writing = true;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        ShowText(fields[i], work.Design().Inputs()[i]);
    }
    ShowText(ui.tbxWireAWG, work.Design().Wire().Gauge);
    ShowText(ui.tbxWireBetween_0, work.Design().Wire().Between[0]);
    ShowText(ui.tbxWireBetween_1, work.Design().Wire().Between[1]);
    ShowWireChoices();
    writing = false;
    ShowResults();
}

void DesignPage::ShowWireChoices() {
    const work::WireChoices& wire = work.Design().Wire();
    if (std::exchange(sizeShown, wire.SizeChosen) != wire.SizeChosen) {
        (wire.Size == 0 ? ui.WireSize_0 : ui.WireSize_1)->setChecked(true);
        ui.tbxWireAWG->setReadOnly(wire.Size == 0);
        ui.tbxWireDia->setReadOnly(wire.Size != 0);
    }
    if (std::exchange(lengthShown, wire.LengthChosen) != wire.LengthChosen) {
        (wire.Length == 0 ? ui.WireLength_0 : ui.WireLength_1)->setChecked(true);
        ui.tbxWireBetween_0->setReadOnly(wire.Length == 0);
        ui.tbxWireBetween_1->setReadOnly(wire.Length == 0);
        ui.tbxWireLen->setReadOnly(wire.Length != 0);
    }
}

void DesignPage::ShowResults() {
    const calc::SheetNotes& notes = work.Design().Notes();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setText(QString::fromStdString(work.Design().Results().Texts[i]));
        marks->Mark(labels[i], ShownNote(notes.Results.Texts[i]));
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        hints.Note(fields[i], ShownNote(notes.Inputs.Texts[i]));
    }
    // While the gauge is typed the program writes the diameter box, which
    // shows no hint; the gauge box tells what the diameter lacks.
    hints.Note(ui.tbxWireAWG, ui.tbxWireDia->isReadOnly()
                                  ? ShownNote(notes.Inputs[SheetInput::WireDiameter])
                                  : QString());
    ui.lbP1->adjustSize();
    ui.lbP2->adjustSize();
    emit Recalculated();
}

void DesignPage::ShowDiameterFraction() {
    QString inches = work.Design().Input(SheetInput::ElectrodeDiameter);
    if (work.Units() == shared::UnitSystem::Metric) {
        const double millimetres = shared::ReadNumber(
            work::ReadTypedText(inches, work.Units(), shared::Measure::Diameter).text);
        // Twelve digits give back the inch a millimetre text was made from.
        inches = QString::fromStdString(
            shared::ConvertedText(shared::ToImperial(millimetres, shared::Measure::Diameter)));
    }
    const std::optional<Fraction> fraction = DiameterFraction(inches);
    ui.tbxNumer->setText(fraction ? fraction->Numerator : QString());
    ui.tbxDenom->setText(fraction ? fraction->Denominator : QString());
}

void DesignPage::Fraction_Change() {
    QString result = QStringLiteral("?");
    const double denominator = ReadNumber(ui.tbxDenom->text());
    if (denominator != 0.0) {
        const double quotient = ReadNumber(ui.tbxNumer->text()) / denominator;
        // Huge over tiny leaves the double range; there is no value to show.
        if (std::isfinite(quotient)) {
            result = FormatPattern(quotient, "##0.0##");
        }
    }
    ui.lbResult->setText(result);
}

void DesignPage::lbResult_Click() {
    const QString caption = ui.lbResult->text().trimmed();
    if (caption == QStringLiteral("?")) {
        return;
    }
    // The fraction is of an inch in either system.
    if (work.Units() == shared::UnitSystem::Metric) {
        ui.tbxElectDia->setText(QString::fromStdString(shared::ConvertedText(
            shared::ToMetric(ReadNumber(caption), shared::Measure::Diameter))));
        return;
    }
    ui.tbxElectDia->setText(FormatPattern(ReadNumber(caption), "##0.0##"));
}

} // namespace stakewell::mainwindow
