#include "figurereason.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "checked.h"
#include "grid.h"

namespace plane_figures {

namespace {

// vertex k of the figure, k taken round the outline
int Vertex(const Figure& f, std::size_t k) {
    return f.outline[k % static_cast<std::size_t>(f.vertex_count)];
}

// Whether the figure's sides and diagonals are the distances between these points.
bool MeasuredOn(const Figure& f, std::span<const GridPoint> points) {
    const auto at = [&](std::size_t k) { return points[static_cast<std::size_t>(Vertex(f, k))]; };
    const auto n = static_cast<std::size_t>(f.vertex_count);
    for (std::size_t k = 0; k < n; ++k) {
        if (SquaredDistance(at(k), at(k + 1)) != f.evidence.squared_sides[k]) return false;
    }
    const auto& d = f.evidence.squared_diagonals;
    return n == 3 ||
           (SquaredDistance(at(0), at(2)) == d[0] && SquaredDistance(at(1), at(3)) == d[1]);
}

// Whether the figure is a triangle or quadrilateral whose measures fit these points.
bool BelongsTo(const Figure& f, std::span<const GridPoint> points) {
    if (f.vertex_count != 3 && f.vertex_count != 4) return false;
    for (std::size_t k = 0; k < static_cast<std::size_t>(f.vertex_count); ++k) {
        const int v = Vertex(f, k);
        if (v < 0 || static_cast<std::size_t>(v) >= points.size()) return false;
    }
    try {
        return MeasuredOn(f, points);
    } catch (const ArithmeticOverflow&) {
        return false;
    }
}

// "p–q", the segment between points p and q
std::string Segment(int p, int q) { return std::to_string(p) + "–" + std::to_string(q); }

// side k: from vertex k to the next one round the outline
std::string SideName(const Figure& f, std::size_t k) {
    return Segment(Vertex(f, k), Vertex(f, k + 1));
}

// How far one point is from another in the grid's squares: across (to the
// right is positive) and down (downwards is positive).
struct Steps {
    std::int64_t across = 0;
    std::int64_t down = 0;
    friend bool operator==(const Steps&, const Steps&) = default;
    Steps operator-() const { return {-across, -down}; }
    // the same steps turned a quarter turn
    Steps Turned() const { return {-down, across}; }
    // the smaller and the larger of the two counts, whatever the direction
    std::pair<std::int64_t, std::int64_t> Counts() const {
        const std::int64_t a = across < 0 ? -across : across;
        const std::int64_t d = down < 0 ? -down : down;
        return {std::min(a, d), std::max(a, d)};
    }
    std::int64_t SquaresAdded() const { return across * across + down * down; }
};

// The unit the steps are counted in: a square of the grid, or a pixel where
// a figure's points are not all on nodes (never so for clicked or read points).
struct Unit {
    std::int64_t size = kGridStep;
    const char* one = "квадратче";
    const char* many = "квадратчета";
};

Unit UnitOf(const Figure& f, std::span<const GridPoint> points) {
    for (int v = 0; v < f.vertex_count; ++v) {
        const GridPoint p =
            points[static_cast<std::size_t>(Vertex(f, static_cast<std::size_t>(v)))];
        if (p.x % kGridStep != 0 || p.y % kGridStep != 0) return {1, "пиксел", "пиксела"};
    }
    return {};
}

Steps StepsBetween(std::span<const GridPoint> points, int from, int to, const Unit& unit) {
    const GridPoint p = points[static_cast<std::size_t>(from)];
    const GridPoint q = points[static_cast<std::size_t>(to)];
    return {(static_cast<std::int64_t>(q.x) - p.x) / unit.size,
            (static_cast<std::int64_t>(q.y) - p.y) / unit.size};
}

// "−2", with the minus sign of print
std::string Signed(std::int64_t v) { return v < 0 ? "−" + std::to_string(-v) : std::to_string(v); }

// "(2; −4)"
std::string Pair(const Steps& s) { return "(" + Signed(s.across) + "; " + Signed(s.down) + ")"; }

// "2 квадратчета надясно и 4 надолу", "1 квадратче нагоре"
std::string InWords(const Steps& s, const Unit& unit) {
    const auto count = [&](std::int64_t v, bool first) {
        const std::int64_t n = v < 0 ? -v : v;
        return std::to_string(n) +
               (first ? std::string(" ") + (n == 1 ? unit.one : unit.many) : "");
    };
    std::string text;
    if (s.across != 0) text = count(s.across, true) + (s.across > 0 ? " надясно" : " наляво");
    if (s.down != 0) {
        text += text.empty() ? count(s.down, true) : " и " + count(s.down, false);
        text += s.down > 0 ? " надолу" : " нагоре";
    }
    return text;
}

// "3·3 + 4·4 = 25", the zero steps left out
std::string SquaresAdded(const Steps& s) {
    std::string text;
    for (const std::int64_t v : {s.across, s.down}) {
        if (v == 0) continue;
        const std::string n = std::to_string(v < 0 ? -v : v);
        text += (text.empty() ? "" : " + ") + n + "·" + n;
    }
    return text;
}

// Why two segments are equally long: the same steps turned or mirrored
// ("и двете са по 2 и 4 квадратчета, само завъртени или огледални"), or,
// where they are not, the squares of their steps added up
// ("3·3 + 4·4 = 25 = 5·5").
std::string WhyEqual(const Steps& a, const Steps& b, const Unit& unit) {
    if (a.Counts() == b.Counts()) {
        const auto [low, high] = a.Counts();
        const std::string counts =
            low == 0 ? std::to_string(high) : std::to_string(low) + " и " + std::to_string(high);
        return "и двете са по " + counts + " " + (low == 0 && high == 1 ? unit.one : unit.many) +
               ", само завъртени или огледални";
    }
    return SquaresAdded(a) + " = " + std::to_string(a.SquaresAdded()) + " = " + SquaresAdded(b);
}

// the steps of side k, round the outline
Steps SideSteps(const Figure& f, std::span<const GridPoint> points, std::size_t k, const Unit& u) {
    return StepsBetween(points, Vertex(f, k), Vertex(f, k + 1), u);
}

// "Квадрат 0, 1, 2, 3": the kind and the points in ascending order
std::string KindLine(const Figure& f) {
    std::string text(kKindNames[static_cast<std::size_t>(f.kind)]);
    for (int v = 0; v < f.vertex_count; ++v) {
        text += v == 0 ? " " : ", ";
        text += std::to_string(f.points[static_cast<std::size_t>(v)]);
    }
    return text;
}

// "0–1: 2 квадратчета надясно и 4 надолу.", a line a side in outline order
std::string SidesLines(const Figure& f, std::span<const GridPoint> points, const Unit& u) {
    std::string text;
    for (std::size_t k = 0; k < static_cast<std::size_t>(f.vertex_count); ++k) {
        text += (k == 0 ? "" : "\n") + SideName(f, k) + ": " +
                InWords(SideSteps(f, points, k, u), u) + ".";
    }
    return text;
}

// The triangle's two equal sides and why; none when all differ.
std::string EqualSidesLine(const Figure& f, std::span<const GridPoint> points, const Unit& u) {
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = i + 1; j < 3; ++j) {
            if (f.evidence.squared_sides[i] != f.evidence.squared_sides[j]) continue;
            return "Страните " + SideName(f, i) + " и " + SideName(f, j) + " са равни: " +
                   WhyEqual(SideSteps(f, points, i, u), SideSteps(f, points, j, u), u) + ".";
        }
    }
    return {};
}

