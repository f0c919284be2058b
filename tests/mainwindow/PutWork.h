#pragma once

#include "files/DataFile.h"
#include "mainwindow/frmMain.h"

#include <utility>
#include <vector>

// Put in place of the window's readings or survey as a loaded file would:
// whole, with a history of its own, `current` selected. Tests and
// benchmarks alike start from such a work.
inline void PutReadings(stakewell::mainwindow::frmMain& window,
                        std::vector<stakewell::fop::FOPPoint> points, int current) {
    stakewell::files::DataFileContent content = window.Work().Content();
    content.FOPPoints = std::move(points);
    window.Work().Take(content);
    window.Work().Browse(current);
}

inline void PutSurvey(stakewell::mainwindow::frmMain& window, stakewell::soil::SoilSurvey survey) {
    stakewell::files::DataFileContent content = window.Work().Content();
    content.Soil = std::move(survey);
    window.Work().Take(content);
}
