#include "analysis.h"

#include <algorithm>
#include <cmath>

#include "checked.h"
#include "numtext.h"

namespace plane_figures {

namespace {

using Row = FigureRow;

// two lengths are equal within the tolerance
bool Equal(double a, double b) { return std::fabs(a - b) <= kLengthTolerance; }

// squared distance of two rows
std::int64_t SquaredDistance(const Row& p, const Row& q) {
    const std::int64_t dx = checked::Sub(p[0], q[0]);
    const std::int64_t dy = checked::Sub(p[1], q[1]);
    return checked::Add(checked::Mul(dx, dx), checked::Mul(dy, dy));
}

double Distance(const Row& p, const Row& q) {
    return std::sqrt(static_cast<double>(SquaredDistance(p, q)));
}

// Xa·Yb + Xb·Yc + Xc·Ya − Xc·Yb − Xa·Yc − Xb·Ya: twice the signed area of a, b, c
std::int64_t TwiceSignedArea(const Row& a, const Row& b, const Row& c) {
    std::int64_t sum = checked::Mul(a[0], b[1]);
    sum = checked::Add(sum, checked::Mul(b[0], c[1]));
    sum = checked::Add(sum, checked::Mul(c[0], a[1]));
    sum = checked::Sub(sum, checked::Mul(c[0], b[1]));
    sum = checked::Sub(sum, checked::Mul(a[0], c[1]));
    return checked::Sub(sum, checked::Mul(b[0], a[1]));
}

// The three cyclic orders of A, B, C, D that keep A first.
constexpr std::array<std::array<int, 4>, 3> kCyclicOrders{{
    {0, 1, 2, 3},
    {0, 2, 1, 3},
    {0, 1, 3, 2},
}};

}  // namespace

bool SorterLess(const std::string& a, const std::string& b) {
    const double va = Val(a);
    const double vb = Val(b);
    return va < vb || (va == vb && a < b);
}

bool FigureAnalysis::RunAnalysis(FigureControls& controls) {
    controls_ = &controls;
    const std::int32_t count = controls.PointCount();
    bool completed = true;
    try {
        BeginRun(count);
        const int last = checked::Narrow<std::int16_t>(checked::Sub(count, 1));
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
    } catch (const ArithmeticOverflow&) {
        completed = false;
    }
    Finish();
    return completed;
}

// Header, emptied counts, and the points read once from the lists: nothing
// else can change them while a run goes on.
void FigureAnalysis::BeginRun(std::int32_t count) {
    report_.assign(kReportHeader);
    report_ += std::to_string(count);
    report_ += kCrLf;
    counts_.fill(0);
    sorter_entries_ = 0;
    trace_written_ = false;
    points_.clear();
    for (int p = 0; p < count; ++p) {
        points_.push_back({RoundToInt32(Val(controls_->ListItem(ListId::X, p))),
                           RoundToInt32(Val(controls_->ListItem(ListId::Y, p))), 0});
    }
}

// Write what the run produced to the controls, each control once.
void FigureAnalysis::Finish() {
    controls_->SetReportText(report_);
    for (int k = 0; k < kKindCount; ++k) {
        const int n = counts_[static_cast<std::size_t>(k)];
        controls_->SetCountText(k, n == 0 ? std::string() : std::to_string(n));
    }
    if (sorter_entries_ > 0) {
        controls_->ListClear(ListId::Sorter);
        for (int k = 0; k < sorter_entries_; ++k) {
            const double length = sorter_lengths_[static_cast<std::size_t>(k)];
            controls_->ListAddItem(ListId::Sorter,
                                   sorter_entries_ == 3
                                       ? LengthText(length)
                                       : PadLeft(FormatNumber(std::floor(length)), 15));
        }
    }
    if (trace_written_) {
        const char separator = controls_->DecimalSeparator();
        controls_->ListClear(ListId::Trace);
        for (const auto& numbers : trace_) {
            std::string line;
            for (const double n : numbers) {
                if (!line.empty()) line += ' ';
                line += FormatNumber(n, separator);
            }
            controls_->ListAddItem(ListId::Trace, line);
        }
        controls_->ListAddItem(ListId::Trace, FormatNumber(trace_perimeter_, separator));
    }
}

void FigureAnalysis::LoadRow(int row, int position) {
    regs_.FigureXY[static_cast<std::size_t>(row)] = points_[static_cast<std::size_t>(position)];
}

// the value that a length's 15-significant-digit text reads back as
double FigureAnalysis::RoundedLength(std::int64_t squared) {
    if (rounded_lengths_.size() > 65536) rounded_lengths_.clear();
    auto [it, inserted] = rounded_lengths_.try_emplace(squared, 0.0);
    if (inserted) it->second = Val(FormatNumber(std::sqrt(static_cast<double>(squared))));
    return it->second;
}

void FigureAnalysis::Report(FigureKind kind, std::initializer_list<int> positions) {
    report_ += kReportLabels[static_cast<std::size_t>(kind)];
    bool first = true;
    for (const int p : positions) {
        if (!first) report_ += ',';
        report_ += std::to_string(p);
        first = false;
    }
    report_ += kCrLf;
}

// one more figure of this kind; a count box holds a 16-bit number
void FigureAnalysis::Count(FigureKind kind) {
    counts_[kind] = checked::Narrow<std::int16_t>(counts_[kind] + 1);
}

void FigureAnalysis::ClassifyTriangle() {
    LoadRow(0, regs_.IdxA);
    LoadRow(1, regs_.IdxB);
    LoadRow(2, regs_.IdxC);
    const auto& f = regs_.FigureXY;
    regs_.AreaTest = TwiceSignedArea(f[0], f[1], f[2]);
    regs_.TriangleArea = std::fabs(static_cast<double>(regs_.AreaTest)) / 2.0;
    if (regs_.TriangleArea == 0.0) return;  // collinear, or two points coincide

    const std::array<std::int64_t, 3> squared{SquaredDistance(f[0], f[1]),
                                              SquaredDistance(f[1], f[2]),
                                              SquaredDistance(f[2], f[0])};
    std::array<double, 3> sides{};
    for (std::size_t k = 0; k < 3; ++k) {
        regs_.SideLen[k] = std::sqrt(static_cast<double>(squared[k]));
        sorter_lengths_[k] = regs_.SideLen[k];
        sides[k] = RoundedLength(squared[k]);
    }
    sorter_entries_ = 3;
    std::sort(sides.begin(), sides.end());
    const auto [a, b, c] = sides;

    const bool right = std::fabs((a * a + b * b) - c * c) <= kLengthTolerance;
    const bool isosceles = Equal(a, b) || Equal(b, c);
    if (!right && !isosceles) return;
    const FigureKind kind = right && isosceles ? kIsoscelesRight : isosceles ? kIsosceles : kRight;
    Report(kind, {regs_.IdxA, regs_.IdxB, regs_.IdxC});
    controls_->OutlineTriangle(TriangleHookCode(kind));
    Count(kind);
}

void FigureAnalysis::LoadOrder(const std::array<int, 4>& order,
                               const std::array<int, 4>& positions) {
    for (int row = 0; row < 4; ++row) {
        LoadRow(row, positions[static_cast<std::size_t>(order[static_cast<std::size_t>(row)])]);
    }
}

// Put A, B, C, D into the cyclic order with the smallest perimeter (the
// earlier order on a tie) and measure its sides. The six distances between
// the four points are measured once; every order's sides are among them.
void FigureAnalysis::MeasureQuadrilateral() {
    const std::array<int, 4> positions{regs_.IdxA, regs_.IdxB, regs_.IdxC, regs_.IdxD};
    const auto point = [&](std::size_t v) -> const Row& {
        return points_[static_cast<std::size_t>(positions[v])];
    };
    for (std::size_t u = 0; u < 4; ++u) {
        for (std::size_t v = u + 1; v < 4; ++v) {
            distances_[u][v] = distances_[v][u] = Distance(point(u), point(v));
        }
    }
    std::size_t chosen = 0;
    for (std::size_t o = 0; o < kCyclicOrders.size(); ++o) {
        const auto sides = OrderSides(kCyclicOrders[o]);
        const double perimeter = sides[0] + sides[1] + sides[2] + sides[3];
        trace_[o] = {perimeter, sides[0], sides[1], sides[2], sides[3]};
        if (o == 0 || trace_perimeter_ > perimeter) {
            trace_perimeter_ = perimeter;
            chosen = o;
        }
    }
    trace_written_ = true;
    order_ = kCyclicOrders[chosen];
    LoadOrder(order_, positions);
    const auto sides = OrderSides(order_);
    std::copy(sides.begin(), sides.end(), regs_.SideLen.begin());
}

// the sides V0V1, V1V2, V2V3, V3V0 of the points in this order
std::array<double, 4> FigureAnalysis::OrderSides(const std::array<int, 4>& order) const {
    const auto d = [&](std::size_t i, std::size_t j) {
        return distances_[static_cast<std::size_t>(order[i])][static_cast<std::size_t>(order[j])];
    };
    return {d(0, 1), d(1, 2), d(2, 3), d(3, 0)};
}

void FigureAnalysis::ClassifyQuadrilateral() {
    LoadRow(0, regs_.IdxA);
    LoadRow(1, regs_.IdxB);
    LoadRow(2, regs_.IdxC);
    LoadRow(3, regs_.IdxD);
    const auto& f = regs_.FigureXY;  // rows A, B, C, D
    // Reject the quadruple when triangle A, D, C or A, B, C has no area. The
    // factors are tested one by one; their product is kept for the register.
    const std::int64_t t1 = TwiceSignedArea(f[0], f[3], f[2]);
    const std::int64_t t2 = TwiceSignedArea(f[0], f[1], f[2]);
    regs_.AreaTest = (t1 == 0 || t2 == 0) ? 0 : checked::Mul(t1, t2);
    if (regs_.AreaTest == 0) return;

    MeasureQuadrilateral();
    const auto diagonals = OrderSides({order_[0], order_[2], order_[1], order_[3]});
    const double d1 = diagonals[0];  // V0V2
    const double d2 = diagonals[2];  // V1V3
    const auto& s = regs_.SideLen;
    std::copy_n(s.begin(), 4, sorter_lengths_.begin());
    sorter_entries_ = 4;

    const auto [shortest, longest] = std::minmax({s[0], s[1], s[2], s[3]});
    const bool equal_sides = longest - shortest <= kLengthTolerance;
    const bool opposite_sides =
        !equal_sides && Equal(s[0], s[2]) && Equal(s[1], s[3]) && !Equal(s[2], s[3]);
    const bool equal_diagonals = Equal(d1, d2);

    FigureKind kind;
    if (equal_sides) {
        kind = equal_diagonals ? kSquare : kRhombus;
    } else if (opposite_sides) {
        kind = equal_diagonals ? kRectangle : kParallelogram;
    } else {
        return;
    }
    Report(kind, {regs_.IdxA, regs_.IdxB, regs_.IdxC, regs_.IdxD});
    controls_->OutlineQuadrilateral(regs_.FigureXY, kOutlineColours[kind]);
    Count(kind);
}

}  // namespace plane_figures
