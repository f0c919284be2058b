#pragma once

#include "calc/DesignSheet.h"
#include "calc/GroundModel.h"
#include "work/LayeredDesign.h"

#include <QString>

#include <array>
#include <cstddef>

namespace stakewell::mainwindow {

// The rows of the design page's two-layer table: each a result of the
// uniform design and the same quantity computed in the two-layer soil.
struct LayeredRow {
    calc::SheetResult Uniform;
    double soil::TwoLayerDesignResults::*Single;
    soil::ArrangementResistances soil::TwoLayerDesignResults::*Arrangement;
    double soil::ArrangementResistances::*Part;
};
inline constexpr std::size_t LayeredRowCount = 9;
extern const std::array<LayeredRow, LayeredRowCount> LayeredRows;

double TwoLayerOhms(const soil::TwoLayerDesignResults& ohms, const LayeredRow& row);

// What the page shows of a design computed in the two-layer soil.
struct LayeredFigures {
    work::LayeredDesign design;
    QString linearEquivalent;
    QString polygonEquivalent;
};

// Safe on any thread, as the computation it runs.
LayeredFigures FiguresOf(const work::LayeredDesignInputs& inputs);

} // namespace stakewell::mainwindow
