#include "figureanalysis.h"

#include <algorithm>
#include <cmath>

#include "checked.h"
#include "grid.h"
#include "numtext.h"

namespace plane_figures {

namespace {

using Row = FigureRow;

// two lengths are equal within the tolerance
bool Equal(double a, double b) { return std::fabs(a - b) <= kLengthTolerance; }

Row RowOf(GridPoint p) { return {p.x, p.y, 0}; }

// Xa·Yb + Xb·Yc + Xc·Ya − Xc·Yb − Xa·Yc − Xb·Ya: twice the signed area of a, b, c
std::int64_t TwiceSignedArea(const Row& a, const Row& b, const Row& c) {
    std::int64_t sum = checked::Mul(a[0], b[1]);
    sum = checked::Add(sum, checked::Mul(b[0], c[1]));
    sum = checked::Add(sum, checked::Mul(c[0], a[1]));
    sum = checked::Sub(sum, checked::Mul(c[0], b[1]));
    sum = checked::Sub(sum, checked::Mul(a[0], c[1]));
    return checked::Sub(sum, checked::Mul(b[0], a[1]));
}

// twice the signed area of a, b, c, where no product or sum can leave 64 bits
std::int64_t TwiceSignedAreaOfSmall(const Row& a, const Row& b, const Row& c) {
    const auto m = [](std::int32_t u, std::int32_t v) { return std::int64_t{u} * v; };
    return m(a[0], b[1]) + m(b[0], c[1]) + m(c[0], a[1]) - m(c[0], b[1]) - m(a[0], c[1]) -
           m(b[0], a[1]);
}

// coordinates this small keep every area sum within 64 bits
constexpr std::int32_t kSmallCoordinate = 1 << 29;

bool IsSmall(GridPoint p) {
    return p.x > -kSmallCoordinate && p.x < kSmallCoordinate && p.y > -kSmallCoordinate &&
           p.y < kSmallCoordinate;
}

// The three cyclic orders of A, B, C, D that keep A first.
constexpr std::array<std::array<int, 4>, 3> kCyclicOrders{{
    {0, 1, 2, 3},
    {0, 2, 1, 3},
    {0, 1, 3, 2},
}};

// the trace's line: the numbers joined by single blanks
std::string TraceLine(const std::array<double, 5>& numbers, char separator) {
    std::string line;
    for (const double n : numbers) {
        if (!line.empty()) line += ' ';
        line += FormatNumber(n, separator);
    }
    return line;
}

}  // namespace

bool SorterLess(const std::string& a, const std::string& b) {
    const double va = Val(a);
    const double vb = Val(b);
    return va < vb || (va == vb && a < b);
}

AnalysisResult FigureAnalysis::Run(std::span<const GridPoint> points, char decimal_separator) {
    AnalysisResult result;
    result.point_count = static_cast<int>(points.size());
    result_ = &result;
    points_ = points;
    sorter_entries_ = 0;
    measured_ = false;
    MeasurePairs();
    areas_.assign(points.size() * points.size() * points.size(), 0);
    small_ = std::all_of(points.begin(), points.end(), IsSmall);
    try {
        Classify();
    } catch (const ArithmeticOverflow&) {
        result.completed = false;
    }
    WriteSorter();
    WriteTrace(decimal_separator);
    result.registers = regs_;
    result_ = nullptr;
    points_ = {};
    return result;
}

// Every distance between two points, with its square checked; a pair whose
// square leaves 64 bits stops the run when a figure first uses it.
void FigureAnalysis::MeasurePairs() {
    const std::size_t n = points_.size();
    pairs_.assign(n * n, Pair{});
    for (std::size_t p = 0; p < n; ++p) {
        for (std::size_t q = p + 1; q < n; ++q) {
            Pair pair;
            try {
                pair.squared = SquaredDistance(points_[p], points_[q]);
                pair.length = std::sqrt(static_cast<double>(pair.squared));
                pair.rounded = RoundedLength(pair.squared);
            } catch (const ArithmeticOverflow&) {
                pair.overflow = true;
            }
            pairs_[p * n + q] = pairs_[q * n + p] = pair;
        }
    }
}

// The entries of the hidden sorter for the last figure that got that far.
void FigureAnalysis::WriteSorter() const {
    if (sorter_entries_ == 0) return;
    auto& sorter = result_->sorter.emplace();
    for (int k = 0; k < sorter_entries_; ++k) {
        const double length = sorter_lengths_[static_cast<std::size_t>(k)];
        sorter.push_back(sorter_entries_ == 3 ? LengthText(length)
                                              : PadLeft(FormatNumber(std::floor(length)), 15));
    }
    std::stable_sort(sorter.begin(), sorter.end(), SorterLess);
}

// The trace of the last quadruple measured: each order's perimeter and
// sides, then the smallest perimeter.
void FigureAnalysis::WriteTrace(char decimal_separator) const {
    if (!measured_) return;
    const Orders orders = OrdersOf(measured_positions_);
    auto& trace = result_->trace.emplace();
    for (std::size_t o = 0; o < 3; ++o) {
        const auto& s = orders.sides[o];
        trace.push_back(
            TraceLine({orders.perimeter[o], s[0], s[1], s[2], s[3]}, decimal_separator));
    }
    trace.push_back(FormatNumber(orders.perimeter[orders.chosen], decimal_separator));
}

// Every triple, then every quadruple, in lexicographic order.
void FigureAnalysis::Classify() {
    const int last = checked::Narrow<std::int16_t>(checked::Sub(result_->point_count, 1));
    for (int i = 0; i <= last - 2; ++i) {
        for (int j = i + 1; j <= last - 1; ++j) {
            for (int k = j + 1; k <= last; ++k) {
                regs_.IdxA = static_cast<std::int16_t>(i);
                regs_.IdxB = static_cast<std::int16_t>(j);
                regs_.IdxC = static_cast<std::int16_t>(k);
                ClassifyTriangle();
            }
        }
    }
    for (int i = 0; i <= last - 3; ++i) {
        for (int j = i + 1; j <= last - 2; ++j) {
            for (int k = j + 1; k <= last - 1; ++k) {
                for (int l = k + 1; l <= last; ++l) {
                    regs_.IdxA = static_cast<std::int16_t>(i);
                    regs_.IdxB = static_cast<std::int16_t>(j);
                    regs_.IdxC = static_cast<std::int16_t>(k);
                    regs_.IdxD = static_cast<std::int16_t>(l);
                    ClassifyQuadrilateral();
                }
            }
        }
    }
}

std::int64_t FigureAnalysis::TwiceArea(const Row& a, const Row& b, const Row& c) const {
    return small_ ? TwiceSignedAreaOfSmall(a, b, c) : TwiceSignedArea(a, b, c);
}

std::int64_t& FigureAnalysis::AreaOf(int i, int j, int k) {
    const std::size_t n = points_.size();
    return areas_[(static_cast<std::size_t>(i) * n + static_cast<std::size_t>(j)) * n +
                  static_cast<std::size_t>(k)];
}

// The distance between points p and q; ArithmeticOverflow when its square
// leaves 64 bits.
const FigureAnalysis::Pair& FigureAnalysis::Between(int p, int q) const {
    const Pair& pair =
        pairs_[static_cast<std::size_t>(p) * points_.size() + static_cast<std::size_t>(q)];
    if (pair.overflow) throw ArithmeticOverflow("square");
    return pair;
}

// the value that a length's 15-significant-digit text reads back as
double FigureAnalysis::RoundedLength(std::int64_t squared) {
    if (rounded_lengths_.size() > 65536) rounded_lengths_.clear();
    auto [it, inserted] = rounded_lengths_.try_emplace(squared, 0.0);
    if (inserted) it->second = Val(FormatNumber(std::sqrt(static_cast<double>(squared))));
    return it->second;
}

void FigureAnalysis::Found(const Figure& figure) {
    auto& count = result_->counts[static_cast<std::size_t>(figure.kind)];
    count = checked::Narrow<std::int16_t>(count + 1);  // a count box holds a 16-bit number
    result_->figures.push_back(figure);
}

void FigureAnalysis::ClassifyTriangle() {
    const std::array<int, 3> p{regs_.IdxA, regs_.IdxB, regs_.IdxC};
    for (std::size_t v = 0; v < 3; ++v)
        regs_.FigureXY[v] = RowOf(points_[static_cast<std::size_t>(p[v])]);
    const auto& f = regs_.FigureXY;
    regs_.AreaTest = AreaOf(p[0], p[1], p[2]) = TwiceArea(f[0], f[1], f[2]);
    regs_.TriangleArea = std::fabs(static_cast<double>(regs_.AreaTest)) / 2.0;
    if (regs_.TriangleArea == 0.0) return;  // collinear, or two points coincide

    Figure figure;
    std::array<double, 3> sides{};
    for (std::size_t k = 0; k < 3; ++k) {
        const Pair& side = Between(p[k], p[(k + 1) % 3]);
        regs_.SideLen[k] = side.length;
        sorter_lengths_[k] = side.length;
        sides[k] = side.rounded;
        figure.squared_sides[k] = side.squared;
    }
    sorter_entries_ = 3;
    std::sort(sides.begin(), sides.end());
    const auto [a, b, c] = sides;

    const bool right = std::fabs((a * a + b * b) - c * c) <= kLengthTolerance;
    const bool isosceles = Equal(a, b) || Equal(b, c);
    if (!right && !isosceles) return;
    figure.kind = right && isosceles ? kIsoscelesRight : isosceles ? kIsosceles : kRight;
    figure.vertex_count = 3;
    figure.points = {p[0], p[1], p[2], 0};
    figure.outline = figure.points;
    Found(figure);
}

// Load rows 0..3 of the figure table with the points at these positions.
void FigureAnalysis::LoadRows(const std::array<int, 4>& positions) {
    for (std::size_t row = 0; row < 4; ++row) {
        regs_.FigureXY[row] = RowOf(points_[static_cast<std::size_t>(positions[row])]);
    }
}

// The sides V0V1, V1V2, V2V3, V3V0 of each cyclic order of A, B, C, D that
// keeps A first, their perimeters added left to right, and the order with
// the smallest one (the earlier order on a tie).
FigureAnalysis::Orders FigureAnalysis::OrdersOf(const std::array<int, 4>& positions) const {
    const auto d = [&](std::size_t u, std::size_t v) {
        return Between(positions[u], positions[v]).length;
    };
    const double ab = d(0, 1), ac = d(0, 2), ad = d(0, 3), bc = d(1, 2), bd = d(1, 3), cd = d(2, 3);
    Orders orders;
    orders.sides = {{{ab, bc, cd, ad}, {ac, bc, bd, ad}, {ab, bd, cd, ac}}};
    for (std::size_t o = 0; o < 3; ++o) {
        const auto& s = orders.sides[o];
        orders.perimeter[o] = s[0] + s[1] + s[2] + s[3];
        if (orders.perimeter[orders.chosen] > orders.perimeter[o]) orders.chosen = o;
    }
    return orders;
}

// Put A, B, C, D into the cyclic order with the smallest perimeter and
// measure its sides.
void FigureAnalysis::MeasureQuadrilateral() {
    const std::array<int, 4> positions{regs_.IdxA, regs_.IdxB, regs_.IdxC, regs_.IdxD};
    const Orders orders = OrdersOf(positions);
    measured_ = true;
    measured_positions_ = positions;
    const auto& order = kCyclicOrders[orders.chosen];
    for (std::size_t v = 0; v < 4; ++v) outline_[v] = positions[static_cast<std::size_t>(order[v])];
    LoadRows(outline_);
    std::copy(orders.sides[orders.chosen].begin(), orders.sides[orders.chosen].end(),
              regs_.SideLen.begin());
}

void FigureAnalysis::ClassifyQuadrilateral() {
    LoadRows({regs_.IdxA, regs_.IdxB, regs_.IdxC, regs_.IdxD});
    // Reject the quadruple when triangle A, D, C or A, B, C has no area. The
    // factors are tested one by one; their product is kept for the register.
    // The triangle pass measured both (A, D, C turns the other way from A, C, D).
    const std::int64_t t1 = -AreaOf(regs_.IdxA, regs_.IdxC, regs_.IdxD);
    const std::int64_t t2 = AreaOf(regs_.IdxA, regs_.IdxB, regs_.IdxC);
    regs_.AreaTest = (t1 == 0 || t2 == 0) ? 0 : checked::Mul(t1, t2);
    if (regs_.AreaTest == 0) return;

    MeasureQuadrilateral();
    const Pair& diagonal1 = Between(outline_[0], outline_[2]);
    const Pair& diagonal2 = Between(outline_[1], outline_[3]);
    const auto& s = regs_.SideLen;
    std::copy_n(s.begin(), 4, sorter_lengths_.begin());
    sorter_entries_ = 4;

    const auto [shortest, longest] = std::minmax({s[0], s[1], s[2], s[3]});
    const bool equal_sides = longest - shortest <= kLengthTolerance;
    const bool opposite_sides =
        !equal_sides && Equal(s[0], s[2]) && Equal(s[1], s[3]) && !Equal(s[2], s[3]);
    const bool equal_diagonals = Equal(diagonal1.length, diagonal2.length);

    Figure figure;
    if (equal_sides) {
        figure.kind = equal_diagonals ? kSquare : kRhombus;
    } else if (opposite_sides) {
        figure.kind = equal_diagonals ? kRectangle : kParallelogram;
    } else {
        return;
    }
    figure.vertex_count = 4;
    figure.points = {regs_.IdxA, regs_.IdxB, regs_.IdxC, regs_.IdxD};
    figure.outline = outline_;
    for (std::size_t k = 0; k < 4; ++k)
        figure.squared_sides[k] = Between(outline_[k], outline_[(k + 1) % 4]).squared;
    figure.squared_diagonals = {diagonal1.squared, diagonal2.squared};
    Found(figure);
}

}  // namespace plane_figures
