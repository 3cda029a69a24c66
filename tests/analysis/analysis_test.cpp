// What one analysis run gives: the report text, the figures with their
// outlines and evidence, and the counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

#include "figureanalysis.h"
#include "palette.h"

namespace plane_figures {
namespace {

using Points = std::vector<std::pair<int, int>>;

constexpr const char* kIsoscelesLabel = "Равнобедрен ";
constexpr const char* kRightLabel = "Правоъгълен ";
constexpr const char* kIsoscelesRightLabel = "Равнобедрен и правоъгълен ";
constexpr const char* kSquareLabel = "Квадрат с равни страни: ";
constexpr const char* kRectangleLabel = "Правоъгълник - равни диагонали: ";
constexpr const char* kParallelogramLabel =
    "Успоредник 2х2 успоредни страни - различни диагонали: ";
constexpr const char* kRhombusLabel = "Ромб равни страни - различни диагонали: ";

std::vector<GridPoint> Nodes(const Points& points) {
    std::vector<GridPoint> nodes;
    for (const auto& [x, y] : points) nodes.push_back({x, y});
    return nodes;
}

AnalysisResult RunOn(const Points& points) { return FigureAnalysis().Run(Nodes(points)); }

// the coordinates of a quadrilateral's outline, corner by corner
Points OutlineOf(const Figure& figure, const Points& points) {
    Points corners;
    for (const int p : figure.outline) corners.push_back(points[static_cast<std::size_t>(p)]);
    return corners;
}

// the report's lines after the header, without their CR LF
std::vector<std::string> Lines(const std::string& report) {
    std::vector<std::string> lines;
    std::size_t start = report.find("\r\n");
    while (start != std::string::npos && start + 2 < report.size()) {
        const std::size_t end = report.find("\r\n", start + 2);
        lines.push_back(report.substr(start + 2, end - start - 2));
        start = end;
    }
    return lines;
}

std::vector<std::string> QuadrilateralLines(const std::string& report) {
    std::vector<std::string> quads;
    for (const std::string& line : Lines(report)) {
        for (const char* label :
             {kSquareLabel, kRectangleLabel, kParallelogramLabel, kRhombusLabel}) {
            if (line.rfind(label, 0) == 0) quads.push_back(line);
        }
    }
    return quads;
}

std::string Describe(const Points& points) {
    std::ostringstream out;
    for (const auto& [x, y] : points) out << '(' << x << ", " << y << ") ";
    return out.str();
}

// ---------------------------------------------------------------- triangles

struct TriangleCase {
    const char* name;
    Points points;
    std::string line;  // empty: nothing reported
    int count_box;     // the figure's kind; -1: none counted
    // the evidence, sides 0-1, 1-2, 2-0 as bits 0, 1, 2
    unsigned equal_sides;  // sides as long as another
    int right_angle;       // the vertex of the right angle; -1: none
    unsigned grid_sides;   // sides along grid lines
};

class TriangleTest : public ::testing::TestWithParam<TriangleCase> {};

TEST_P(TriangleTest, ReportsCountsAndGivesTheEvidence) {
    const TriangleCase& c = GetParam();
    const AnalysisResult result = RunOn(c.points);
    const std::string header = "Брой въведени точки: 3\r\n";
    EXPECT_EQ(result.ReportText(), c.line.empty() ? header : header + c.line + "\r\n")
        << Describe(c.points);
    if (c.count_box < 0) {
        EXPECT_TRUE(result.figures.empty());
    } else {
        ASSERT_EQ(result.figures.size(), 1u);
        const Figure& triangle = result.figures[0];
        EXPECT_TRUE(triangle.IsTriangle());  // triangles are never outlined
        EXPECT_EQ(triangle.kind, c.count_box);
        EXPECT_EQ(triangle.points, (std::array<int, 4>{0, 1, 2, 0}));
        EXPECT_EQ(triangle.outline, triangle.points);
        EXPECT_EQ(triangle.evidence.equal_sides, c.equal_sides);
        EXPECT_EQ(triangle.evidence.right_angle, c.right_angle);
        EXPECT_EQ(triangle.evidence.grid_sides, c.grid_sides);
    }
    for (int k = 0; k < kKindCount; ++k) {
        EXPECT_EQ(result.counts[static_cast<std::size_t>(k)], k == c.count_box ? 1 : 0) << k;
        EXPECT_EQ(result.CountText(k), k == c.count_box ? "1" : "") << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Triangles, TriangleTest,
    ::testing::Values(
        TriangleCase{"collinear", {{20, 20}, {40, 40}, {60, 60}}, "", -1, 0, -1, 0},
        TriangleCase{"coinciding", {{20, 20}, {20, 20}, {60, 60}}, "", -1, 0, -1, 0},
        // sides 60 and 80 along grid lines, 100 across
        TriangleCase{"right_at_first_point",
                     {{20, 20}, {20, 80}, {100, 20}},
                     std::string(kRightLabel) + "0,1,2",
                     kRight,
                     0b000,
                     0,
                     0b101},
        TriangleCase{"right_at_last_point",
                     {{20, 80}, {100, 20}, {20, 20}},
                     std::string(kRightLabel) + "0,1,2",
                     kRight,
                     0b000,
                     2,
                     0b110},
        // legs on grid lines: 20, 28.28..., 20; only the isosceles-right count
        TriangleCase{"isosceles_right_on_grid_lines",
                     {{20, 20}, {40, 20}, {20, 40}},
                     std::string(kIsoscelesRightLabel) + "0,1,2",
                     kIsoscelesRight,
                     0b101,
                     0,
                     0b101},
        // tilted legs, the right angle not at a corner of the grid's squares
        TriangleCase{"isosceles_right_turned",
                     {{20, 20}, {40, 40}, {60, 20}},
                     std::string(kIsoscelesRightLabel) + "0,1,2",
                     kIsoscelesRight,
                     0b011,
                     1,
                     0b100},
        // legs 20·√2 and 80·√2: 800 + 12800 = 13600 exactly, not isosceles
        TriangleCase{"right_with_irrational_legs",
                     {{120, 40}, {100, 20}, {20, 100}},
                     std::string(kRightLabel) + "0,1,2",
                     kRight,
                     0b000,
                     1,
                     0b000},
        TriangleCase{"isosceles",
                     {{20, 20}, {60, 20}, {40, 100}},
                     std::string(kIsoscelesLabel) + "0,1,2",
                     kIsosceles,
                     0b110,
                     -1,
                     0b001},
        // 200 and 200.997...: equal integer parts are not equal sides
        TriangleCase{
            "equal_integer_parts_only", {{20, 200}, {220, 200}, {40, 0}}, "", -1, 0, -1, 0},
        // squared sides 40000 and 40001, one apart: 200 and 200.0025 are not equal
        TriangleCase{"nearly_isosceles", {{0, 0}, {200, 0}, {201, 200}}, "", -1, 0, -1, 0}),
    [](const auto& row) { return std::string(row.param.name); });

// A triangle of points 0, 1 and 3 is named by those list positions.
TEST(TriangleNumbering, NamesPointsByListPosition) {
    const AnalysisResult result = RunOn({{20, 20}, {20, 80}, {60, 60}, {100, 20}});
    const auto lines = Lines(result.ReportText());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], std::string(kRightLabel) + "0,1,3");
    ASSERT_FALSE(result.figures.empty());
    EXPECT_EQ(result.figures[0].points, (std::array<int, 4>{0, 1, 3, 0}));
    // sides 0-1, 1-3 and 3-0
    EXPECT_EQ(result.figures[0].evidence.squared_sides,
              (std::array<std::int64_t, 4>{3600, 10000, 6400, 0}));
}

// ----------------------------------------------------------- quadrilaterals

struct QuadCase {
    const char* name;
    Points points;
    std::vector<std::string> lines;  // quadrilateral lines, in order
    std::vector<std::int16_t> colours;
    Points first_outline;  // vertex order of the first outline, when checked
};

class QuadrilateralTest : public ::testing::TestWithParam<QuadCase> {};

TEST_P(QuadrilateralTest, ReportsOutlinesAndCounts) {
    const QuadCase& c = GetParam();
    const AnalysisResult result = RunOn(c.points);
    EXPECT_EQ(QuadrilateralLines(result.ReportText()), c.lines) << Describe(c.points);
    // each quadrilateral is outlined in its kind's colour, in report order
    std::vector<const Figure*> quads;
    std::vector<std::int16_t> colours;
    for (const Figure& figure : result.figures) {
        if (figure.IsTriangle()) continue;
        quads.push_back(&figure);
        colours.push_back(static_cast<std::int16_t>(OutlineColour(figure.kind)));
    }
    EXPECT_EQ(colours, c.colours);
    if (!c.first_outline.empty()) {
        ASSERT_FALSE(quads.empty());
        EXPECT_EQ(OutlineOf(*quads[0], c.points), c.first_outline);
    }
    // each kind's count box holds the number of its lines, empty for none
    for (const auto& [kind, label] : {std::pair{kSquare, kSquareLabel},
                                      {kRectangle, kRectangleLabel},
                                      {kParallelogram, kParallelogramLabel},
                                      {kRhombus, kRhombusLabel}}) {
        int n = 0;
        for (const auto& line : c.lines) n += line.rfind(label, 0) == 0 ? 1 : 0;
        EXPECT_EQ(result.counts[kind], n) << label;
        EXPECT_EQ(result.CountText(kind), n == 0 ? "" : std::to_string(n)) << label;
    }
}

std::string Line(const char* label, const char* numbers) { return std::string(label) + numbers; }

INSTANTIATE_TEST_SUITE_P(
    Quadrilaterals, QuadrilateralTest,
    ::testing::Values(
        QuadCase{"square_in_outline_order",
                 {{20, 20}, {60, 20}, {60, 60}, {20, 60}},
                 {Line(kSquareLabel, "0,1,2,3")},
                 {6},
                 {{20, 20}, {60, 20}, {60, 60}, {20, 60}}},
        // first and third corners adjacent: the measurement reorders them
        QuadCase{"square_in_crossing_order",
                 {{20, 20}, {60, 60}, {60, 20}, {20, 60}},
                 {Line(kSquareLabel, "0,1,2,3")},
                 {6},
                 {{20, 20}, {60, 20}, {60, 60}, {20, 60}}},
        QuadCase{"square_in_other_crossing_order",
                 {{20, 20}, {60, 20}, {20, 60}, {60, 60}},
                 {Line(kSquareLabel, "0,1,2,3")},
                 {6},
                 {{20, 20}, {60, 20}, {60, 60}, {20, 60}}},
        QuadCase{"square_turned_45_degrees",
                 {{60, 20}, {100, 60}, {60, 100}, {20, 60}},
                 {Line(kSquareLabel, "0,1,2,3")},
                 {6},
                 {}},
        QuadCase{"rectangle_80_by_40",
                 {{20, 20}, {100, 20}, {100, 60}, {20, 60}},
                 {Line(kRectangleLabel, "0,1,2,3")},
                 {7},
                 {}},
        // the largest the canvas holds: its area products pass 32 bits
        QuadCase{"rectangle_260_by_220",
                 {{0, 0}, {260, 0}, {260, 220}, {0, 220}},
                 {Line(kRectangleLabel, "0,1,2,3")},
                 {7},
                 {}},
        QuadCase{"parallelogram",
                 {{20, 20}, {60, 20}, {80, 40}, {40, 40}},
                 {Line(kParallelogramLabel, "0,1,2,3")},
                 {8},
                 {{20, 20}, {60, 20}, {80, 40}, {40, 40}}},
        // sides 200 and 200.998: equal integer parts, but not a rhombus
        QuadCase{"parallelogram_with_equal_integer_parts",
                 {{20, 20}, {220, 20}, {240, 220}, {40, 220}},
                 {Line(kParallelogramLabel, "0,1,2,3")},
                 {8},
                 {}},
        QuadCase{"rhombus",
                 {{20, 20}, {60, 40}, {80, 80}, {40, 60}},
                 {Line(kRhombusLabel, "0,1,2,3")},
                 {9},
                 {}},
        QuadCase{"kite", {{20, 60}, {60, 100}, {140, 60}, {60, 20}}, {}, {}, {}},
        QuadCase{"isosceles_trapezoid", {{20, 20}, {100, 20}, {80, 60}, {40, 60}}, {}, {}, {}},
        QuadCase{"general", {{20, 20}, {100, 40}, {80, 100}, {0, 60}}, {}, {}, {}},
        QuadCase{"abc_collinear", {{20, 20}, {40, 20}, {60, 20}, {40, 60}}, {}, {}, {}},
        QuadCase{"b_and_d_coincide", {{20, 20}, {60, 20}, {60, 60}, {60, 20}}, {}, {}, {}},
        QuadCase{"worked_example",
                 {{20, 20}, {100, 20}, {60, 60}, {100, 100}, {20, 100}},
                 {Line(kSquareLabel, "0,1,3,4")},
                 {6},
                 {}},
        QuadCase{"two_rows_of_three",
                 {{20, 20}, {60, 20}, {100, 20}, {20, 60}, {60, 60}, {100, 60}},
                 {Line(kSquareLabel, "0,1,3,4"), Line(kParallelogramLabel, "0,1,4,5"),
                  Line(kRectangleLabel, "0,2,3,5"), Line(kParallelogramLabel, "1,2,3,4"),
                  Line(kSquareLabel, "1,2,4,5")},
                 {6, 8, 7, 8, 6},
                 {}}),
    [](const auto& row) { return std::string(row.param.name); });

// ------------------------------------------------------- quadrilateral evidence

struct QuadEvidenceCase {
    const char* name;
    Points points;  // in outline order
    FigureKind kind;
    unsigned grid_sides;  // sides V0V1, V1V2, V2V3, V3V0 as bits 0 to 3
    bool four_equal_sides;
    bool right_angles;
    bool equal_diagonals;
};

class QuadEvidenceTest : public ::testing::TestWithParam<QuadEvidenceCase> {};

// What decided the kind is kept with the figure: the hints and the reason
// read it from there.
TEST_P(QuadEvidenceTest, KeepsWhatDecidedTheKind) {
    const QuadEvidenceCase& c = GetParam();
    const AnalysisResult result = RunOn(c.points);
    const auto quad = std::find_if(result.figures.begin(), result.figures.end(),
                                   [](const Figure& f) { return !f.IsTriangle(); });
    ASSERT_NE(quad, result.figures.end());
    EXPECT_EQ(quad->kind, c.kind);
    const FigureEvidence& e = quad->evidence;
    EXPECT_EQ(e.grid_sides, c.grid_sides);
    EXPECT_TRUE(e.opposite_sides_parallel);
    EXPECT_TRUE(e.opposite_sides_equal);
    EXPECT_EQ(e.four_equal_sides, c.four_equal_sides);
    EXPECT_EQ(e.right_angles, c.right_angles);
    EXPECT_EQ(e.equal_diagonals, c.equal_diagonals);
}

INSTANTIATE_TEST_SUITE_P(
    Quadrilaterals, QuadEvidenceTest,
    ::testing::Values(QuadEvidenceCase{"square_on_grid_lines",
                                       {{20, 20}, {60, 20}, {60, 60}, {20, 60}},
                                       kSquare,
                                       0b1111,
                                       true,
                                       true,
                                       true},
                      QuadEvidenceCase{"tilted_square",
                                       {{60, 20}, {100, 60}, {60, 100}, {20, 60}},
                                       kSquare,
                                       0b0000,
                                       true,
                                       true,
                                       true},
                      QuadEvidenceCase{"rectangle",
                                       {{20, 20}, {100, 20}, {100, 60}, {20, 60}},
                                       kRectangle,
                                       0b1111,
                                       false,
                                       true,
                                       true},
                      QuadEvidenceCase{"tilted_rectangle",
                                       {{40, 20}, {80, 60}, {60, 80}, {20, 40}},
                                       kRectangle,
                                       0b0000,
                                       false,
                                       true,
                                       true},
                      QuadEvidenceCase{"parallelogram",
                                       {{20, 20}, {60, 20}, {80, 40}, {40, 40}},
                                       kParallelogram,
                                       0b0101,
                                       false,
                                       false,
                                       false},
                      QuadEvidenceCase{"rhombus",
                                       {{20, 20}, {60, 40}, {80, 80}, {40, 60}},
                                       kRhombus,
                                       0b0000,
                                       true,
                                       false,
                                       false}),
    [](const auto& row) { return std::string(row.param.name); });

// ------------------------------------------------------------------ the run

// With fewer than three points only the header is written and every count is empty.
TEST(AnalysisRun, FewPointsWriteTheHeaderOnly) {
    for (int n = 0; n <= 2; ++n) {
        Points points;
        for (int p = 0; p < n; ++p) points.push_back({20 * p, 40});
        const AnalysisResult result = RunOn(points);
        EXPECT_TRUE(result.completed);
        EXPECT_EQ(result.ReportText(), "Брой въведени точки: " + std::to_string(n) + "\r\n");
        EXPECT_EQ(result.LineCount(), 1);
        for (int k = 0; k < kKindCount; ++k) EXPECT_EQ(result.CountText(k), "") << k;
        EXPECT_EQ(result.counts, (std::array<int, kKindCount>{}));
        EXPECT_TRUE(result.figures.empty());
    }
}

// A run depends on the points alone: the same points after other points give
// the same figures.
TEST(AnalysisRun, DependsOnThePointsAlone) {
    const Points points{{20, 20}, {60, 20}, {100, 20}, {20, 60}, {60, 60}, {100, 60}};
    const FigureAnalysis analysis;
    const AnalysisResult first = analysis.Run(Nodes(points));
    analysis.Run(Nodes({{0, 0}, {260, 220}, {40, 200}, {200, 0}, {120, 120}}));
    const AnalysisResult second = analysis.Run(Nodes(points));
    EXPECT_EQ(second.ReportText(), first.ReportText());
    EXPECT_EQ(second.counts, first.counts);
    ASSERT_EQ(second.figures.size(), first.figures.size());
    for (std::size_t f = 0; f < first.figures.size(); ++f) {
        EXPECT_EQ(second.figures[f].outline, first.figures[f].outline) << f;
        EXPECT_EQ(second.figures[f].evidence.squared_sides, first.figures[f].evidence.squared_sides)
            << f;
    }
}

// Report line n names figure n - 1 of the result, its points ascending and
// its outline in drawing order; the header names no figure.
TEST(AnalysisRun, EachReportLineNamesItsFigure) {
    const std::vector<GridPoint> points{{20, 20}, {60, 60}, {60, 20}, {20, 60}, {100, 20}};
    const AnalysisResult result = FigureAnalysis().Run(points);
    const std::vector<std::string> lines = Lines(result.ReportText());
    ASSERT_EQ(lines.size(), result.figures.size());
    EXPECT_EQ(result.FigureOfLine(0), nullptr);
    EXPECT_EQ(result.FigureOfLine(result.LineCount()), nullptr);
    for (int n = 1; n < result.LineCount(); ++n) {
        EXPECT_EQ(result.ReportLine(n), lines[static_cast<std::size_t>(n - 1)]);
        EXPECT_EQ(result.FigureOfLine(n), &result.figures[static_cast<std::size_t>(n - 1)]);
    }
    const auto square = std::find_if(result.figures.begin(), result.figures.end(),
                                     [](const Figure& f) { return f.kind == kSquare; });
    ASSERT_NE(square, result.figures.end());
    EXPECT_EQ(square->points, (std::array<int, 4>{0, 1, 2, 3}));
    EXPECT_EQ(square->outline,
              (std::array<int, 4>{0, 2, 1, 3}));  // (20,20) (60,20) (60,60) (20,60)
    EXPECT_EQ(square->evidence.squared_sides,
              (std::array<std::int64_t, 4>{1600, 1600, 1600, 1600}));
    EXPECT_EQ(square->evidence.squared_diagonals, (std::array<std::int64_t, 2>{3200, 3200}));
}

// Coordinates whose products leave 64 bits stop the run cleanly: what was
// found stays and the run says it did not complete.
TEST(AnalysisRun, OverflowStopsTheRunWithoutUndefinedBehaviour) {
    const AnalysisResult result =
        RunOn({{20, 20}, {60, 20}, {20, 60}, {2000000000, -2000000000}, {-2000000000, 2000000000}});
    EXPECT_FALSE(result.completed);
    ASSERT_FALSE(result.figures.empty());
    EXPECT_EQ(result.figures[0].kind, kIsoscelesRight);
    EXPECT_EQ(Lines(result.ReportText()).front(), std::string(kIsoscelesRightLabel) + "0,1,2");
    EXPECT_EQ(result.CountText(kIsoscelesRight), "1");
}

}  // namespace
}  // namespace plane_figures