// the greatest whole number that divides both steps
std::int64_t CommonDivisor(const Steps& s) {
    std::int64_t a = s.across < 0 ? -s.across : s.across;
    std::int64_t b = s.down < 0 ? -s.down : s.down;
    while (b != 0) a = std::exchange(b, a % b);
    return a == 0 ? 1 : a;
}

// Where the right angle is and why: its two sides go along the grid's lines,
// or one's steps are the other's turned a quarter turn (each taken as many
// times as it needs); none when the triangle has no right angle.
std::string RightAngleLine(const Figure& f, std::span<const GridPoint> points, const Unit& u) {
    if (f.evidence.right_angle < 0) return {};
    const auto at = static_cast<std::size_t>(f.evidence.right_angle);
    const int vertex = Vertex(f, at);
    const int first = Vertex(f, at + 1);
    const int second = Vertex(f, at + 2);
    const Steps a = StepsBetween(points, vertex, first, u);
    const Steps b = StepsBetween(points, vertex, second, u);
    std::string text = "Правият ъгъл е при връх " + std::to_string(vertex) + ": ";
    if ((a.across == 0 || a.down == 0) && (b.across == 0 || b.down == 0)) {
        return text + "страните " + Segment(vertex, first) + " и " + Segment(vertex, second) +
               " следват линиите на мрежата – едната водоравно, другата отвесно.";
    }
    text += "от него страните вървят " + Pair(a) + " и " + Pair(b);
    if (b == a.Turned() || b == -a.Turned())
        return text + " – едни и същи стъпки, завъртени на четвърт оборот.";
    const std::int64_t ga = CommonDivisor(a);
    const std::int64_t gb = CommonDivisor(b);
    const Steps da{a.across / ga, a.down / ga};
    const Steps db{b.across / gb, b.down / gb};
    text += ";";
    for (const auto& [whole, times, part] : {std::tuple{a, ga, da}, std::tuple{b, gb, db}}) {
        if (times > 1)
            text +=
                " " + Pair(whole) + " е " + std::to_string(times) + " пъти по " + Pair(part) + ",";
    }
    return text + " а " + Pair(da) + ", завъртено на четвърт оборот, дава " + Pair(db) + ".";
}

