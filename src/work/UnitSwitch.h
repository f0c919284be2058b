#pragma once

#include "calc/DesignSheet.h"
#include "fop/BubbleOrder.h"
#include "shared/Units.h"

#include <QString>

#include <array>
#include <vector>

namespace stakewell::work {

// Every value of the work that has a unit, as it stands: what a change of
// the unit system converts, and what switching back without an edit gives
// back exactly.
struct UnitTexts {
    shared::UnitSystem units = shared::UnitSystem::Imperial;
    std::array<QString, calc::SheetInputCount> inputs;
    QString gauge;
    std::array<QString, 2> between;
    QString e2;
    std::vector<fop::FOPPoint> points;
    int current = 0;
    // The depth of the upper layer of a two-layer soil typed for the design.
    QString soilModelDepth;
    bool operator==(const UnitTexts&) const = default;
};

// The same values in `to`'s units: each length converted and written with
// the digits it needs; the gauge box given the size of the converted
// diameter; a text that holds no number, or that its box refuses, as it is.
UnitTexts ConvertedTexts(const UnitTexts& texts, shared::UnitSystem to);

} // namespace stakewell::work
