// The figure analysis: every triple and quadruple of the points is classified;
// the result lists the figures found, their counts and what the run leaves.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysisresult.h"
#include "gridpoint.h"

namespace plane_figures {

// Two lengths count as equal when they differ by at most this much.
inline constexpr double kLengthTolerance = 0.000001;

// Ascending order of the hidden sorter: by the value of the text, then by text.
bool SorterLess(const std::string& a, const std::string& b);

class FigureAnalysis {
public:
    // Classify every triple, then every quadruple of points in lexicographic
    // order, starting from the registers the previous run left. The trace of
    // the quadrilateral measurement writes decimal_separator for the point.
    AnalysisResult Run(std::span<const GridPoint> points, char decimal_separator = '.');

    const AnalysisRegisters& Registers() const { return regs_; }

private:
    // Distance between two points, measured once per run.
    struct Pair {
        std::int64_t squared = 0;
        double length = 0.0;    // the square root
        double rounded = 0.0;   // the value its 15-digit length text reads back as
        bool overflow = false;  // its square left 64 bits
    };
    // The three cyclic orders of a quadruple: their sides and perimeters,
    // and the one chosen.
    struct Orders {
        std::array<std::array<double, 4>, 3> sides{};
        std::array<double, 3> perimeter{};
        std::size_t chosen = 0;
    };

    void MeasurePairs();
    void Classify();
    void ClassifyTriangle();
    void MeasureQuadrilateral();
    void ClassifyQuadrilateral();

    const Pair& Between(int p, int q) const;
    // Twice the signed area of a, b, c, range-checked unless the points are
    // small enough never to need it.
    std::int64_t TwiceArea(const FigureRow& a, const FigureRow& b, const FigureRow& c) const;
    double RoundedLength(std::int64_t squared);
    Orders OrdersOf(const std::array<int, 4>& positions) const;
    void LoadRows(const std::array<int, 4>& positions);
    void Found(const Figure& figure);
    void WriteSorter() const;
    void WriteTrace(char decimal_separator) const;

    AnalysisRegisters regs_;
    AnalysisResult* result_ = nullptr;
    std::span<const GridPoint> points_;
    std::vector<Pair> pairs_;  // n × n, both orders alike
    // Twice the signed area of each triple i < j < k, from the triangle pass.
    std::vector<std::int64_t> areas_;  // n × n × n
    std::int64_t& AreaOf(int i, int j, int k);
    bool small_ = false;  // every coordinate within ±2^29

    // The last figure's lengths for the sorter (3 after a triangle, 4 after a
    // quadrilateral), and the last quadruple measured, for the trace.
    int sorter_entries_ = 0;
    std::array<double, 4> sorter_lengths_{};
    bool measured_ = false;
    std::array<int, 4> measured_positions_{};
    std::array<int, 4> outline_{};  // the chosen order's point numbers

    // Length values as their 15-digit texts read them, by squared length.
    std::unordered_map<std::int64_t, double> rounded_lengths_;
};

}  // namespace plane_figures