// Opposite sides are the same steps, so parallel and equal; with four
// equal sides, why two neighbouring ones are equal.
std::string QuadrilateralSidesLines(const Figure& f, std::span<const GridPoint> points,
                                    const Unit& u) {
    const auto reversed = [&](std::size_t k) { return Segment(Vertex(f, k + 1), Vertex(f, k)); };
    std::string text = "Срещулежащите страни са едни и същи стъпки, затова са успоредни и равни: " +
                       SideName(f, 0) + " и " + reversed(2) + " са " +
                       Pair(SideSteps(f, points, 0, u)) + ", " + SideName(f, 1) + " и " +
                       reversed(3) + " са " + Pair(SideSteps(f, points, 1, u)) + ".";
    if (f.evidence.four_equal_sides) {
        text += "\nЧетирите страни са равни: съседните " + SideName(f, 0) + " и " + SideName(f, 1) +
                " – " + WhyEqual(SideSteps(f, points, 0, u), SideSteps(f, points, 1, u), u) + ".";
    }
    return text;
}

// The diagonals equal and why, or not equal, their squares of steps added up.
std::string DiagonalsLine(const Figure& f, std::span<const GridPoint> points, const Unit& u) {
    const Steps a = StepsBetween(points, Vertex(f, 0), Vertex(f, 2), u);
    const Steps b = StepsBetween(points, Vertex(f, 1), Vertex(f, 3), u);
    const std::string names = "Диагоналите " + Segment(Vertex(f, 0), Vertex(f, 2)) + " и " +
                              Segment(Vertex(f, 1), Vertex(f, 3));
    if (f.evidence.equal_diagonals) return names + " са равни: " + WhyEqual(a, b, u) + ".";
    return names + " не са равни: " + SquaresAdded(a) + " = " + std::to_string(a.SquaresAdded()) +
           ", а " + SquaresAdded(b) + " = " + std::to_string(b.SquaresAdded()) + ".";
}

// the lines that are not empty, joined by "\n"
std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

}  // namespace

std::string FigureReason(const Figure& figure, std::span<const GridPoint> points) {
    if (!BelongsTo(figure, points)) return {};
    const Unit unit = UnitOf(figure, points);
    if (figure.IsTriangle()) {
        return Joined({KindLine(figure), SidesLines(figure, points, unit),
                       EqualSidesLine(figure, points, unit), RightAngleLine(figure, points, unit)});
    }
    return Joined({KindLine(figure), SidesLines(figure, points, unit),
                   QuadrilateralSidesLines(figure, points, unit),
                   DiagonalsLine(figure, points, unit)});
}

}  // namespace plane_figures
