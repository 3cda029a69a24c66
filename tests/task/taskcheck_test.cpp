// "Провери" and "Подсказка" decided from the counts and the figures' evidence.
#include <gtest/gtest.h>

#include <algorithm>

#include "countcheck.h"
#include "figureanalysis.h"
#include "hints.h"

using namespace plane_figures;
using namespace plane_figures::task;

namespace {

struct CheckCase {
    const char* name;
    std::optional<int> box;
    int count;
    Verdict verdict;
};

class CheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckTest, SaysRightMoreFewerOrEmptyInEveryRow) {
    const CheckCase& c = GetParam();
    for (std::size_t k = 0; k < kKindCount; ++k) {
        Answer answer{};
        std::array<int, kKindCount> counts{};
        answer.fill(0);
        answer[k] = c.box;
        counts[k] = c.count;
        const Verdicts verdicts = Check(answer, counts);
        for (std::size_t other = 0; other < kKindCount; ++other)
            EXPECT_EQ(verdicts[other], other == k ? c.verdict : Verdict::kRight) << c.name << k;
        EXPECT_EQ(AllRight(verdicts), c.verdict == Verdict::kRight) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CheckTest,
    ::testing::Values(CheckCase{"right", 3, 3, Verdict::kRight},
                      CheckCase{"zero_right", 0, 0, Verdict::kRight},
                      CheckCase{"empty_for_none", std::nullopt, 0, Verdict::kRight},
                      CheckCase{"empty_for_some", std::nullopt, 2, Verdict::kEmpty},
                      CheckCase{"too_few", 1, 2, Verdict::kMore},
                      CheckCase{"zero_for_some", 0, 1, Verdict::kMore},
                      CheckCase{"too_many", 5, 4, Verdict::kFewer},
                      CheckCase{"some_for_none", 1, 0, Verdict::kFewer}),
    [](const auto& row) { return std::string(row.param.name); });

// an upright square (points 1-4) and a tilted one (points 5-8), far apart
const std::vector<GridPoint> kTwoSquares{{20, 20},   {60, 20},   {60, 60},   {20, 60},
                                         {240, 220}, {280, 240}, {260, 280}, {220, 260}};
// a right triangle along the grid (1-3) and a tilted one (4-6); points 2, 3
// and 5 make the largest right triangle with tilted arms
const std::vector<GridPoint> kTwoRightTriangles{{20, 20},   {60, 20},   {20, 60},
                                                {240, 220}, {280, 240}, {200, 300}};

struct HintCase {
    const char* name;
    std::vector<GridPoint> points;
    FigureKind kind;
    Verdict verdict;
    EasyToMiss first;
    std::array<int, 4> first_figure;  // its points in the report's numbering, from 0
};

class HintTest : public ::testing::TestWithParam<HintCase> {};

TEST_P(HintTest, FirstWhatIsEasyToMissThenTheHardestFigure) {
    const HintCase& c = GetParam();
    const AnalysisResult result = FigureAnalysis().Run(c.points);
    const Hints hints = HintsFor(result, c.kind, c.verdict);
    EXPECT_EQ(hints.first, c.first) << c.name;
    ASSERT_EQ(static_cast<int>(hints.figures.size()), result.counts[c.kind]) << c.name;
    for (const int i : hints.figures) EXPECT_EQ(result.figures[i].kind, c.kind) << c.name;
    const Figure& first = result.figures[static_cast<std::size_t>(hints.figures.front())];
    std::array<int, 4> points = first.points;
    if (first.IsTriangle()) points[3] = -1;
    EXPECT_EQ(points, c.first_figure) << c.name;
    // hard figures never follow easier ones
    const auto hard = [&](int i) { return HardToSee(result.figures[static_cast<std::size_t>(i)]); };
    EXPECT_TRUE(std::ranges::is_sorted(hints.figures, std::greater<>(), hard)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Evidence, HintTest,
                         ::testing::Values(HintCase{"tilted_square_first",
                                                    kTwoSquares,
                                                    kSquare,
                                                    Verdict::kMore,
                                                    EasyToMiss::kTiltedSides,
                                                    {4, 5, 6, 7}},
                                           HintCase{"upright_square_alone",
                                                    {{20, 20}, {60, 20}, {60, 60}, {20, 60}},
                                                    kSquare,
                                                    Verdict::kEmpty,
                                                    EasyToMiss::kLargeFigures,
                                                    {0, 1, 2, 3}},
                                           HintCase{"counted_too_many",
                                                    kTwoSquares,
                                                    kSquare,
                                                    Verdict::kFewer,
                                                    EasyToMiss::kNarrowestKind,
                                                    {4, 5, 6, 7}},
                                           HintCase{"right_angle_off_the_grid",
                                                    kTwoRightTriangles,
                                                    kRight,
                                                    Verdict::kMore,
                                                    EasyToMiss::kRightAngleOffGrid,
                                                    {1, 2, 4, -1}},
                                           HintCase{"isosceles_right_along_the_grid",
                                                    {{20, 20}, {60, 20}, {20, 60}},
                                                    kIsoscelesRight,
                                                    Verdict::kEmpty,
                                                    EasyToMiss::kLargeFigures,
                                                    {0, 1, 2, -1}},
                                           HintCase{"isosceles_sides_tilted",
                                                    {{20, 20}, {100, 20}, {60, 60}, {60, 140}},
                                                    kIsosceles,
                                                    Verdict::kMore,
                                                    EasyToMiss::kEqualSidesTilted,
                                                    {0, 1, 3, -1}}),
                         [](const auto& row) { return std::string(row.param.name); });

// A box's text as a count: blanks around it are no text, anything but
// ASCII digits (a sign, a decimal point, another script's digit) is no count.
struct ParseCase {
    const char* box;
    bool number;
    std::optional<int> count;
};

TEST(ParseCountTest, ReadsAWholeNumberOrSaysItIsNone) {
    const ParseCase cases[] = {
        {"", true, std::nullopt},
        {"   ", true, std::nullopt},
        {" 7 ", true, 7},
        {"\t7\r\n", true, 7},
        {"0", true, 0},
        {"007", true, 7},
        {"123456789", true, 123456789},
        {"1234567890", false, std::nullopt},
        {"+3", false, std::nullopt},
        {"-1", false, std::nullopt},
        {"3.0", false, std::nullopt},
        {"3 4", false, std::nullopt},
        {"\u0663", false, std::nullopt},
        {"пет", false, std::nullopt},
    };
    for (const ParseCase& c : cases) {
        const ParsedCount parsed = ParseCount(c.box);
        EXPECT_EQ(parsed.is_number, c.number) << c.box;
        EXPECT_EQ(parsed.count, c.count) << c.box;
    }
}

}  // namespace
