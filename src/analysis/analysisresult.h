// What one analysis run found, and the state it leaves behind.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "figurekinds.h"

namespace plane_figures {

// Vertex v of the figure under test: column 0 its X, column 1 its Y, in canvas
// pixels. Only rows 0..3 and columns 0..1 are used.
using FigureRow = std::array<std::int32_t, 3>;
using FigureTable = std::array<FigureRow, 7>;

// The candidate (IdxA..IdxD) and figure registers of the last figures
// examined. A run starts from what the previous one left; nothing resets them.
struct AnalysisRegisters {
    std::int16_t IdxA = 0;
    std::int16_t IdxB = 0;
    std::int16_t IdxC = 0;
    std::int16_t IdxD = 0;
    FigureTable FigureXY{};
    std::array<double, 7> SideLen{};
    // Twice the signed area of the last triangle, or the degeneracy product of
    // the last quadruple (0 when it was rejected).
    std::int64_t AreaTest = 0;
    double TriangleArea = 0.0;
};

// One figure of the report, with the measures that decided its kind.
struct Figure {
    FigureKind kind = kIsosceles;
    int vertex_count = 3;
    // Point numbers in ascending order, as the report line names them.
    std::array<int, 4> points{};
    // Point numbers in drawing order: the outline V0-V1-V2-V3 of a
    // quadrilateral; a triangle's points as they are.
    std::array<int, 4> outline{};
    // Squared lengths of the sides V0V1, V1V2, V2V3 (or V2V0), V3V0.
    std::array<std::int64_t, 4> squared_sides{};
    // Squared lengths of the diagonals V0V2 and V1V3 (quadrilaterals only).
    std::array<std::int64_t, 2> squared_diagonals{};

    bool IsTriangle() const { return vertex_count == 3; }
};

struct AnalysisResult {
    int point_count = 0;
    std::vector<Figure> figures;  // in report order
    std::array<int, kKindCount> counts{};
    // The hidden sorter's and trace's entries after the run; empty when the
    // run left them as they were (no figure got that far).
    std::optional<std::vector<std::string>> sorter;
    std::optional<std::vector<std::string>> trace;
    AnalysisRegisters registers;
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
