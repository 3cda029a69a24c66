// What a step that replaces all the points ("Изчисти", opening a file) takes
// away and an undo brings back: the points, the chosen one, the report and
// both columns of counts.
#pragma once

#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "analysisresult.h"
#include "figurekinds.h"
#include "gridpoint.h"

namespace plane_figures::workspace {

using Counts = std::array<QString, kKindCount>;

struct WorkspaceSnapshot {
    std::vector<GridPoint> points;  // in entry order
    int chosen = -1;                // the chosen point's row; -1 for none
    QString report_text;            // CR LF line ends
    // what the report reports, and the points it was made for
    std::shared_ptr<const AnalysisResult> report_result;
    std::vector<GridPoint> report_points;
    Counts pupil_counts;    // as typed
    Counts program_counts;  // as shown
    friend bool operator==(const WorkspaceSnapshot&, const WorkspaceSnapshot&) = default;
};

}  // namespace plane_figures::workspace
