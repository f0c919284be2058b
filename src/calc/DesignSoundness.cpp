#include "calc/DesignSoundness.h"

#include "shared/NumberReading.h"
#include "shared/TextForm.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

namespace stakewell::calc {
namespace {

using enum SheetResult;

constexpr std::size_t DesignResultCount = 11;

// The design results in the order of `SheetResult`.
constexpr std::array<StepResult DesignResults::*, DesignResultCount> Steps{
    &DesignResults::R1,  &DesignResults::S,   &DesignResults::Re, &DesignResults::Rw,
    &DesignResults::Rm,  &DesignResults::Rt,  &DesignResults::S2, &DesignResults::Re2,
    &DesignResults::Rw2, &DesignResults::Rm2, &DesignResults::Rt2};

constexpr std::initializer_list<SheetResult> EveryResistance{
    OneElectrode,      LinearElectrodes, LinearWire,    LinearMutual, LinearTotal,
    PolygonElectrodes, PolygonWire,      PolygonMutual, PolygonTotal};
constexpr std::initializer_list<SheetResult> RodResults{OneElectrode, LinearElectrodes, LinearTotal,
                                                        PolygonElectrodes, PolygonTotal};
constexpr std::initializer_list<SheetResult> WireResults{LinearWire, LinearTotal, PolygonWire,
                                                         PolygonTotal};

const char* const NoLongerHolds = ": the approximation no longer holds here.";

void AddLine(std::string& note, const std::string& line) {
    if (!note.empty()) {
        note += '\n';
    }
    note += line;
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\n") == std::string::npos;
}

class Judgement {
public:
    Judgement(DesignResults& results, SheetNotes& notes) : results_(results), notes_(notes) {}

    StepResult& Step(SheetResult key) { return results_.*Steps.at(Index(key)); }
    bool Shown(SheetResult key) { return !Step(key).faulted && std::isfinite(Step(key).value); }

    // An input the figures cannot do without: its hint, and the results it
    // leaves without a figure.
    void Lacking(SheetInput input, const std::string& hint,
                 std::initializer_list<SheetResult> keys) {
        AddLine(notes_.Inputs[input], hint);
        for (const SheetResult key : keys) {
            Step(key).faulted = true;
            explained_.at(Index(key)) = true;
        }
    }

    void Note(SheetInput input, const std::string& note) { AddLine(notes_.Inputs[input], note); }

    void EmptyUnless(SheetResult key, bool supported) {
        if (!supported) {
            Step(key).faulted = true;
        }
    }

    // Empty when a step it is built on is, and for the same reason.
    void BuiltOn(SheetResult key, std::initializer_list<SheetResult> parts) {
        for (const SheetResult part : parts) {
            if (!Shown(part)) {
                Step(key).faulted = true;
                explained_.at(Index(key)) = explained_.at(Index(key)) || explained_.at(Index(part));
            }
        }
    }

    void EmptyUnlessAboveZero(SheetResult key) { EmptyUnless(key, Step(key).value > 0.0F); }

    void Explained(SheetResult key) { explained_.at(Index(key)) = true; }

    void Caution(const std::string& why, std::initializer_list<SheetResult> keys) {
        for (const SheetResult key : keys) {
            if (Shown(key)) {
                AddLine(notes_.Results[key], why + NoLongerHolds);
            }
        }
    }

    // An empty result that no input accounts for says so itself.
    void NoteUnexplained() {
        for (std::size_t i = 0; i < DesignResultCount; ++i) {
            const auto key = static_cast<SheetResult>(i);
            if (!Shown(key) && !explained_.at(i)) {
                AddLine(notes_.Results[key],
                        "No figure: these inputs give no value the approximation can stand for.");
            }
        }
    }

private:
    static std::size_t Index(SheetResult key) { return static_cast<std::size_t>(key); }

