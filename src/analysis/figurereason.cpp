#include "figurereason.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "checked.h"
#include "grid.h"
#include "numtext.h"

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

// v to two decimals with a decimal comma: "28,28"
std::string TwoDecimals(double v) {
    char buffer[48];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 2);
    std::string text(buffer, result.ptr);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// the whole length whose square this is; none when the length is not whole
std::optional<std::uint64_t> WholeRoot(std::int64_t squared) {
    const auto whole =
        static_cast<std::uint64_t>(std::llround(std::sqrt(static_cast<double>(squared))));
    if (whole * whole != static_cast<std::uint64_t>(squared)) return std::nullopt;
    return whole;
}

// a length from its square: whole as it is ("40"), else "√800 ≈ 28,28"
std::string Length(std::int64_t squared) {
    if (const auto whole = WholeRoot(squared)) return std::to_string(*whole);
    return "√" + std::to_string(squared) + " ≈ " +
           TwoDecimals(std::sqrt(static_cast<double>(squared)));
}

// a length written squared: "40²", or "(√800)²" when it is not whole
std::string Squared(std::int64_t squared) {
    if (const auto whole = WholeRoot(squared)) return std::to_string(*whole) + "²";
    return "(√" + std::to_string(squared) + ")²";
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

// "Страни: 0–1 = 40; 1–2 = √800 ≈ 28,28; …", in outline order
std::string SidesLine(const Figure& f) {
    std::string text("Страни");
    for (std::size_t k = 0; k < static_cast<std::size_t>(f.vertex_count); ++k) {
        text += k == 0 ? ": " : "; ";
        text += SideName(f, k) + " = " + Length(f.evidence.squared_sides[k]);
    }
    return text + ".";
}

// The triangle's sides that have the length of another one; none when all differ.
std::string EqualSidesLine(const Figure& f) {
    std::vector<std::string> equal;
    for (int k = 0; k < 3; ++k) {
        if (f.evidence.EqualToAnother(k)) equal.push_back(SideName(f, static_cast<std::size_t>(k)));
    }
    return equal.empty() ? std::string() : "Равни страни: " + Listed(equal) + ".";
}

// Where the right angle is, opposite the longest side, and on a line of its
// own what the numbers are: "40² + 80² = 1600 + 6400 = 8000 = (√8000)²,
// квадратът на третата страна"; none when the triangle has no right angle.
std::string RightAngleLine(const Figure& f) {
    const FigureEvidence& e = f.evidence;
    if (e.right_angle < 0) return {};
    const auto vertex = static_cast<std::size_t>(e.right_angle);
    const std::size_t longest = (vertex + 1) % 3;  // side k lies opposite vertex k + 2
    std::int64_t leg1 = e.squared_sides[(vertex + 2) % 3];
    std::int64_t leg2 = e.squared_sides[vertex];
    if (leg2 < leg1) std::swap(leg1, leg2);  // the shorter leg first
    const std::int64_t hypotenuse = e.squared_sides[longest];
    return "Правият ъгъл е при връх " + std::to_string(Vertex(f, vertex)) +
           ", срещу най-дългата страна " + SideName(f, longest) + ":\n" + Squared(leg1) + " + " +
           Squared(leg2) + " = " + std::to_string(leg1) + " + " + std::to_string(leg2) + " = " +
           std::to_string(hypotenuse) + " = " + Squared(hypotenuse) +
           ", квадратът на третата страна.";
}

// All four sides equal, or each pair of opposite sides.
std::string QuadrilateralSidesLine(const Figure& f) {
    if (f.evidence.four_equal_sides) return "Четирите страни са равни.";
    if (!f.evidence.opposite_sides_equal) return {};
    return "Срещулежащите страни са равни: " + SideName(f, 0) + " и " + SideName(f, 2) + "; " +
           SideName(f, 1) + " и " + SideName(f, 3) + ".";
}

// "Диагоналите 0–2 и 1–3 са равни: √3200 ≈ 56,57 и √3200 ≈ 56,57." (or "са различни по дължина")
std::string DiagonalsLine(const Figure& f) {
    const auto& d = f.evidence.squared_diagonals;
    return "Диагоналите " + Segment(Vertex(f, 0), Vertex(f, 2)) + " и " +
           Segment(Vertex(f, 1), Vertex(f, 3)) +
           (f.evidence.equal_diagonals ? " са равни: " : " са различни по дължина: ") +
           Length(d[0]) + " и " + Length(d[1]) + ".";
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
    if (figure.IsTriangle()) {
        return Joined(
            {KindLine(figure), SidesLine(figure), EqualSidesLine(figure), RightAngleLine(figure)});
    }
    return Joined({KindLine(figure), SidesLine(figure), QuadrilateralSidesLine(figure),
                   DiagonalsLine(figure)});
}

}  // namespace plane_figures
