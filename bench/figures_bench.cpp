// Speed of one analysis run on 15 points in a 3 x 5 lattice (20 px apart):
//   AnalysisAlone   the analysis of the points, without a window (also exactly
//                   1000 runs, for counting instructions under callgrind)
//   ExactClassifier the bare exact integer classifier: the floor
//   DrawClick       a click on "Чертай" in the offscreen window, until the report,
//                   counts and outlines are done and the window has repainted
//   ChooseLine      a key in the report box choosing the next line, until its
//                   figure is shown and the canvas has repainted
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "canvas.h"
#include "exactclassifier.h"
#include "figureanalysis.h"
#include "mainform.h"

using plane_figures::workspace::Canvas;
using plane_figures::workspace::MainForm;

namespace {

using plane_figures::testing::GridPoint;

std::vector<GridPoint> Lattice() {
    std::vector<GridPoint> points;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 5; ++column)
            points.push_back({40 + 20 * column, 40 + 20 * row});
    return points;
}

std::vector<plane_figures::GridPoint> LatticeNodes() {
    std::vector<plane_figures::GridPoint> nodes;
    for (const auto& p : Lattice()) nodes.push_back({static_cast<int>(p.x), static_cast<int>(p.y)});
    return nodes;
}

// the analysis and the report text made from its result
void AnalysisAlone(benchmark::State& state) {
    const auto points = LatticeNodes();
    const plane_figures::FigureAnalysis analysis;
    std::size_t figures = 0;
    for (auto _ : state) {
        const auto result = analysis.Run(points);
        const std::string report = result.ReportText();
        benchmark::DoNotOptimize(report.data());
        figures = result.figures.size();
    }
    state.counters["report_lines"] = static_cast<double>(figures);
}
BENCHMARK(AnalysisAlone)->Unit(benchmark::kMicrosecond);
// a fixed number of runs, for counting instructions under callgrind
BENCHMARK(AnalysisAlone)->Iterations(1000)->Unit(benchmark::kMicrosecond);

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
    for (const auto& p : LatticeNodes())
        form.Picture1_MouseDown(Qt::LeftButton, {}, QPoint(p.x, p.y));
    auto* draw = form.findChild<QPushButton*>("Command1_0");
    for (auto _ : state) {
        draw->click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(DrawClick)->Unit(benchmark::kMillisecond);

void ChooseLine(benchmark::State& state) {
    MainForm form;
    form.show();
    QCoreApplication::processEvents();
    for (const auto& p : LatticeNodes())
        form.Picture1_MouseDown(Qt::LeftButton, {}, QPoint(p.x, p.y));
    form.findChild<QPushButton*>("Command1_0")->click();
    auto* report = form.findChild<QWidget*>("Text1_0");
    auto* canvas = form.findChild<QWidget*>("Picture1");
    report->setFocus();
    int step = 0;
    for (auto _ : state) {
        // down through the report and back up, line by line
        const int key = (step++ / 300) % 2 == 0 ? Qt::Key_Down : Qt::Key_Up;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(report, &press);
        canvas->repaint();
    }
    state.counters["figure_shown"] = form.Model().ChosenLine() > 0 ? 1 : 0;
}
BENCHMARK(ChooseLine)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
