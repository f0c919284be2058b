#pragma once

#include "fop/FopAnalysis.h"
#include "fop/FopPoints.h"
#include "graph/TestReportPage.h"

#include <QString>

#include <functional>
#include <vector>

namespace stakewell::graph {

// What the graph window's own commands need from the window that owns the
// point list. The settings outlive any one graph window.
struct GraphCommands {
    // Deviation at 52% and 72% of E2, in percent, within which the curve is
    // taken as flat.
    double TolerancePercent = fop::DefaultTolerancePercent;
    // Puts readings brought in from a file or the clipboard into the point
    // list, as one step the owner can undo, and refreshes.
    std::function<void(std::vector<fop::FOPPoint>)> TakeReadings;
    // The main window's part of a printed test report.
    std::function<TestReportContent()> ReportContent;
    // Lets the user type where and by whom the test was taken.
    std::function<void()> EditSiteRecord;
};

} // namespace stakewell::graph
