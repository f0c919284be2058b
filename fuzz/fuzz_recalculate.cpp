// The recalculation from any nine input texts, and sometimes the two lengths
// between electrodes: every label is empty or a number in its pattern.
#include "ResultLabels.h"

#include "calc/DesignSheet.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace {

using stakewell::calc::SheetInput;
using stakewell::calc::SheetInputs;
using stakewell::calc::SheetResults;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool between = input.ConsumeBool();
    SheetInputs in;
    std::string shown;
    // Kept inputs fill the fields in the order they always did.
    for (std::string* field :
         {&in[SheetInput::EarthResistivity], &in[SheetInput::ElectrodeLength],
          &in[SheetInput::ElectrodeDiameter], &in[SheetInput::ElectrodeCount],
          &in[SheetInput::WireLength], &in[SheetInput::WireDiameter], &in[SheetInput::WireDepth],
          &in[SheetInput::FourPointE2], &in[SheetInput::FourPointOhms]}) {
        *field = input.ConsumeRandomLengthString(64);
        shown += '"' + *field + "\" ";
    }
    std::optional<stakewell::calc::WireBetweenInputs> wireBetween;
    if (between) {
        wireBetween = {input.ConsumeRandomLengthString(64), input.ConsumeRandomLengthString(64)};
        shown += "between \"" + wireBetween->Line + "\" \"" + wireBetween->Polygon + '"';
    }

    SheetResults labels;
    stakewell::calc::ComputeSheet(in, labels, wireBetween);
    for (std::size_t i = 0; i < labels.Texts.size(); ++i) {
        RequireEmptyOrInPattern(ResultLabels[i], labels.Texts[i], shown);
    }
    return 0;
}
