// What a step that replaces all the points ("Изчисти", opening a file) takes
// away and an undo brings back: the points, the chosen one, the report and
// both columns of counts.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "analysisresult.h"
#include "figurekinds.h"
#include "gridpoint.h"

namespace plane_figures::session {

// A column of counts as its boxes show them, one text a kind (UTF-8).
using CountTexts = std::array<std::string, kKindCount>;

struct WorkSnapshot {
    std::vector<GridPoint> points;  // in entry order
    int chosen = -1;                // the chosen point's row; -1 for none
    std::string report_text;        // CR LF line ends
    // what the report reports, and the points it was made for
    std::shared_ptr<const AnalysisResult> report_result;
    std::vector<GridPoint> report_points;
    CountTexts pupil_counts;    // as typed
    CountTexts program_counts;  // as shown
    friend bool operator==(const WorkSnapshot&, const WorkSnapshot&) = default;
};

}  // namespace plane_figures::session
