// What one analysis run found: the figures with their evidence, and the counts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "figureevidence.h"
#include "figurekinds.h"

namespace plane_figures {

// One figure of the report, with the evidence that decided its kind.
struct Figure {
    FigureKind kind = kIsosceles;
    int vertex_count = 3;
    // Point numbers in ascending order, as the report line names them.
    std::array<int, 4> points{};
    // Point numbers in drawing order: the outline V0-V1-V2-V3 of a
    // quadrilateral; a triangle's points as they are.
    std::array<int, 4> outline{};
    // What decided its kind, measured round the outline.
    FigureEvidence evidence;

    bool IsTriangle() const { return vertex_count == 3; }
};

struct AnalysisResult {
    int point_count = 0;
    std::vector<Figure> figures;  // in report order
    std::array<int, kKindCount> counts{};
    // False when a point's arithmetic left the 64-bit range; the run stopped
    // at that figure and holds what it found before it.
    bool completed = true;

    // The report: the header, then one line per figure, each ending in CR LF.
    std::string ReportText() const;
    // The report's line: the header is line 0, figure i is line i + 1.
    std::string ReportLine(int line) const;
    int LineCount() const { return static_cast<int>(figures.size()) + 1; }
    // The figure that report line names; none for the header or past the end.
    const Figure* FigureOfLine(int line) const;
    // The program's count of kind k as its box shows it: empty for none.
    std::string CountText(int kind) const;
};

}  // namespace plane_figures
