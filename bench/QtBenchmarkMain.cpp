#include "BenchFolder.h"
#include "shared/ProcessMemory.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// Benchmarks that open windows need an application object; without a display
// they draw offscreen.
int main(int argc, char** argv) {
    // As the program itself does, so that file operations are timed as users
    // meet them.
    stakewell::shared::KeepFreedMemoryForReuse();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("bench_files_in", BenchRoot().toStdString());
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
