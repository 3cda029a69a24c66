#include "figureanalysis.h"

#include <algorithm>
#include <vector>

#include "checked.h"
#include "grid.h"

namespace plane_figures {

namespace {

// The three cyclic orders of A, B, C, D that keep A first; in order o the
// diagonals join positions 0-2 and 1-3.
constexpr std::array<std::array<int, 4>, 3> kCyclicOrders{{
    {0, 1, 2, 3},
    {0, 2, 1, 3},
    {0, 1, 3, 2},
}};

// coordinates this small keep every area sum within 64 bits
constexpr std::int32_t kSmallCoordinate = 1 << 29;

bool IsSmall(GridPoint p) {
    return p.x > -kSmallCoordinate && p.x < kSmallCoordinate && p.y > -kSmallCoordinate &&
           p.y < kSmallCoordinate;
}

// twice the signed area of a, b, c, every step range-checked
std::int64_t TwiceSignedArea(GridPoint a, GridPoint b, GridPoint c) {
    const std::int64_t abx = checked::Sub(b.x, a.x), aby = checked::Sub(b.y, a.y);
    const std::int64_t acx = checked::Sub(c.x, a.x), acy = checked::Sub(c.y, a.y);
    return checked::Sub(checked::Mul(abx, acy), checked::Mul(aby, acx));
}

// twice the signed area of a, b, c, where no product or sum can leave 64 bits
std::int64_t TwiceSignedAreaOfSmall(GridPoint a, GridPoint b, GridPoint c) {
    const std::int64_t abx = b.x - a.x, aby = b.y - a.y, acx = c.x - a.x, acy = c.y - a.y;
    return abx * acy - aby * acx;
}

// whether the segment p-q runs along a grid line: across or down
bool AlongGridLine(GridPoint p, GridPoint q) { return p.x == q.x || p.y == q.y; }

// the dot product of a→b and a→c, range-checked
std::int64_t Dot(GridPoint a, GridPoint b, GridPoint c) {
    return checked::Add(checked::Mul(checked::Sub(b.x, a.x), checked::Sub(c.x, a.x)),
                        checked::Mul(checked::Sub(b.y, a.y), checked::Sub(c.y, a.y)));
}

// whether the segments p-r and q-s have the same midpoint
bool SameMidpoint(GridPoint p, GridPoint r, GridPoint q, GridPoint s) {
    return std::int64_t{p.x} + r.x == std::int64_t{q.x} + s.x &&
           std::int64_t{p.y} + r.y == std::int64_t{q.y} + s.y;
}

// the sum of two squared lengths, which cannot leave 64 bits unsigned
std::uint64_t SumOfSquares(std::int64_t a, std::int64_t b) {
    return static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b);
}

// One run over one set of points.
class Classification {
public:
    explicit Classification(std::span<const GridPoint> points)
        : points_(points),
          n_(points.size()),
          small_(std::all_of(points.begin(), points.end(), IsSmall)),
          squared_(n_ * n_, kUnmeasured),
          areas_(n_ * n_ * n_, 0) {}

    AnalysisResult Classify() {
        result_.point_count = static_cast<int>(n_);
        try {
            checked::Narrow<std::int16_t>(static_cast<std::int64_t>(n_));
            EveryFigure();
        } catch (const ArithmeticOverflow&) {
            result_.completed = false;
        }
        return std::move(result_);
    }

private:
    static constexpr std::int64_t kUnmeasured = -1;

    // Every triple, then every quadruple, in the report's order. A function
    // of its own, outside the try above: WebAssembly's exception handling
    // keeps code inside a try from being optimised as well (twice as slow
    // in the browser), and nothing is lost here.
    [[gnu::noinline]] void EveryFigure() {
        const int n = static_cast<int>(n_);
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                for (int k = j + 1; k < n; ++k) Triangle({i, j, k});
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                for (int k = j + 1; k < n; ++k)
                    for (int l = k + 1; l < n; ++l) Quadrilateral({i, j, k, l});
    }

    GridPoint At(int p) const { return points_[static_cast<std::size_t>(p)]; }

    // the squared distance between points p and q, measured once a run
    std::int64_t Squared(int p, int q) {
        std::int64_t& squared =
            squared_[static_cast<std::size_t>(p) * n_ + static_cast<std::size_t>(q)];
        if (squared == kUnmeasured) {
            squared = SquaredDistance(At(p), At(q));
            squared_[static_cast<std::size_t>(q) * n_ + static_cast<std::size_t>(p)] = squared;
        }
        return squared;
    }

    std::int64_t& AreaOf(int i, int j, int k) {
        return areas_[(static_cast<std::size_t>(i) * n_ + static_cast<std::size_t>(j)) * n_ +
                      static_cast<std::size_t>(k)];
    }

