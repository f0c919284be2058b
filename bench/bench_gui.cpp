#include "../tests/mainwindow/PutWork.h"
#include "BenchFolder.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace {

void Press(QLineEdit* field, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
}

// One keystroke in the electrode-length field, from the key event to all
// fourteen result labels rewritten. Keys alternate between typing a digit
// and taking it back, so every keystroke changes the results. Argument 1
// types the same design in metric, with decimal commas, each length read
// and converted to the feet and inches the formulas take.
void BM_ElectrodeLengthKeystroke(benchmark::State& state) {
    stakewell::mainwindow::frmMain window;
    window.show();
    const bool metric = state.range(0) == 1;
    if (metric) {
        window.Work().ChangeUnits(stakewell::shared::UnitSystem::Metric);
    }
    const std::array<std::pair<const char*, const char*>, 9> design = {{
        {"tbxEarthRes", "100"},
        {"tbxElectLen", metric ? "3,048" : "10"},
        {"tbxElectDia", metric ? "15,875" : "0.625"},
        {"tbxNumElect", "4"},
        {"tbxWireLen", metric ? "18,288" : "60"},
        {"tbxWireDia", metric ? "2,58826" : "0.1019"},
        {"tbxWireDepth", metric ? "0,762" : "2.5"},
        {"tbxMVal", "10"},
        {"tbx4ptE2", metric ? "30,48" : "100"},
    }};
    for (const auto& [name, text] : design) {
        window.findChild<QLineEdit*>(name)->setText(text);
    }
    auto* field = window.findChild<QLineEdit*>("tbxElectLen");
    field->end(false);
    bool typed = false;
    for (auto _ : state) {
        if (typed) {
            Press(field, Qt::Key_Backspace, QString());
        } else {
            Press(field, Qt::Key_2, QStringLiteral("2"));
        }
        typed = !typed;
    }
}
BENCHMARK(BM_ElectrodeLengthKeystroke)
    ->ArgName("metric")
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The main window on its fall-of-potential page, graph shown, holding the
// largest survey the program accepts: a curve that rises and flattens, with
// every distance read several times over.
class LargestSurveyWindow {
public:
    explicit LargestSurveyWindow(int measuredPoints) {
        window.findChild<QLineEdit*>("tbxFOPE2")->setText(QStringLiteral("1000"));
        window.show();
        window.findChild<QTabWidget*>("TabStrip1")->setCurrentIndex(4);
        std::vector<stakewell::fop::FOPPoint> points{stakewell::fop::FOPPoint{}};
        for (int i = 1; i <= measuredPoints; ++i) {
            const double feet = 1.0 + std::floor(i / 40.0) * 0.5;
            points.push_back({feet, 2.0 + 7.0 * (1.0 - std::exp(-feet / 150.0)) + i * 1e-6});
        }
        saved = points;
        PutReadings(window, std::move(points), measuredPoints);
        QCoreApplication::processEvents();
    }

    void Select(int index) { window.findChild<QScrollBar*>("HScroll1")->setValue(index); }
    void Click(const char* button) { window.findChild<QPushButton*>(button)->click(); }
    void Restore(int current) { PutReadings(window, saved, current); }

    stakewell::mainwindow::frmMain window;
    std::vector<stakewell::fop::FOPPoint> saved;
};

void BM_FopRefresh(benchmark::State& state) {
    LargestSurveyWindow survey(stakewell::fop::MaxFOPPoints);
    for (auto _ : state) {
        survey.window.UpdateFOP();
    }
}
BENCHMARK(BM_FopRefresh)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A mouse move over the graph of the largest survey, the whole refresh it
// asks for included: the read-outs, the plot redrawn and the cross-hair.
void BM_MouseMoveOverGraph(benchmark::State& state) {
    LargestSurveyWindow survey(stakewell::fop::MaxFOPPoints);
    QWidget* picture = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmGraph") && window->isVisible()) {
            picture = window->findChild<QWidget*>(QStringLiteral("FOPGraph"));
        }
    }
    if (picture == nullptr) {
        state.SkipWithError("the graph is not shown");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const QPointF at(10.0 + (step++ % 200), picture->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
    }
}
BENCHMARK(BM_MouseMoveOverGraph)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_FopBrowse(benchmark::State& state) {
    LargestSurveyWindow survey(stakewell::fop::MaxFOPPoints);
    int index = 0;
    for (auto _ : state) {
        survey.Select(index);
        index = (index + 997) % stakewell::fop::MaxFOPPoints;
    }
}
BENCHMARK(BM_FopBrowse)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_FopAdd(benchmark::State& state) {
    LargestSurveyWindow survey(stakewell::fop::MaxFOPPoints - 1);
    for (auto _ : state) {
        state.PauseTiming();
        survey.Restore(1);
        survey.window.findChild<QLineEdit*>("tbxFOPP2Feet")->setText(QStringLiteral("300"));
        survey.window.findChild<QLineEdit*>("tbxFOPP2Ohms")->setText(QStringLiteral("7.5"));
        state.ResumeTiming();
        survey.Click("cmdFOPAdd");
    }
}
BENCHMARK(BM_FopAdd)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Arg: which point is removed, 1 (first), half way, or the last.
void BM_FopRemove(benchmark::State& state) {
    LargestSurveyWindow survey(stakewell::fop::MaxFOPPoints);
    const auto current = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        survey.Restore(current);
        state.ResumeTiming();
        survey.Click("cmdFOPRemove");
    }
}
BENCHMARK(BM_FopRemove)
    ->Arg(1)
    ->Arg(stakewell::fop::MaxFOPPoints / 2)
    ->Arg(stakewell::fop::MaxFOPPoints)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A save and a load of the largest survey through the window: the load also
// checks the file and redraws every point on the graph.
void BM_SaveDataFileThroughWindow(benchmark::State& state) {
    LargestSurveyWindow survey(stakewell::fop::MaxFOPPoints);
    const BenchFolder folder;
    const QString saved = folder.filePath(QStringLiteral("survey.xml"));
    for (auto _ : state) {
        QString fileName = saved;
        survey.window.SaveDataFile(fileName);
    }
}
BENCHMARK(BM_SaveDataFileThroughWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_LoadDataFileThroughWindow(benchmark::State& state) {
    LargestSurveyWindow survey(stakewell::fop::MaxFOPPoints);
    const BenchFolder folder;
    const QString saved = folder.filePath(QStringLiteral("survey.xml"));
    QString fileName = saved;
    survey.window.SaveDataFile(fileName);
    for (auto _ : state) {
        fileName = saved;
        survey.window.LoadDataFile(fileName);
    }
}
BENCHMARK(BM_LoadDataFileThroughWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
