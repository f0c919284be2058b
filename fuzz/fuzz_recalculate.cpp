// The recalculation from any nine input texts, and sometimes the two lengths
// between electrodes: every label is empty or a number in its pattern.
#include "ResultLabels.h"

#include "calc/Recalculate.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace {

using modStakewell::RecalcInputs;
using modStakewell::RecalcLabels;

std::array<const std::string*, 14> LabelTexts(const RecalcLabels& l) {
    return {&l.lbOneElectRes,  &l.lbLinearSpace, &l.lbLinearElect, &l.lbLinearWire,
            &l.LbLinearMutual, &l.lbLinearTotal, &l.lbRectSpace,   &l.lbRectElect,
            &l.lbRectWire,     &l.lbRectMutual,  &l.lbRectTotal,   &l.lbP1,
            &l.lbP2,           &l.lbEarthRes};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool between = input.ConsumeBool();
    RecalcInputs in;
    std::string shown;
    for (std::string* field :
         {&in.tbxEarthRes, &in.tbxElectLen, &in.tbxElectDia, &in.tbxNumElect, &in.tbxWireLen,
          &in.tbxWireDia, &in.tbxWireDepth, &in.tbx4ptE2, &in.tbxMVal}) {
        *field = input.ConsumeRandomLengthString(64);
        shown += '"' + *field + "\" ";
    }
    std::optional<modStakewell::WireBetweenInputs> wireBetween;
    if (between) {
        wireBetween = {input.ConsumeRandomLengthString(64), input.ConsumeRandomLengthString(64)};
        shown += "between \"" + wireBetween->tbxWireBetween_0 + "\" \"" +
                 wireBetween->tbxWireBetween_1 + '"';
    }

    RecalcLabels labels;
    modStakewell::Recalculate(in, labels, wireBetween);
    const auto texts = LabelTexts(labels);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        RequireEmptyOrInPattern(ResultLabels[i], *texts[i], shown);
    }
    return 0;
}
