// Speed of one analysis run on 15 points in a 3 x 5 lattice (20 px apart):
//   AnalysisAlone   the analysis through controls without a window
//   ExactClassifier the bare exact integer classifier: the floor
//   DrawClick       a click on "Чертай" in the offscreen window, until the report,
//                   counts and outlines are done and the window has repainted
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "analysis.h"
#include "canvas.h"
#include "exactclassifier.h"
#include "fakecontrols.h"
#include "mainform.h"

namespace {

using plane_figures::testing::GridPoint;

std::vector<GridPoint> Lattice() {
    std::vector<GridPoint> points;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 5; ++column) points.push_back({40 + 20 * column, 40 + 20 * row});
    return points;
}

void AnalysisAlone(benchmark::State& state) {
    plane_figures::testing::FakeControls controls;
    for (const auto& p : Lattice()) controls.AddPoint(static_cast<int>(p.x), static_cast<int>(p.y));
    plane_figures::FigureAnalysis analysis;
    for (auto _ : state) {
        controls.outlines.clear();
        analysis.RunAnalysis(controls);
        benchmark::DoNotOptimize(controls.report.data());
    }
    state.counters["report_lines"] = static_cast<double>(
        std::count(controls.report.begin(), controls.report.end(), '\n') - 1);
}
BENCHMARK(AnalysisAlone)->Unit(benchmark::kMicrosecond);

void ExactClassifier(benchmark::State& state) {
    const auto points = Lattice();
    for (auto _ : state) {
        auto counts = plane_figures::testing::CountExactly(points);
        benchmark::DoNotOptimize(counts.data());
    }
}
BENCHMARK(ExactClassifier)->Unit(benchmark::kMicrosecond);

void DrawClick(benchmark::State& state) {
    MainForm form;
    form.show();
    QCoreApplication::processEvents();
    for (const auto& p : Lattice()) {
        form.Picture1_MouseDown(1, 0, static_cast<float>(p.x), static_cast<float>(p.y));
    }
    for (auto _ : state) {
        form.Command1[0]->click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(DrawClick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
