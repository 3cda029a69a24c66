// The figure analysis: every triple and quadruple of the stored points is
// classified, reported, counted and (for quadrilaterals) outlined.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "figurecontrols.h"
#include "figurekinds.h"

namespace plane_figures {

// Two lengths count as equal when they differ by at most this much.
inline constexpr double kLengthTolerance = 0.000001;

// What the analysis leaves behind after a run: the candidate (IdxA..IdxD) and
// figure registers of the last figures examined. Nothing resets them.
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

// Ascending order of the hidden sorter: by the value of the text, then by text.
bool SorterLess(const std::string& a, const std::string& b);

class FigureAnalysis {
public:
    // Replace the report with its header, empty the counts, then classify
    // every triple and every quadruple in lexicographic order. Returns false
    // when a point's arithmetic left the 64-bit range; the run then stops at
    // that figure, keeping what it wrote so far.
    bool RunAnalysis(FigureControls& controls);

    const AnalysisRegisters& Registers() const { return regs_; }

private:
    void BeginRun(std::int32_t count);
    void Finish();
    void ClassifyTriangle();
    void MeasureQuadrilateral();
    void ClassifyQuadrilateral();

    void LoadRow(int row, int position);
    void LoadOrder(const std::array<int, 4>& order, const std::array<int, 4>& positions);
    std::array<double, 4> OrderSides(const std::array<int, 4>& order) const;
    double RoundedLength(std::int64_t squared);
    void Report(FigureKind kind, std::initializer_list<int> positions);
    void Count(FigureKind kind);

    AnalysisRegisters regs_;
    FigureControls* controls_ = nullptr;

    // One run's work: the points read once from the lists, and what the run
    // writes to the controls when it ends.
    std::vector<FigureRow> points_;  // X, Y (and an unused 0) of each point
    std::string report_;
    std::array<int, kKindCount> counts_{};
    int sorter_entries_ = 0;  // 3 after a triangle, 4 after a quadrilateral
    std::array<double, 4> sorter_lengths_{};
    bool trace_written_ = false;
    std::array<std::array<double, 5>, 3> trace_{};
    double trace_perimeter_ = 0.0;
    // Distances between the points A, B, C, D of the quadruple being measured,
    // and the order (of A..D) chosen for it.
    std::array<std::array<double, 4>, 4> distances_{};
    std::array<int, 4> order_{};

    // Length values as their 15-digit texts read them, by squared length.
    std::unordered_map<std::int64_t, double> rounded_lengths_;
};

}  // namespace plane_figures