    // The sides round the outline, squared, and which run along grid lines.
    void MeasureSides(Figure& figure) {
        FigureEvidence& e = figure.evidence;
        const int n = figure.vertex_count;
        for (int k = 0; k < n; ++k) {
            const int p = figure.outline[static_cast<std::size_t>(k)];
            const int q = figure.outline[static_cast<std::size_t>((k + 1) % n)];
            e.squared_sides[static_cast<std::size_t>(k)] = Squared(p, q);
            if (AlongGridLine(At(p), At(q))) e.grid_sides |= static_cast<std::uint8_t>(1 << k);
        }
    }

    void Triangle(const std::array<int, 3>& p) {
        std::int64_t& area = AreaOf(p[0], p[1], p[2]);
        area = small_ ? TwiceSignedAreaOfSmall(At(p[0]), At(p[1]), At(p[2]))
                      : TwiceSignedArea(At(p[0]), At(p[1]), At(p[2]));
        if (area == 0) return;  // collinear, or two points coincide

        Figure figure;
        figure.vertex_count = 3;
        figure.points = {p[0], p[1], p[2], 0};
        figure.outline = figure.points;
        MeasureSides(figure);
        FigureEvidence& e = figure.evidence;
        const auto side = [&](int k) { return e.squared_sides[static_cast<std::size_t>(k % 3)]; };
        for (int k = 0; k < 3; ++k) {
            if (side(k) == side(k + 1) || side(k) == side(k + 2))
                e.equal_sides |= static_cast<std::uint8_t>(1 << k);
            // the angle opposite side k, at vertex k + 2, is right when the
            // squares of the other two sides add up to the square of side k
            if (SumOfSquares(side(k + 1), side(k + 2)) == static_cast<std::uint64_t>(side(k)))
                e.right_angle = (k + 2) % 3;
        }
        const bool isosceles = e.equal_sides != 0;
        const bool right = e.right_angle >= 0;
        if (!isosceles && !right) return;
        figure.kind = isosceles && right ? kIsoscelesRight : isosceles ? kIsosceles : kRight;
        Found(figure);
    }

    void Quadrilateral(const std::array<int, 4>& p) {
        // a parallelogram has no three corners on a line: pass over the
        // quadruple when triangle A, B, C or A, C, D has no area
        if (AreaOf(p[0], p[1], p[2]) == 0 || AreaOf(p[0], p[2], p[3]) == 0) return;
        // its diagonals halve each other, in exactly one order of its corners
        const auto order = std::find_if(kCyclicOrders.begin(), kCyclicOrders.end(), [&](auto& o) {
            return SameMidpoint(At(p[o[0]]), At(p[o[2]]), At(p[o[1]]), At(p[o[3]]));
        });
        if (order == kCyclicOrders.end()) return;

        Figure figure;
        figure.vertex_count = 4;
        figure.points = p;
        for (std::size_t v = 0; v < 4; ++v) figure.outline[v] = p[(*order)[v]];
        MeasureSides(figure);
        FigureEvidence& e = figure.evidence;
        const auto& o = figure.outline;
        e.squared_diagonals = {Squared(o[0], o[2]), Squared(o[1], o[3])};
        const auto& s = e.squared_sides;
        e.opposite_sides_parallel = true;
        e.opposite_sides_equal = s[0] == s[2] && s[1] == s[3];
        e.four_equal_sides = e.opposite_sides_equal && s[0] == s[1];
        e.equal_diagonals = e.squared_diagonals[0] == e.squared_diagonals[1];
        e.right_angles = Dot(At(o[0]), At(o[1]), At(o[3])) == 0;
        figure.kind = e.four_equal_sides ? (e.equal_diagonals ? kSquare : kRhombus)
                                         : (e.equal_diagonals ? kRectangle : kParallelogram);
        Found(figure);
    }

    void Found(const Figure& figure) {
        auto& count = result_.counts[static_cast<std::size_t>(figure.kind)];
        count = checked::Narrow<std::int16_t>(count + 1);  // a count box holds a 16-bit number
        result_.figures.push_back(figure);
    }

    std::span<const GridPoint> points_;
    std::size_t n_;
    bool small_;                         // every coordinate within ±2^29
    std::vector<std::int64_t> squared_;  // n × n, both orders alike
    // Twice the signed area of each triple i < j < k, from the triangle pass.
    std::vector<std::int64_t> areas_;  // n × n × n
    AnalysisResult result_;
};

}  // namespace

AnalysisResult FigureAnalysis::Run(std::span<const GridPoint> points) const {
    return Classification(points).Classify();
}

}  // namespace plane_figures
