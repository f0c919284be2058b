#include "BenchFolder.h"
#include "files/DataFile.h"
#include "files/DataFileCheck.h"
#include "files/RecoveryFile.h"
#include "files/RecoveryKeeper.h"
#include "files/XmlValueStore.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// The steps of a save and a load through the window, each alone, to tell
// where their time goes.
stakewell::files::DataFileContent FullSurveyContent() {
    stakewell::files::DataFileContent content;
    for (int i = 1; i <= stakewell::fop::MaxFOPPoints; ++i) {
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
    const BenchFolder folder;
    stakewell::files::XmlValueStore store;
    store.FileName(folder.filePath(QStringLiteral("survey.xml")));
    stakewell::files::WriteDataFile(store, FullSurveyContent());
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.Write());
    }
}
BENCHMARK(BM_WriteFullSurveyStore)->Unit(benchmark::kMillisecond);

// The largest survey saved in `folder`: its file's name.
QString SavedFullSurvey(const BenchFolder& folder) {
    stakewell::files::XmlValueStore saved;
    saved.FileName(folder.filePath(QStringLiteral("survey.xml")));
    stakewell::files::WriteDataFile(saved, FullSurveyContent());
    saved.Write();
    return saved.FileName();
}

void BM_ReadFullSurveyStore(benchmark::State& state) {
    const BenchFolder folder;
    const QString saved = SavedFullSurvey(folder);
    for (auto _ : state) {
        stakewell::files::XmlValueStore store;
        store.FileName(saved);
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

// A load's whole part in the files: read, checked and taken.
void BM_ReadCheckedFullSurvey(benchmark::State& state) {
    const BenchFolder folder;
    const QString saved = SavedFullSurvey(folder);
    for (auto _ : state) {
        benchmark::DoNotOptimize(stakewell::files::ReadCheckedDataFile(saved));
    }
}
BENCHMARK(BM_ReadCheckedFullSurvey)->Unit(benchmark::kMillisecond);

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
    const BenchFolder folder;
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
    const BenchFolder folder;
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
