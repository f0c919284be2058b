#include "mainwindow/frmMain.h"

#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// The largest survey a data file can hold, in a window on its
// fall-of-potential page with the graph shown, so that a load also redraws
// every point.
class FullSurveyWindow {
public:
    FullSurveyWindow() {
        window.show();
        window.findChild<QTabWidget*>("TabStrip1")->setCurrentIndex(4);
        std::vector<modStakewell::FOPPoint> points{modStakewell::FOPPoint{}};
        for (int i = 1; i <= modStakewell::MaxFOPPoints; ++i) {
            const double feet = 0.001 * i + 1.0 / 3.0;
            points.push_back({feet, 2.0 + 7.0 * (1.0 - std::exp(-feet / 15.0))});
        }
        window.State().fop.Replace(std::move(points), modStakewell::MaxFOPPoints);
        window.UpdateFOP();
    }

    QString FileName() const { return folder.filePath(QStringLiteral("survey.xml")); }

    QTemporaryDir folder;
    frmMain window;
};

void BM_SaveFullSurvey(benchmark::State& state) {
    FullSurveyWindow survey;
    for (auto _ : state) {
        QString fileName = survey.FileName();
        survey.window.SaveDataFile(fileName);
    }
}
BENCHMARK(BM_SaveFullSurvey)->Unit(benchmark::kMillisecond);

void BM_LoadFullSurvey(benchmark::State& state) {
    FullSurveyWindow survey;
    QString saved = survey.FileName();
    survey.window.SaveDataFile(saved);
    for (auto _ : state) {
        QString fileName = saved;
        survey.window.LoadDataFile(fileName);
    }
}
BENCHMARK(BM_LoadFullSurvey)->Unit(benchmark::kMillisecond);

} // namespace
