// The page's checks in the browser: the session's scenario files run by the
// same runner the desktop's tests use, on the session compiled for the page;
// and the analysis timed inside the module, for the page's benchmark.
#include <emscripten/bind.h>

#include <chrono>
#include <string>
#include <vector>

#include "figureanalysis.h"
#include "scenariorunner.h"

namespace {

using emscripten::val;
using plane_figures::FigureAnalysis;
using plane_figures::GridPoint;

// The microseconds one analysis of the points (x0, y0, x1, y1, …) and its
// report text take inside the module, the mean of runs: what the native
// benchmark's AnalysisAlone measures, for the page's benchmark.
double AnalysisMicroseconds(const val& coordinates, int runs) {
    const auto numbers = emscripten::vecFromJSArray<int>(coordinates);
    std::vector<GridPoint> points;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2)
        points.push_back({numbers[i], numbers[i + 1]});
    const FigureAnalysis analysis;
    std::size_t kept = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int run = 0; run < runs; ++run) kept += analysis.Run(points).ReportText().size();
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    return kept > 0 ? took.count() / runs : 0.0;
}

}  // namespace

EMSCRIPTEN_BINDINGS(plane_figures_scenarios) {
    emscripten::register_vector<std::string>("Faults");
    emscripten::function("runScenario", &plane_figures::session::RunScenario);
    emscripten::function("analysisMicroseconds", &AnalysisMicroseconds);
}
