#pragma once

#include "shared/Units.h"
#include "soil/SoilFit.h"

#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace stakewell::work {

// A two-layer soil typed on the design page: the upper and lower layers'
// resistivities in ohm-metres and the upper layer's depth in the work's unit
// of length.
enum class SoilModelText : std::size_t { UpperResistivity, LowerResistivity, UpperDepth };
inline constexpr std::size_t SoilModelTextCount = 3;
using SoilModelTexts = std::array<QString, SoilModelTextCount>;

enum class SoilModelSource { None, Typed, Survey };

// The soil the design and the fall-of-potential test are read in beside
// their uniform figures, in metres.
struct SoilModel {
    std::optional<soil::TwoLayerSoil> soil;
    SoilModelSource source = SoilModelSource::None;
    // The survey fit's grade, where the model is that fit.
    std::optional<soil::FitGrade> grade;
    // Why there is none although something was typed; empty otherwise.
    std::string problem;

    bool operator==(const SoilModel&) const = default;
};

// The texts typed when any of them holds something, and then all three must
// read as numbers above 0; with all three empty, the survey's two-layer fit
// when it has one.
SoilModel ReadSoilModel(const SoilModelTexts& typed, shared::UnitSystem units,
                        const std::optional<soil::SoilFit>& surveyFit);

// One line naming the model and where it comes from, for the design page and
// the reports: "Two-layer soil: 300 ohm-metres over 100 ohm-metres from
// 2.5 metres down, typed", "..., the survey's fit, grade usable", or
// "Two-layer soil: none, " and the problem.
std::string SoilModelLine(const SoilModel& model, shared::UnitSystem units);

} // namespace stakewell::work
