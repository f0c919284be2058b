#include "work/WorkReport.h"

namespace stakewell::work {

files::ReportContent WorkReport(const SiteWork& work, double tolerancePercent) {
    files::ReportContent report;
    for (std::size_t i = 0; i < work.Inputs().size(); ++i) {
        report.Inputs.Texts[i] = work.Inputs()[i].toStdString();
    }
    report.Results = work.Results();
    report.Notes = work.Notes();
    report.FallOfPotential = &work.Fop();
    report.TolerancePercent = tolerancePercent;
    report.Soil = &work.Soil();
    report.Site = work.Site();
    if (work.Wire().Length == 1) {
        report.WireBetween = files::BetweenReport(
            report.Inputs[calc::SheetInput::ElectrodeCount],
            {work.Wire().Between[0].toStdString(), work.Wire().Between[1].toStdString()});
    }
    return report;
}

} // namespace stakewell::work
