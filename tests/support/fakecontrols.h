// The window's analysis state without a window: the points, and the report,
// counts, hidden lists and outlines that an analysis result is applied to.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysisresult.h"
#include "figureanalysis.h"
#include "gridpoint.h"

namespace plane_figures::testing {

// The lists of the window, by their index.
enum class ListId { X = 0, Y = 1, Sorter = 2, Numbers = 3, Trace = 4 };

struct RecordedOutline {
    FigureTable figure;
    std::int16_t colour;
};

class FakeControls {
public:
    // Store a point as the point entry does: X and Y texts and its number.
    void AddPoint(int x, int y);
    // Run the analysis over the points and apply its result as the window
    // does; false when the run did not complete.
    bool RunAnalysis(FigureAnalysis& analysis);

    std::vector<GridPoint> points;
    std::array<std::vector<std::string>, 5> lists;  // indexed by ListId
    std::string report;
    std::array<std::string, kKindCount> counts;
    char decimal_separator = '.';
    std::vector<RecordedOutline> outlines;
    std::vector<std::int32_t> triangle_hooks;
    int report_writes = 0;

    std::vector<std::string>& List(ListId id) { return lists[static_cast<std::size_t>(id)]; }
};

}  // namespace plane_figures::testing
