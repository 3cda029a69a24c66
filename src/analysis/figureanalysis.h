// The figure analysis: every triple and quadruple of the points is classified
// exactly, and the result lists the figures found, with their evidence, and
// their counts.
#pragma once

#include <span>

#include "analysisresult.h"
#include "gridpoint.h"

namespace plane_figures {

class FigureAnalysis {
public:
    // Classify every triple, then every quadruple of the points, each in
    // ascending order of its point numbers. A run depends on the points alone.
    AnalysisResult Run(std::span<const GridPoint> points) const;
};

}  // namespace plane_figures
