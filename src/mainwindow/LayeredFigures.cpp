#include "mainwindow/LayeredFigures.h"

#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"
#include "soil/SoilSurvey.h"

#include <cmath>

namespace stakewell::mainwindow {

namespace {

using calc::SheetResult;
using soil::ArrangementResistances;
using soil::TwoLayerDesignResults;

// Float keeps about seven digits: past four decimals of a resistivity in the
// hundreds more digits change nothing the computation sees.
constexpr int MostDecimals = 4;
constexpr const char* OhmsPattern = "##0.000";

} // namespace

const std::array<LayeredRow, LayeredRowCount> LayeredRows{{
    {SheetResult::OneElectrode, &TwoLayerDesignResults::oneRod, nullptr, nullptr},
    {SheetResult::LinearElectrodes, nullptr, &TwoLayerDesignResults::linear,
     &ArrangementResistances::electrodes},
    {SheetResult::LinearWire, nullptr, &TwoLayerDesignResults::linear,
     &ArrangementResistances::wire},
    {SheetResult::LinearMutual, nullptr, &TwoLayerDesignResults::linear,
     &ArrangementResistances::mutual},
    {SheetResult::LinearTotal, nullptr, &TwoLayerDesignResults::linear,
     &ArrangementResistances::total},
    {SheetResult::PolygonElectrodes, nullptr, &TwoLayerDesignResults::ring,
     &ArrangementResistances::electrodes},
    {SheetResult::PolygonWire, nullptr, &TwoLayerDesignResults::ring,
     &ArrangementResistances::wire},
    {SheetResult::PolygonMutual, nullptr, &TwoLayerDesignResults::ring,
     &ArrangementResistances::mutual},
    {SheetResult::PolygonTotal, nullptr, &TwoLayerDesignResults::ring,
     &ArrangementResistances::total},
}};

double TwoLayerOhms(const TwoLayerDesignResults& ohms, const LayeredRow& row) {
    return row.Single != nullptr ? ohms.*row.Single : (ohms.*row.Arrangement).*row.Part;
}

QString OhmsText(double ohms) {
    if (!std::isfinite(ohms)) {
        return {};
    }
    return QString::fromStdString(shared::FormatPattern(ohms, OhmsPattern));
}

QString EquivalentText(double equivalent, double twoLayerTotal, calc::DesignInputs uniform,
                       calc::StepResult calc::DesignResults::*total) {
    if (!(equivalent > 0.0) || !std::isfinite(equivalent) || !std::isfinite(twoLayerTotal)) {
        return {};
    }
    const QString shown = OhmsText(twoLayerTotal);
    std::string text;
    for (int decimals = 1; decimals <= MostDecimals; ++decimals) {
        text = soil::FigureText(equivalent, decimals);
        uniform.rho = static_cast<float>(shared::ReadNumber(text));
        const calc::StepResult result = calc::ComputeDesign(uniform).*total;
        if (!result.faulted && OhmsText(result.value) == shown) {
            break;
        }
    }
    return QString::fromStdString(text);
}

LayeredFigures FiguresOf(const work::LayeredDesignInputs& inputs) {
    LayeredFigures figures;
    figures.design = work::ComputeLayeredDesign(inputs);
    const TwoLayerDesignResults& ohms = figures.design.ohms;
    figures.linearEquivalent = EquivalentText(figures.design.linearEquivalent, ohms.linear.total,
                                              inputs.uniformLine, &calc::DesignResults::Rt);
    figures.polygonEquivalent = EquivalentText(figures.design.polygonEquivalent, ohms.ring.total,
                                               inputs.uniformPolygon, &calc::DesignResults::Rt2);
    return figures;
}

} // namespace stakewell::mainwindow
