#include "fakecontrols.h"

namespace plane_figures::testing {

void FakeControls::AddPoint(int x, int y) {
    List(ListId::X).push_back(std::to_string(x));
    List(ListId::Y).push_back(std::to_string(y));
    List(ListId::Numbers).push_back(std::to_string(points.size()));
    points.push_back({x, y});
}

bool FakeControls::RunAnalysis(FigureAnalysis& analysis) {
    const AnalysisResult result = analysis.Run(points, decimal_separator);
    report = result.ReportText();
    ++report_writes;
    for (int k = 0; k < kKindCount; ++k) counts[static_cast<std::size_t>(k)] = result.CountText(k);
    if (result.sorter) List(ListId::Sorter) = *result.sorter;
    if (result.trace) List(ListId::Trace) = *result.trace;
    for (const Figure& figure : result.figures) {
        if (figure.IsTriangle()) {
            triangle_hooks.push_back(TriangleHookCode(figure.kind));
            continue;
        }
        FigureTable table{};
        for (std::size_t v = 0; v < 4; ++v) {
            const GridPoint p = points[static_cast<std::size_t>(figure.outline[v])];
            table[v] = {p.x, p.y, 0};
        }
        outlines.push_back({table, kOutlineColours[figure.kind]});
    }
    return result.completed;
}

}  // namespace plane_figures::testing
