#include "work/UnitSwitch.h"

#include "shared/NumberReading.h"
#include "shared/TextForm.h"
#include "work/DesignState.h"
#include "work/UnitReading.h"

#include <cmath>
#include <optional>

namespace stakewell::work {
namespace {

QString ConvertedText(const QString& text, shared::Measure measure, shared::UnitSystem from,
                      shared::UnitSystem to) {
    const shared::TypedNumber typed = ReadTypedText(text, from, measure);
    const shared::NumberRead read = shared::ReadLeadingNumber(typed.text);
    if (!typed.refusal.empty() || !read.anyDigit || !std::isfinite(read.value)) {
        return text;
    }
    return QString::fromStdString(
        shared::ConvertedText(shared::Converted(read.value, measure, from, to)));
}

} // namespace

UnitTexts ConvertedTexts(const UnitTexts& texts, shared::UnitSystem to) {
    const shared::UnitSystem from = texts.units;
    UnitTexts converted = texts;
    converted.units = to;
    for (std::size_t i = 0; i < texts.inputs.size(); ++i) {
        if (const std::optional<shared::Measure> measure =
                MeasureOf(static_cast<calc::SheetInput>(i))) {
            converted.inputs[i] = ConvertedText(texts.inputs[i], *measure, from, to);
        }
    }
    converted.gauge = DesignState::SizeOfDiameter(
        converted.inputs[static_cast<std::size_t>(calc::SheetInput::WireDiameter)], to);
    for (QString& between : converted.between) {
        between = ConvertedText(between, shared::Measure::Length, from, to);
    }
    converted.e2 = ConvertedText(texts.e2, shared::Measure::Length, from, to);
    converted.soilModelDepth =
        ConvertedText(texts.soilModelDepth, shared::Measure::Length, from, to);
    for (fop::FOPPoint& point : converted.points) {
        point.Distance = shared::ConvertedLength(point.Distance, from, to);
    }
    return converted;
}

} // namespace stakewell::work