    DesignResults& results_;
    SheetNotes& notes_;
    std::array<bool, DesignResultCount> explained_{};
};

void JudgeInputs(Judgement& judge, const SheetInputs& texts, const DesignInputs& in,
                 bool wireGiven) {
    using enum SheetInput;
    if (const auto hint = NotAboveZero(texts[EarthResistivity], in.rho, "earth resistivity")) {
        judge.Lacking(EarthResistivity, *hint, EveryResistance);
    }
    if (const auto hint = NotAboveZero(texts[ElectrodeLength], in.L, "electrode length")) {
        judge.Lacking(ElectrodeLength, *hint,
                      {OneElectrode, LinearElectrodes, LinearMutual, LinearTotal, PolygonElectrodes,
                       PolygonMutual, PolygonTotal});
    }
    if (const auto hint = NotAboveZero(texts[ElectrodeDiameter], in.d, "electrode diameter")) {
        judge.Lacking(ElectrodeDiameter, *hint, RodResults);
    }

    const std::string& count = texts[ElectrodeCount];
    if (!IsBlank(count) && static_cast<double>(in.N) != shared::ReadNumber(count)) {
        judge.Note(ElectrodeCount, "Read as " + std::to_string(in.N) +
                                       (in.N == 1 ? " electrode." : " electrodes."));
    }
    if (IsBlank(count) || in.N == 0) {
        judge.Lacking(ElectrodeCount,
                      IsBlank(count) ? "Enter the number of electrodes."
                                     : "The number of electrodes must be at least 1.",
                      {LinearSpacing, LinearElectrodes, LinearTotal, PolygonSpacing,
                       PolygonElectrodes, PolygonTotal});
    }
    if (in.N == 1) {
        judge.Explained(LinearSpacing);
    }

    if (const auto hint = NotAboveZero(texts[WireLength], in.Lw, "wire length");
        hint && wireGiven) {
        judge.Lacking(WireLength, *hint,
                      {LinearSpacing, LinearWire, LinearMutual, LinearTotal, PolygonSpacing,
                       PolygonWire, PolygonMutual, PolygonTotal});
    }
    const auto diameterHint = NotAboveZero(texts[WireDiameter], in.dw, "wire diameter");
    const auto depthHint = NotAboveZero(texts[WireDepth], in.h, "wire depth");
    if (diameterHint) {
        judge.Lacking(WireDiameter, *diameterHint, WireResults);
    } else if (!depthHint && static_cast<double>(in.dw) / 24.0 > in.h) {
        judge.Lacking(WireDiameter,
                      "A wire this thick cannot lie buried this shallow: its radius is more than "
                      "its depth.",
                      WireResults);
    }
    if (depthHint) {
        judge.Lacking(WireDepth, *depthHint, WireResults);
    }
}

// Each figure is empty when a step it is built on is, and a resistance at or
// below zero or a negative spacing is no figure either.
void JudgeValues(Judgement& judge, const DesignInputs& in) {
    judge.EmptyUnlessAboveZero(OneElectrode);
    // A stub shorter than it is thick is no rod, whatever figure the rod
    // formula still gives it; a positive resistivity gives a rod no
    // resistance only when it is far shorter still.
    const bool stub = static_cast<double>(in.L) * 12.0 < static_cast<double>(in.d);
    judge.EmptyUnless(OneElectrode, !stub);
    if (!judge.Shown(OneElectrode) && in.rho > 0.0F && in.L > 0.0F && in.d > 0.0F) {
        judge.Lacking(SheetInput::ElectrodeLength,
                      "The electrode is shorter than its diameter: no rod formula holds for it.",
                      RodResults);
    }
    for (const SheetResult spacing : {LinearSpacing, PolygonSpacing}) {
        judge.EmptyUnless(spacing, judge.Step(spacing).value >= 0.0F);
    }
    for (const SheetResult own : {LinearWire, LinearMutual, PolygonWire, PolygonMutual}) {
        judge.EmptyUnlessAboveZero(own);
    }
    const bool alone = in.N == 1;
    for (const auto& [electrodes, spacing] : {std::pair{LinearElectrodes, LinearSpacing},
                                              std::pair{PolygonElectrodes, PolygonSpacing}}) {
        judge.BuiltOn(electrodes, {OneElectrode});
        if (!alone) {
            judge.BuiltOn(electrodes, {spacing});
        }
        judge.EmptyUnlessAboveZero(electrodes);
    }
    for (const auto& [total, wire, electrodes, mutual] :
         {std::array{LinearTotal, LinearWire, LinearElectrodes, LinearMutual},
          std::array{PolygonTotal, PolygonWire, PolygonElectrodes, PolygonMutual}}) {
        judge.BuiltOn(total, {wire, electrodes, mutual});
        judge.EmptyUnlessAboveZero(total);
    }
}

// The closed forms assume slender rods, set farther apart than they are
// long, with the wire near their tops.
void JudgeApproximation(Judgement& judge, const DesignInputs& in) {
    if (static_cast<double>(in.L) * 12.0 < 10.0 * static_cast<double>(in.d)) {
        judge.Caution("The electrode is less than ten times as long as its diameter", RodResults);
    }
    if (in.N >= 2) {
        const auto closer = [&](SheetResult spacing) { return judge.Step(spacing).value < in.L; };
        const std::string why = "The electrodes stand closer together than they are long";
        if (closer(LinearSpacing)) {
            judge.Caution(why, {LinearElectrodes, LinearTotal});
        }
        if (closer(PolygonSpacing)) {
            judge.Caution(why, {PolygonElectrodes, PolygonTotal});
        }
    }
    if (in.h > in.L) {
        judge.Caution("The wire lies deeper than the electrodes reach",
                      {LinearMutual, LinearTotal, PolygonMutual, PolygonTotal});
    }
}

} // namespace

std::optional<std::string> NotAboveZero(const std::string& text, double value, const char* name) {
    if (IsBlank(text)) {
        return "Enter the " + std::string(name) + ".";
    }
    if (!(value > 0.0)) {
        return "The " + std::string(name) + " must be above 0.";
    }
    return std::nullopt;
}

void JudgeDesign(const SheetInputs& texts, const DesignInputs& in, bool wireGiven,
                 DesignResults& results, SheetNotes& notes) {
    Judgement judge(results, notes);
    JudgeInputs(judge, texts, in, wireGiven);
    JudgeValues(judge, in);
    JudgeApproximation(judge, in);
    judge.NoteUnexplained();
}

void JudgeFigures(const DesignInputs& in, DesignResults& results) {
    using enum SheetInput;
    SheetInputs texts;
    texts[EarthResistivity] = shared::ExactText(in.rho);
    texts[ElectrodeLength] = shared::ExactText(in.L);
    texts[ElectrodeDiameter] = shared::ExactText(in.d);
    texts[ElectrodeCount] = std::to_string(in.N);
    texts[WireLength] = shared::ExactText(in.Lw);
    texts[WireDiameter] = shared::ExactText(in.dw);
    texts[WireDepth] = shared::ExactText(in.h);
    SheetNotes notes;
    JudgeDesign(texts, in, true, results, notes);
}

} // namespace stakewell::calc
