#include "mainwindow/LayeredFigures.h"

namespace stakewell::mainwindow {

namespace {

using calc::SheetResult;
using soil::ArrangementResistances;
using soil::TwoLayerDesignResults;

} // namespace

// The totals first, where the page shows them without scrolling.
const std::array<LayeredRow, LayeredRowCount> LayeredRows{{
    {SheetResult::OneElectrode, &TwoLayerDesignResults::oneRod, nullptr, nullptr},
    {SheetResult::LinearTotal, nullptr, &TwoLayerDesignResults::linear,
     &ArrangementResistances::total},
    {SheetResult::PolygonTotal, nullptr, &TwoLayerDesignResults::ring,
     &ArrangementResistances::total},
    {SheetResult::LinearElectrodes, nullptr, &TwoLayerDesignResults::linear,
     &ArrangementResistances::electrodes},
    {SheetResult::LinearWire, nullptr, &TwoLayerDesignResults::linear,
     &ArrangementResistances::wire},
    {SheetResult::LinearMutual, nullptr, &TwoLayerDesignResults::linear,
     &ArrangementResistances::mutual},
    {SheetResult::PolygonElectrodes, nullptr, &TwoLayerDesignResults::ring,
     &ArrangementResistances::electrodes},
    {SheetResult::PolygonWire, nullptr, &TwoLayerDesignResults::ring,
     &ArrangementResistances::wire},
    {SheetResult::PolygonMutual, nullptr, &TwoLayerDesignResults::ring,
     &ArrangementResistances::mutual},
}};

double TwoLayerOhms(const TwoLayerDesignResults& ohms, const LayeredRow& row) {
    return row.Single != nullptr ? ohms.*row.Single : (ohms.*row.Arrangement).*row.Part;
}

LayeredFigures FiguresOf(const work::LayeredDesignInputs& inputs) {
    LayeredFigures figures;
    figures.design = work::ComputeLayeredDesign(inputs);
    figures.linearEquivalent = QString::fromStdString(figures.design.linearEquivalentText);
    figures.polygonEquivalent = QString::fromStdString(figures.design.polygonEquivalentText);
    return figures;
}

} // namespace stakewell::mainwindow
