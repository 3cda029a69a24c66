#include "exactclassifier.h"

#include <algorithm>
#include <optional>

namespace plane_figures::testing {

namespace {

GridPoint operator-(GridPoint a, GridPoint b) { return {a.x - b.x, a.y - b.y}; }
std::int64_t Dot(GridPoint a, GridPoint b) { return a.x * b.x + a.y * b.y; }
std::int64_t Cross(GridPoint a, GridPoint b) { return a.x * b.y - a.y * b.x; }
std::int64_t Squared(GridPoint a, GridPoint b) { return Dot(a - b, a - b); }
bool SameMidpoint(GridPoint p, GridPoint r, GridPoint q, GridPoint s) {
    return p.x + r.x == q.x + s.x && p.y + r.y == q.y + s.y;
}

std::optional<FigureKind> Triangle(GridPoint a, GridPoint b, GridPoint c) {
    if (Cross(b - a, c - a) == 0) return std::nullopt;
    std::array<std::int64_t, 3> s{Squared(a, b), Squared(b, c), Squared(c, a)};
    std::sort(s.begin(), s.end());
    const bool right = s[0] + s[1] == s[2];
    const bool isosceles = s[0] == s[1] || s[1] == s[2];
    if (right && isosceles) return kIsoscelesRight;
    if (isosceles) return kIsosceles;
    if (right) return kRight;
    return std::nullopt;
}

// A parallelogram is four points whose diagonals bisect each other. The
// analysis passes over a quadruple whose triangle A, B, C or A, D, C has no
// area, and a true parallelogram never has such a triangle.
std::optional<FigureKind> Quadrilateral(GridPoint a, GridPoint b, GridPoint c, GridPoint d) {
    if (Cross(b - a, c - a) == 0 || Cross(d - a, c - a) == 0) return std::nullopt;
    const std::array<std::array<GridPoint, 4>, 3> pairings{
        {{a, c, b, d}, {a, b, c, d}, {a, d, b, c}}};  // diagonal p-r, diagonal q-s
    for (const auto& [p, r, q, s] : pairings) {
        if (!SameMidpoint(p, r, q, s)) continue;
        const bool equal_diagonals = Squared(p, r) == Squared(q, s);
        const bool perpendicular = Dot(r - p, s - q) == 0;
        if (equal_diagonals && perpendicular) return kSquare;
        if (equal_diagonals) return kRectangle;
        if (perpendicular) return kRhombus;
        return kParallelogram;
    }
    return std::nullopt;
}

void AddLine(ExactResult& result, FigureKind kind, std::initializer_list<std::size_t> numbers) {
    result.report += kReportLabels[kind];
    bool first = true;
    for (const std::size_t n : numbers) {
        if (!first) result.report += ',';
        result.report += std::to_string(n);
        first = false;
    }
    result.report += "\r\n";
    ++result.counts[kind];
}

}  // namespace

ExactResult ClassifyExactly(const std::vector<GridPoint>& points) {
    ExactResult result;
    const std::size_t n = points.size();
    result.report = std::string(kReportHeader) + std::to_string(n) + "\r\n";
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k)
                if (auto kind = Triangle(points[i], points[j], points[k])) {
                    AddLine(result, *kind, {i, j, k});
                }
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k)
                for (std::size_t l = k + 1; l < n; ++l)
                    if (auto kind = Quadrilateral(points[i], points[j], points[k], points[l])) {
                        AddLine(result, *kind, {i, j, k, l});
                    }
    return result;
}

std::array<int, kKindCount> CountExactly(const std::vector<GridPoint>& points) {
    std::array<int, kKindCount> counts{};
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k) {
                if (auto kind = Triangle(points[i], points[j], points[k])) ++counts[*kind];
                for (std::size_t l = k + 1; l < n; ++l)
                    if (auto kind = Quadrilateral(points[i], points[j], points[k], points[l])) {
                        ++counts[*kind];
                    }
            }
    return counts;
}

}  // namespace plane_figures::testing
