#include "files/DataFile.h"
#include "files/DataFileCheck.h"
#include "files/RecoveryFile.h"
#include "files/RecoveryKeeper.h"
#include "files/XmlValueStore.h"
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
        std::vector<stakewell::survey::FOPPoint> points{stakewell::survey::FOPPoint{}};
        for (int i = 1; i <= stakewell::survey::MaxFOPPoints; ++i) {
            const double feet = 0.001 * i + 1.0 / 3.0;
            points.push_back({feet, 2.0 + 7.0 * (1.0 - std::exp(-feet / 15.0))});
        }
        window.State().fop.Replace(std::move(points), stakewell::survey::MaxFOPPoints);
        window.UpdateFOP();
    }

    QString FileName() const { return folder.filePath(QStringLiteral("survey.xml")); }

    QTemporaryDir folder;
    stakewell::mainwindow::frmMain window;
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

// The steps of a save and a load, each alone, to tell where their time goes.
stakewell::files::DataFileContent FullSurveyContent() {
    stakewell::files::DataFileContent content;
    for (int i = 1; i <= stakewell::survey::MaxFOPPoints; ++i) {
        const double feet = 0.001 * i + 1.0 / 3.0;
        content.FOPPoints.push_back({feet, 2.0 + 7.0 * (1.0 - std::exp(-feet / 15.0))});
    }
    return content;
}

void BM_StoreFullSurvey(benchmark::State& state) {
    const stakewell::files::DataFileContent content = FullSurveyContent();
    for (auto _ : state) {
        stakewell::files::XmlValueStore store;
        stakewell::files::WriteDataFile(store, content);
        benchmark::DoNotOptimize(store);
    }
}
BENCHMARK(BM_StoreFullSurvey)->Unit(benchmark::kMillisecond);

void BM_WriteFullSurveyStore(benchmark::State& state) {
    QTemporaryDir folder;
    stakewell::files::XmlValueStore store;
    store.FileName(folder.filePath(QStringLiteral("survey.xml")));
    stakewell::files::WriteDataFile(store, FullSurveyContent());
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.Write());
    }
}
BENCHMARK(BM_WriteFullSurveyStore)->Unit(benchmark::kMillisecond);

void BM_ReadFullSurveyStore(benchmark::State& state) {
    QTemporaryDir folder;
    stakewell::files::XmlValueStore saved;
    saved.FileName(folder.filePath(QStringLiteral("survey.xml")));
    stakewell::files::WriteDataFile(saved, FullSurveyContent());
    saved.Write();
    for (auto _ : state) {
        stakewell::files::XmlValueStore store;
        store.FileName(saved.FileName());
        benchmark::DoNotOptimize(store.Read());
    }
}
BENCHMARK(BM_ReadFullSurveyStore)->Unit(benchmark::kMillisecond);

void BM_TakeFullSurveyFromStore(benchmark::State& state) {
    stakewell::files::XmlValueStore store;
    stakewell::files::WriteDataFile(store, FullSurveyContent());
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::files::ReadDataFile(store));
    }
}
BENCHMARK(BM_TakeFullSurveyFromStore)->Unit(benchmark::kMillisecond);

void BM_CheckFullSurveyInStore(benchmark::State& state) {
    stakewell::files::XmlValueStore store;
    stakewell::files::WriteDataFile(store, FullSurveyContent());
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::files::DataFileDamage(store));
    }
}
BENCHMARK(BM_CheckFullSurveyInStore)->Unit(benchmark::kMillisecond);

} // namespace

// The recovery file of the largest survey, serialised and written whole, as
// the keeper's thread does a second after a change.
void BM_WriteRecoveryFile(benchmark::State& state) {
    QTemporaryDir folder;
    const stakewell::files::RecoveredWork work{FullSurveyContent(),
                                               folder.filePath(QStringLiteral("survey.xml")),
                                               QDateTime::currentDateTime()};
    const QString fileName = folder.filePath(QStringLiteral("LastConfig.recovery.xml"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::files::WriteRecoveryFile(fileName, work));
    }
}
BENCHMARK(BM_WriteRecoveryFile)->Unit(benchmark::kMillisecond);

// What a keystroke costs the keeper, with the largest survey in the work:
// the snapshot it would take is never taken on the keystroke.
void BM_WorkChanged(benchmark::State& state) {
    QTemporaryDir folder;
    const stakewell::files::DataFileContent content = FullSurveyContent();
    stakewell::files::RecoveryKeeper keeper(
        folder.filePath(QStringLiteral("LastConfig.recovery.xml")), [&content] {
            return stakewell::files::RecoverySnapshot{content, QString()};
        });
    for (auto _ : state) {
        keeper.WorkChanged();
    }
}
BENCHMARK(BM_WorkChanged)->Unit(benchmark::kMicrosecond);
