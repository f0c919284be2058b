#include "graph/GraphWindowHost.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

enum class Survey { Curve, Scatter };

// The largest list the program accepts, the current point half way along:
// either a resistance curve that rises and flattens, or readings scattered
// over the whole plot so that hardly two share a pixel.
void FillLargestSurvey(stakewell::fop::FallOfPotential& fop, Survey survey) {
    std::vector<stakewell::fop::FOPPoint> points{stakewell::fop::FOPPoint{}};
    const int n = stakewell::fop::MaxFOPPoints;
    std::uint32_t noise = 12345;
    for (int i = 1; i <= n; ++i) {
        const double feet = 900.0 * i / n;
        noise = noise * 1664525U + 1013904223U;
        const double ohms = survey == Survey::Curve
                                ? 2.0 + 7.0 * (1.0 - std::exp(-feet / 150.0))
                                : 2.0 + 7.0 * static_cast<double>(noise >> 8) / (1U << 24);
        points.push_back({feet, ohms});
    }
    fop.Replace(std::move(points), n / 2);
    fop.FOPE2Distance = 1000.0;
}

class ShownGraph {
public:
    explicit ShownGraph(Survey survey) : host(state) {
        FillLargestSurvey(this->survey, survey);
        state.graph = {1500, 1500, 9600, 7200}; // 640 x 480 pixels
        host.Show();
        QCoreApplication::processEvents();
    }

    void Refresh() {
        stakewell::graph::frmGraph& graph = host.Window();
        graph.ClearGraph();
        graph.ComputePlotExtents();
        graph.DrawGraph();
    }

    stakewell::fop::FallOfPotential survey;
    stakewell::fop::FopRefresh refresh;
    stakewell::graph::PlotState state{survey, refresh};
    stakewell::graph::GraphWindowHost host;
};

void BM_ExtentsAndDraw(benchmark::State& bench) {
    ShownGraph shown(static_cast<Survey>(bench.range(0)));
    stakewell::graph::frmGraph& graph = shown.host.Window();
    for (auto _ : bench) {
        graph.ComputePlotExtents();
        graph.DrawGraph();
    }
    shown.host.Close();
}
BENCHMARK(BM_ExtentsAndDraw)
    ->ArgName("scatter")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

void BM_WholeGraphRefresh(benchmark::State& bench) {
    ShownGraph shown(Survey::Curve);
    for (auto _ : bench) {
        shown.Refresh();
    }
    shown.host.Close();
}
BENCHMARK(BM_WholeGraphRefresh)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The most memory the process has held at once, from the kernel's account.
double PeakResidentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0.0;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
        }
    }
    return 0.0;
}

// A graph window stretched far beyond any desktop and drawn: how much more
// memory the process needs at its peak than with the window at its usual size.
void BM_GraphFarBeyondTheDesktop(benchmark::State& bench) {
    ShownGraph shown(Survey::Curve);
    shown.Refresh();
    const double before = PeakResidentMiB();
    const int side = static_cast<int>(bench.range(0));
    for (auto _ : bench) {
        shown.host.Window().resize(side, side);
        QCoreApplication::processEvents();
        shown.Refresh();
        shown.host.Window().repaint();
    }
    bench.counters["peak_growth_MiB"] = PeakResidentMiB() - before;
    shown.host.Close();
}
BENCHMARK(BM_GraphFarBeyondTheDesktop)
    ->ArgName("side")
    ->Arg(20000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
