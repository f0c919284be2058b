#pragma once

#include "calc/DesignSheet.h"
#include "files/DataFile.h"

#include <QString>

#include <array>
#include <optional>

namespace stakewell::work {

// How the wire is given: its size by diameter or by gauge, its length in
// total or between electrodes. Index 0 is the first option button of each.
struct WireChoices {
    // The gauge box's text: as typed, or derived from the diameter.
    QString Gauge;
    std::array<QString, 2> Between;
    int Length = 0;
    int Size = 0;
    // How often each was chosen, by the user or a file: the boxes the user
    // may type in follow a choice made, not the form's first state.
    int LengthChosen = 0;
    int SizeChosen = 0;
};

// The design as typed and the results it gives: the inputs, the wire's
// choices, and the results with their notes, each calculation starting from
// the last one's, since a four-point step that fails keeps its text.
class DesignState {
public:
    const QString& Input(calc::SheetInput input) const {
        return inputs[static_cast<std::size_t>(input)];
    }
    const std::array<QString, calc::SheetInputCount>& Inputs() const { return inputs; }
    const WireChoices& Wire() const { return wire; }
    const calc::SheetResults& Results() const { return results; }
    const calc::SheetNotes& Notes() const { return notes; }
    // The units the lengths are typed in; in metric the gauge box holds the
    // wire's cross-section in mm².
    shared::UnitSystem Units() const { return units; }

    // The diameter gives the gauge its text; a gauge typed gives the
    // diameter its own.
    void SetInput(calc::SheetInput input, const QString& text);
    void TypeGauge(const QString& text);
    void TypeBetween(int index, const QString& text);
    // Choosing to give the diameter takes the gauge from it again; choosing
    // the gauge keeps the diameter, which stays the wire's size.
    void ChooseWireSize(int index);
    void ChooseWireLength(int index);
    void Recalculate();
    // Every length and the wire's size at once, in another unit system.
    void TakeUnits(shared::UnitSystem system,
                   const std::array<QString, calc::SheetInputCount>& typed, const QString& gauge,
                   const std::array<QString, 2>& between);
    // The gauge box's text for a diameter in `system`'s unit.
    static QString SizeOfDiameter(const QString& diameter, shared::UnitSystem system);
    // The rod's length as the formulas take it, in feet whatever the units.
    double ElectrodeFeet() const;
    // The inputs as the computation reads them, in feet and inches whatever
    // the units, and the wire's lengths between electrodes when it is given so.
    calc::SheetInputs ComputedInputs() const;
    std::optional<calc::WireBetweenInputs> ComputedBetween() const;

    // A choice the file does not hold stays as it is.
    void Take(const files::DataFileContent& content);
    void Start(const std::array<QString, calc::SheetInputCount>& typed, const WireChoices& choices,
               const calc::SheetResults& shown);
    void Store(files::DataFileContent& content) const;

private:
    void GaugeFromDiameter();
    // An input as the imperial computation takes it; empty with the reason
    // when the text is refused.
    std::string ComputedText(calc::SheetInput input, const QString& text,
                             std::string& refusal) const;
    calc::SheetInputs ComputedInputs(calc::SheetInputs& refusals) const;

    std::array<QString, calc::SheetInputCount> inputs;
    WireChoices wire;
    calc::SheetResults results;
    calc::SheetNotes notes;
    shared::UnitSystem units = shared::UnitSystem::Imperial;
};

} // namespace stakewell::work
