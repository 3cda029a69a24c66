// The analysis, with its square roots and tolerance, against an exact integer
// classifier over many random point sets on the canvas grid.
#include <gtest/gtest.h>

#include <random>

#include "figureanalysis.h"
#include "exactclassifier.h"
#include "fakecontrols.h"

namespace plane_figures {
namespace {

using testing::ClassifyExactly;
using testing::FakeControls;
using testing::GridPoint;

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
        FakeControls fake;
        std::vector<GridPoint> points;
        const int n = count(random);
        for (int p = 0; p < n; ++p) {
            int x = 20 * column(random);
            int y = 20 * row(random);
            // now and then pin a point to an edge of the canvas
            if (profile.columns == kColumns && edge(random) == 0) x = 260;
            if (profile.rows == kRows && edge(random) == 0) y = 220;
            fake.AddPoint(x, y);
            points.push_back({x, y});
        }
        FigureAnalysis analysis;
        ASSERT_TRUE(fake.RunAnalysis(analysis));
        const auto expected = ClassifyExactly(points);
        ASSERT_EQ(fake.report, expected.report) << profile.name << " set " << set;
        for (int k = 0; k < kKindCount; ++k) {
            const int c = expected.counts[static_cast<std::size_t>(k)];
            ASSERT_EQ(fake.counts[static_cast<std::size_t>(k)], c == 0 ? "" : std::to_string(c))
                << profile.name << " set " << set << " kind " << k;
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
    std::vector<GridPoint> patch;
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) patch.push_back({40 + 20 * x, 60 + 20 * y});
    int checked = 0;
    for (std::size_t a = 0; a < patch.size(); ++a)
        for (std::size_t b = a + 1; b < patch.size(); ++b)
            for (std::size_t c = b + 1; c < patch.size(); ++c)
                for (std::size_t d = c + 1; d < patch.size(); ++d) {
                    std::vector<GridPoint> quad{patch[a], patch[b], patch[c], patch[d]};
                    std::sort(quad.begin(), quad.end(), [](auto p, auto q) {
                        return std::pair(p.x, p.y) < std::pair(q.x, q.y);
                    });
                    do {
                        FakeControls fake;
                        for (const auto& p : quad) {
                            fake.AddPoint(static_cast<int>(p.x), static_cast<int>(p.y));
                        }
                        FigureAnalysis analysis;
                        fake.RunAnalysis(analysis);
                        ASSERT_EQ(fake.report, ClassifyExactly(quad).report);
                        ++checked;
                    } while (std::next_permutation(quad.begin(), quad.end(), [](auto p, auto q) {
                        return std::pair(p.x, p.y) < std::pair(q.x, q.y);
                    }));
                }
    EXPECT_EQ(checked, 1820 * 24);
}

}  // namespace
}  // namespace plane_figures
