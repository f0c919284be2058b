#include "work/DesignState.h"

#include "calc/WireGauge.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"
#include "shared/TextForm.h"
#include "work/UnitReading.h"

#include <optional>

namespace stakewell::work {

using calc::SheetInput;

void DesignState::SetInput(SheetInput input, const QString& text) {
    inputs[static_cast<std::size_t>(input)] = text;
    if (input == SheetInput::WireDiameter) {
        GaugeFromDiameter();
    }
}

void DesignState::GaugeFromDiameter() {
    wire.Gauge = SizeOfDiameter(Input(SheetInput::WireDiameter), units);
}

QString DesignState::SizeOfDiameter(const QString& diameter, shared::UnitSystem system) {
    const double read =
        shared::ReadNumber(ReadTypedText(diameter, system, shared::Measure::Diameter).text);
    if (system == shared::UnitSystem::Imperial) {
        return QString::fromStdString(calc::DiameterToGauge(read));
    }
    if (!(read > 0.0)) {
        return QStringLiteral("0");
    }
    return QString::fromStdString(shared::SignificantText(shared::CrossSection(read), 3));
}

void DesignState::TypeGauge(const QString& text) {
    wire.Gauge = text;
    QString& diameter = inputs[static_cast<std::size_t>(SheetInput::WireDiameter)];
    if (units == shared::UnitSystem::Imperial) {
        diameter = QString::fromStdString(
            shared::FormatPattern(calc::GaugeToDiameter(text.toStdString()), "0.0000"));
        return;
    }
    const double section = shared::ReadNumber(ReadTypedText(text, units, std::nullopt).text);
    diameter = section > 0.0 ? QString::fromStdString(shared::FormatPattern(
                                   shared::DiameterOfSection(section), "0.000"))
                             : QStringLiteral("0");
}

void DesignState::TypeBetween(int index, const QString& text) {
    wire.Between.at(static_cast<std::size_t>(index)) = text;
}

void DesignState::ChooseWireSize(int index) {
    wire.Size = index;
    ++wire.SizeChosen;
    if (index == 0) {
        GaugeFromDiameter();
    }
}

void DesignState::ChooseWireLength(int index) {
    wire.Length = index;
    ++wire.LengthChosen;
}

std::string DesignState::ComputedText(SheetInput input, const QString& text,
                                      std::string& refusal) const {
    const std::optional<shared::Measure> measure = MeasureOf(input);
    shared::TypedNumber typed = ReadTypedText(text, units, measure);
    refusal = typed.refusal;
    if (units == shared::UnitSystem::Imperial || !measure || text.trimmed().isEmpty() ||
        !refusal.empty()) {
        return typed.text;
    }
    return shared::ExactText(shared::ToImperial(shared::ReadNumber(typed.text), *measure));
}

calc::SheetInputs DesignState::ComputedInputs(calc::SheetInputs& refusals) const {
    calc::SheetInputs texts;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const auto input = static_cast<SheetInput>(i);
        texts[input] = ComputedText(input, inputs[i], refusals[input]);
    }
    return texts;
}

calc::SheetInputs DesignState::ComputedInputs() const {
    calc::SheetInputs refusals;
    return ComputedInputs(refusals);
}

std::optional<calc::WireBetweenInputs> DesignState::ComputedBetween() const {
    if (wire.Length != 1) {
        return std::nullopt;
    }
    std::string refused;
    return calc::WireBetweenInputs{ComputedText(SheetInput::WireLength, wire.Between[0], refused),
                                   ComputedText(SheetInput::WireLength, wire.Between[1], refused)};
}

void DesignState::Recalculate() {
    calc::SheetInputs refusals;
    const calc::SheetInputs texts = ComputedInputs(refusals);
    notes = calc::ComputeSheet(texts, results, ComputedBetween(), units);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (!refusals.Texts[i].empty()) {
            notes.Inputs.Texts[i] = refusals.Texts[i];
        }
    }
}

double DesignState::ElectrodeFeet() const {
    std::string refusal;
    return shared::ReadNumber(
        ComputedText(SheetInput::ElectrodeLength, Input(SheetInput::ElectrodeLength), refusal));
}

void DesignState::TakeUnits(shared::UnitSystem system,
                            const std::array<QString, calc::SheetInputCount>& typed,
                            const QString& gauge, const std::array<QString, 2>& between) {
    units = system;
    inputs = typed;
    wire.Gauge = gauge;
    wire.Between = between;
}

void DesignState::Take(const files::DataFileContent& content) {
    units = content.Units;
    inputs = content.FieldTexts;
    GaugeFromDiameter();
    const files::ChoiceContent& choices = content.Choices;
    wire.Between[0] = choices.WireBetween_0.value_or(wire.Between[0]);
    wire.Between[1] = choices.WireBetween_1.value_or(wire.Between[1]);
    if (choices.WireLength) {
        wire.Length = *choices.WireLength;
        ++wire.LengthChosen;
    }
    if (choices.WireSize) {
        wire.Size = *choices.WireSize;
        ++wire.SizeChosen;
    }
}

void DesignState::Start(const std::array<QString, calc::SheetInputCount>& typed,
                        const WireChoices& choices, const calc::SheetResults& shown) {
    inputs = typed;
    wire = choices;
    results = shown;
    notes = {};
}

void DesignState::Store(files::DataFileContent& content) const {
    content.Units = units;
    content.FieldTexts = inputs;
    content.Choices.WireBetween_0 = wire.Between[0];
    content.Choices.WireBetween_1 = wire.Between[1];
    content.Choices.WireLength = wire.Length;
    content.Choices.WireSize = wire.Size;
}

} // namespace stakewell::work
