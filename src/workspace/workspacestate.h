// What an undoable step changes: the points and, for a step that replaces
// them all ("Изчисти", opening a file), the report box and both count columns.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "analysisresult.h"
#include "gridpoint.h"

struct WorkspaceState {
    struct Report {
        QString text;                // the report box, CR LF line ends
        QStringList pupil_counts;    // one per kind, as typed
        QStringList program_counts;  // one per kind, as shown
        // what the report names, while it is the report of these points
        std::shared_ptr<const plane_figures::AnalysisResult> result;
        friend bool operator==(const Report&, const Report&) = default;
    };

    std::vector<plane_figures::GridPoint> points;  // in entry order
    std::optional<Report> report;                  // none: the step leaves report and counts alone
    friend bool operator==(const WorkspaceState&, const WorkspaceState&) = default;
};
