// The analysis against an independent exact classifier over many random point
// sets on the canvas grid, and each figure's evidence against its coordinates.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "exactclassifier.h"
#include "figureanalysis.h"

namespace plane_figures {
namespace {

using testing::ClassifyExactly;
using ExactPoint = testing::GridPoint;

std::vector<plane_figures::GridPoint> Nodes(const std::vector<ExactPoint>& points) {
    std::vector<plane_figures::GridPoint> nodes;
    for (const ExactPoint& p : points) {
        nodes.push_back({static_cast<int>(p.x), static_cast<int>(p.y)});
    }
    return nodes;
}

std::int64_t Squared(ExactPoint a, ExactPoint b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

// the dot product of a→b and a→c
std::int64_t Dot(ExactPoint a, ExactPoint b, ExactPoint c) {
    return (b.x - a.x) * (c.x - a.x) + (b.y - a.y) * (c.y - a.y);
}

// A figure's evidence is that of its outline's points, and a quadrilateral's
// outline goes round it: its diagonals V0V2 and V1V3 bisect each other, so the
// drawn outline never crosses itself.
void ExpectMeasuredOnItsOutline(const std::vector<ExactPoint>& points, const Figure& figure) {
    const FigureEvidence& e = figure.evidence;
    const std::size_t n = static_cast<std::size_t>(figure.vertex_count);
    // vertex v round the outline
    const auto at = [&](std::size_t v) {
        return points[static_cast<std::size_t>(figure.outline[v % n])];
    };
    const auto next = [&](std::size_t v) { return at(v + 1); };
    for (std::size_t v = 0; v < n; ++v) {
        const auto side = static_cast<int>(v);
        EXPECT_EQ(e.squared_sides[v], Squared(at(v), next(v))) << "side " << v;
        EXPECT_EQ(e.OnGridLine(side), at(v).x == next(v).x || at(v).y == next(v).y) << v;
    }
    if (figure.IsTriangle()) {
        EXPECT_EQ(figure.outline, figure.points);
        const auto& s = e.squared_sides;
        for (std::size_t v = 0; v < 3; ++v) {
            const bool equal = s[v] == s[(v + 1) % 3] || s[v] == s[(v + 2) % 3];
            EXPECT_EQ(e.EqualToAnother(static_cast<int>(v)), equal) << "side " << v;
            const bool right = Dot(at(v), at(v + 1), at(v + 2)) == 0;
            EXPECT_EQ(e.right_angle == static_cast<int>(v), right) << "vertex " << v;
        }
        return;
    }
    std::array<int, 4> corners = figure.outline;
    std::ranges::sort(corners);
    EXPECT_EQ(corners, figure.points);
    EXPECT_EQ(e.squared_diagonals[0], Squared(at(0), at(2)));
    EXPECT_EQ(e.squared_diagonals[1], Squared(at(1), at(3)));
    EXPECT_EQ(at(0).x + at(2).x, at(1).x + at(3).x);
    EXPECT_EQ(at(0).y + at(2).y, at(1).y + at(3).y);
    EXPECT_TRUE(e.opposite_sides_parallel && e.opposite_sides_equal);
    EXPECT_EQ(e.four_equal_sides, Squared(at(0), at(1)) == Squared(at(1), at(2)));
    EXPECT_EQ(e.right_angles, Dot(at(0), at(1), at(3)) == 0 && Dot(at(1), at(2), at(0)) == 0);
    EXPECT_EQ(e.equal_diagonals, e.squared_diagonals[0] == e.squared_diagonals[1]);
}

// Grid nodes a click can reach: x 0..260 and y 0..220 in steps of 20.
constexpr int kColumns = 14;
constexpr int kRows = 12;

struct Profile {
    const char* name;
    int sets;
    int columns;  // the points come from the first columns x rows nodes
    int rows;
};

class CrossCheckTest : public ::testing::TestWithParam<Profile> {};

// Small grids force coinciding and collinear points and many true figures;
// the full grid reaches the canvas edges and the longest sides.
TEST_P(CrossCheckTest, AgreesWithTheExactClassifier) {
    const Profile& profile = GetParam();
    std::mt19937 random(20261208u + static_cast<unsigned>(profile.columns * 31 + profile.rows));
    std::uniform_int_distribution<int> count(3, 15);
    std::uniform_int_distribution<int> column(0, profile.columns - 1);
    std::uniform_int_distribution<int> row(0, profile.rows - 1);
    std::uniform_int_distribution<int> edge(0, 3);
    for (int set = 0; set < profile.sets; ++set) {
        std::vector<ExactPoint> points;
        const int n = count(random);
        for (int p = 0; p < n; ++p) {
            int x = 20 * column(random);
            int y = 20 * row(random);
            // now and then pin a point to an edge of the canvas
            if (profile.columns == kColumns && edge(random) == 0) x = 260;
            if (profile.rows == kRows && edge(random) == 0) y = 220;
            points.push_back({x, y});
        }
        const AnalysisResult result = FigureAnalysis().Run(Nodes(points));
        ASSERT_TRUE(result.completed);
        const auto expected = ClassifyExactly(points);
        ASSERT_EQ(result.ReportText(), expected.report) << profile.name << " set " << set;
        for (int k = 0; k < kKindCount; ++k) {
            const int c = expected.counts[static_cast<std::size_t>(k)];
            ASSERT_EQ(result.CountText(k), c == 0 ? "" : std::to_string(c))
                << profile.name << " set " << set << " kind " << k;
        }
        for (const Figure& figure : result.figures) {
            ExpectMeasuredOnItsOutline(points, figure);
            if (::testing::Test::HasFailure()) FAIL() << profile.name << " set " << set;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Random, CrossCheckTest,
                         ::testing::Values(Profile{"crowded_3x3", 1500, 3, 3},
                                           Profile{"small_5x4", 1500, 5, 4},
                                           Profile{"full_canvas", 1500, kColumns, kRows}),
                         [](const auto& row) { return std::string(row.param.name); });

// Every quadruple of a 4 x 4 patch in every entry order: the result does not
// depend on which corner the pupil clicked first.
TEST(CrossCheckOrders, EveryEntryOrderOfEveryQuadruple) {
    std::vector<ExactPoint> patch;
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) patch.push_back({40 + 20 * x, 60 + 20 * y});
    int checked = 0;
    for (std::size_t a = 0; a < patch.size(); ++a)
        for (std::size_t b = a + 1; b < patch.size(); ++b)
            for (std::size_t c = b + 1; c < patch.size(); ++c)
                for (std::size_t d = c + 1; d < patch.size(); ++d) {
                    std::vector<ExactPoint> quad{patch[a], patch[b], patch[c], patch[d]};
                    std::sort(quad.begin(), quad.end(), [](auto p, auto q) {
                        return std::pair(p.x, p.y) < std::pair(q.x, q.y);
                    });
                    do {
                        const AnalysisResult result = FigureAnalysis().Run(Nodes(quad));
                        ASSERT_EQ(result.ReportText(), ClassifyExactly(quad).report);
                        for (const Figure& figure : result.figures) {
                            ExpectMeasuredOnItsOutline(quad, figure);
                        }
                        ASSERT_FALSE(::testing::Test::HasFailure());
                        ++checked;
                    } while (std::next_permutation(quad.begin(), quad.end(), [](auto p, auto q) {
                        return std::pair(p.x, p.y) < std::pair(q.x, q.y);
                    }));
                }
    EXPECT_EQ(checked, 1820 * 24);
}

}  // namespace
}  // namespace plane_figures
