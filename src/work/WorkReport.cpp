#include "work/WorkReport.h"

#include "work/LayeredDesign.h"

namespace stakewell::work {

files::ReportContent WorkReport(const SiteWork& work, double tolerancePercent) {
    files::ReportContent report;
    report.Units = work.Units();
    for (std::size_t i = 0; i < work.Design().Inputs().size(); ++i) {
        report.Inputs.Texts[i] = work.Design().Inputs()[i].toStdString();
    }
    report.Results = work.Design().Results();
    report.Notes = work.Design().Notes();
    report.FallOfPotential = &work.Fop();
    report.TolerancePercent = tolerancePercent;
    report.Soil = &work.Soil();
    report.Rod = work.Rod();
    report.Site = work.Site();
    if (work.Design().Wire().Length == 1) {
        report.WireBetween = files::BetweenReport(report.Inputs[calc::SheetInput::ElectrodeCount],
                                                  {work.Design().Wire().Between[0].toStdString(),
                                                   work.Design().Wire().Between[1].toStdString()},
                                                  work.Units());
    }
    const SoilModel& model = work.LayeredSoil();
    if (model.soil || !model.problem.empty()) {
        files::LayeredReport layered;
        layered.SoilLine = SoilModelLine(model, work.Units());
        layered.Soil = model.soil;
        if (const std::optional<LayeredDesignInputs> inputs = LayeredInputs(work)) {
            const LayeredDesign design = ComputeLayeredDesign(*inputs);
            layered.Ohms = design.ohms;
            layered.LinearEquivalent = design.linearEquivalentText;
            layered.PolygonEquivalent = design.polygonEquivalentText;
        }
        report.Layered = layered;
    }
    return report;
}

} // namespace stakewell::work
