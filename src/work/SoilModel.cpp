#include "work/SoilModel.h"

#include "shared/NumberReading.h"
#include "soil/SoilSurvey.h"
#include "work/UnitReading.h"

#include <algorithm>
#include <cmath>
#include <variant>

namespace stakewell::work {
namespace {

constexpr std::array<const char*, SoilModelTextCount> TextNames{
    "the upper resistivity", "the lower resistivity", "the upper layer's depth"};

// A figure above 0, or why the text gives none.
std::variant<double, std::string> ReadFigure(const QString& text, shared::UnitSystem units,
                                             SoilModelText which) {
    const std::string name = TextNames[static_cast<std::size_t>(which)];
    const std::optional<shared::Measure> measure =
        which == SoilModelText::UpperDepth ? std::optional{shared::Measure::Length} : std::nullopt;
    const shared::TypedNumber typed = ReadTypedText(text, units, measure);
    if (!typed.refusal.empty()) {
        return name + ": " + typed.refusal;
    }
    if (text.trimmed().isEmpty()) {
        return name + " is not given";
    }
    // A figure the design rests on is taken only when the whole text is
    // one, never its leading digits.
    if (const std::optional<std::string> why = shared::NotANumberReason(typed.text)) {
        return name + ": " + *why;
    }
    const double value = shared::ReadNumber(typed.text);
    if (!(std::isfinite(value) && value > 0.0)) {
        return name + " must be above 0";
    }
    return value;
}

} // namespace

SoilModel ReadSoilModel(const SoilModelTexts& typed, shared::UnitSystem units,
                        const std::optional<soil::SoilFit>& surveyFit) {
    SoilModel model;
    const bool anyTyped = std::any_of(
        typed.begin(), typed.end(), [](const QString& text) { return !text.trimmed().isEmpty(); });
    if (!anyTyped) {
        if (surveyFit) {
            model.soil = surveyFit->soil;
            model.source = SoilModelSource::Survey;
            model.grade = surveyFit->grade;
        }
        return model;
    }
    std::array<double, SoilModelTextCount> figures{};
    for (std::size_t i = 0; i < SoilModelTextCount; ++i) {
        auto figure = ReadFigure(typed[i], units, static_cast<SoilModelText>(i));
        if (const auto* why = std::get_if<std::string>(&figure)) {
            model.problem = *why;
            return model;
        }
        figures[i] = std::get<double>(figure);
    }
    model.soil = soil::TwoLayerSoil{
        figures[0], figures[1],
        shared::Converted(figures[2], shared::Measure::Length, units, shared::UnitSystem::Metric)};
    model.source = SoilModelSource::Typed;
    return model;
}

std::string SoilModelLine(const SoilModel& model, shared::UnitSystem units) {
    if (!model.soil) {
        return "Two-layer soil: none, " + (model.problem.empty()
                                               ? std::string("neither typed nor fitted to a survey")
                                               : model.problem);
    }
    const soil::LengthUnit unit = SoilUnitOf(units);
    const double depth =
        shared::ConvertedLength(model.soil->upperDepthMetres, shared::UnitSystem::Metric, units);
    std::string line = "Two-layer soil: " + soil::FigureText(model.soil->upperOhmMetres, 1) +
                       " ohm-metres over " + soil::FigureText(model.soil->lowerOhmMetres, 1) +
                       " ohm-metres from " + soil::LengthText(depth, unit) + " down, ";
    if (model.source == SoilModelSource::Typed) {
        return line + "typed";
    }
    line += "the survey's fit";
    if (model.grade) {
        line += std::string(", graded ") + soil::GradeName(*model.grade);
    }
    return line;
}

} // namespace stakewell::work
