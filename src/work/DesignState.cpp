#include "work/DesignState.h"

#include "calc/WireGauge.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"

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
    wire.Gauge = QString::fromStdString(
        calc::DiameterToGauge(shared::ReadNumber(Input(SheetInput::WireDiameter).toStdString())));
}

void DesignState::TypeGauge(const QString& text) {
    wire.Gauge = text;
    const float diameter = calc::GaugeToDiameter(text.toStdString());
    inputs[static_cast<std::size_t>(SheetInput::WireDiameter)] =
        QString::fromStdString(shared::FormatPattern(diameter, "0.0000"));
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

void DesignState::Recalculate() {
    calc::SheetInputs texts;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        texts.Texts[i] = inputs[i].toStdString();
    }
    std::optional<calc::WireBetweenInputs> between;
    if (wire.Length == 1) {
        between =
            calc::WireBetweenInputs{wire.Between[0].toStdString(), wire.Between[1].toStdString()};
    }
    notes = calc::ComputeSheet(texts, results, between);
}

void DesignState::Take(const files::DataFileContent& content) {
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
    content.FieldTexts = inputs;
    content.Choices.WireBetween_0 = wire.Between[0];
    content.Choices.WireBetween_1 = wire.Between[1];
    content.Choices.WireLength = wire.Length;
    content.Choices.WireSize = wire.Size;
}

} // namespace stakewell::work
