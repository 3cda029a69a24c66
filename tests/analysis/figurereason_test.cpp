// The pupil's explanation of a found figure in the grid's squares: its
// sides, equal sides, right angle and diagonals, read from what the analysis
// measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "figureanalysis.h"
#include "figurereason.h"

namespace plane_figures {
namespace {

struct ReasonCase {
    const char* name;
    std::vector<GridPoint> points;
    FigureKind kind;
    const char* text;
};

// The first figure of the kind that the analysis finds among the points.
Figure FirstOfKind(const std::vector<GridPoint>& points, FigureKind kind) {
    const AnalysisResult result = FigureAnalysis().Run(points);
    const auto it = std::find_if(result.figures.begin(), result.figures.end(),
                                 [&](const Figure& f) { return f.kind == kind; });
    EXPECT_NE(it, result.figures.end()) << "no figure of kind " << kind;
    return it == result.figures.end() ? Figure{} : *it;
}

class FigureReasonTest : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(FigureReasonTest, SaysWhyTheFigureIsItsKind) {
    const ReasonCase& c = GetParam();
    EXPECT_EQ(FigureReason(FirstOfKind(c.points, c.kind), c.points), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FigureReasonTest,
    ::testing::Values(
        ReasonCase{"isosceles_same_steps",
                   {{0, 0}, {40, 0}, {20, 60}},
                   kIsosceles,
                   "Равнобедрен триъгълник 0, 1, 2\n"
                   "0–1: 2 квадратчета надясно.\n"
                   "1–2: 1 квадратче наляво и 3 надолу.\n"
                   "2–0: 1 квадратче наляво и 3 нагоре.\n"
                   "Страните 1–2 и 2–0 са равни: и двете са по 1 и 3 квадратчета, само "
                   "завъртени или огледални."},
        ReasonCase{"isosceles_other_steps",
                   {{0, 0}, {60, 80}, {100, 0}},
                   kIsosceles,
                   "Равнобедрен триъгълник 0, 1, 2\n"
                   "0–1: 3 квадратчета надясно и 4 надолу.\n"
                   "1–2: 2 квадратчета надясно и 4 нагоре.\n"
                   "2–0: 5 квадратчета наляво.\n"
                   "Страните 0–1 и 2–0 са равни: 3·3 + 4·4 = 25 = 5·5."},
        ReasonCase{"right_along_the_grid",
                   {{0, 0}, {40, 0}, {40, 80}},
                   kRight,
                   "Правоъгълен триъгълник 0, 1, 2\n"
                   "0–1: 2 квадратчета надясно.\n"
                   "1–2: 4 квадратчета надолу.\n"
                   "2–0: 2 квадратчета наляво и 4 нагоре.\n"
                   "Правият ъгъл е при връх 1: страните 1–2 и 1–0 следват линиите на мрежата – "
                   "едната водоравно, другата отвесно."},
        ReasonCase{"right_turned_and_taken_twice",
                   {{20, 20}, {40, 60}, {120, 20}},
                   kRight,
                   "Правоъгълен триъгълник 0, 1, 2\n"
                   "0–1: 1 квадратче надясно и 2 надолу.\n"
                   "1–2: 4 квадратчета надясно и 2 нагоре.\n"
                   "2–0: 5 квадратчета наляво.\n"
                   "Правият ъгъл е при връх 1: от него страните вървят (4; −2) и (−1; −2); "
                   "(4; −2) е 2 пъти по (2; −1), а (2; −1), завъртено на четвърт оборот, дава "
                   "(−1; −2)."},
        ReasonCase{"isosceles_right_on_the_diagonals",
                   {{0, 0}, {20, 20}, {40, 0}},
                   kIsoscelesRight,
                   "Равнобедрен правоъгълен триъгълник 0, 1, 2\n"
                   "0–1: 1 квадратче надясно и 1 надолу.\n"
                   "1–2: 1 квадратче надясно и 1 нагоре.\n"
                   "2–0: 2 квадратчета наляво.\n"
                   "Страните 0–1 и 1–2 са равни: и двете са по 1 и 1 квадратчета, само "
                   "завъртени или огледални.\n"
                   "Правият ъгъл е при връх 1: от него страните вървят (1; −1) и (−1; −1) – "
                   "едни и същи стъпки, завъртени на четвърт оборот."},
        ReasonCase{"square",
                   {{0, 0}, {40, 0}, {0, 40}, {40, 40}},
                   kSquare,
                   "Квадрат 0, 1, 2, 3\n"
                   "0–1: 2 квадратчета надясно.\n"
                   "1–3: 2 квадратчета надолу.\n"
                   "3–2: 2 квадратчета наляво.\n"
                   "2–0: 2 квадратчета нагоре.\n"
                   "Срещулежащите страни са едни и същи стъпки, затова са успоредни и равни: "
                   "0–1 и 2–3 са (2; 0), 1–3 и 0–2 са (0; 2).\n"
                   "Четирите страни са равни: съседните 0–1 и 1–3 – и двете са по 2 квадратчета, "
                   "само завъртени или огледални.\n"
                   "Диагоналите 0–3 и 1–2 са равни: и двете са по 2 и 2 квадратчета, само "
                   "завъртени или огледални."},
        ReasonCase{"parallelogram",
                   {{0, 0}, {80, 0}, {20, 40}, {100, 40}},
                   kParallelogram,
                   "Успоредник 0, 1, 2, 3\n"
                   "0–1: 4 квадратчета надясно.\n"
                   "1–3: 1 квадратче надясно и 2 надолу.\n"
                   "3–2: 4 квадратчета наляво.\n"
                   "2–0: 1 квадратче наляво и 2 нагоре.\n"
                   "Срещулежащите страни са едни и същи стъпки, затова са успоредни и равни: "
                   "0–1 и 2–3 са (4; 0), 1–3 и 0–2 са (1; 2).\n"
                   "Диагоналите 0–3 и 1–2 не са равни: 5·5 + 2·2 = 29, а 3·3 + 2·2 = 13."},
        ReasonCase{"rhombus_other_steps",
                   {{0, 0}, {60, 80}, {160, 80}, {100, 0}},
                   kRhombus,
                   "Ромб 0, 1, 2, 3\n"
                   "0–1: 3 квадратчета надясно и 4 надолу.\n"
                   "1–2: 5 квадратчета надясно.\n"
                   "2–3: 3 квадратчета наляво и 4 нагоре.\n"
                   "3–0: 5 квадратчета наляво.\n"
                   "Срещулежащите страни са едни и същи стъпки, затова са успоредни и равни: "
                   "0–1 и 3–2 са (3; 4), 1–2 и 0–3 са (5; 0).\n"
                   "Четирите страни са равни: съседните 0–1 и 1–2 – 3·3 + 4·4 = 25 = 5·5.\n"
                   "Диагоналите 0–2 и 1–3 не са равни: 8·8 + 4·4 = 80, а 2·2 + 4·4 = 20."}),
    [](const auto& row) { return std::string(row.param.name); });

// Over many sets of nodes, no reason speaks of roots or decimals, and each
// one's squares added up are true.
TEST(FigureReasonWordsTest, NoRootsNorDecimalsAndSumsThatHold) {
    std::uint32_t seed = 7;
    const auto next = [&seed](int n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<std::int32_t>((seed >> 8) % static_cast<std::uint32_t>(n));
    };
    const std::regex sum("(\\d+)·\\1(?: \\+ (\\d+)·\\2)? = (\\d+)");
    for (int set = 0; set < 40; ++set) {
        std::vector<GridPoint> points;
        while (points.size() < 9) {
            const GridPoint p{20 * next(14), 20 * next(12)};
            if (std::find(points.begin(), points.end(), p) == points.end()) points.push_back(p);
        }
        for (const Figure& figure : FigureAnalysis().Run(points).figures) {
            const std::string text = FigureReason(figure, points);
            ASSERT_FALSE(text.empty());
            EXPECT_EQ(text.find("√"), std::string::npos) << text;
            EXPECT_FALSE(std::regex_search(text, std::regex("\\d,\\d"))) << text;
            for (auto it = std::sregex_iterator(text.begin(), text.end(), sum);
                 it != std::sregex_iterator(); ++it) {
                const long a = std::stol((*it)[1]);
                const long b = (*it)[2].matched ? std::stol((*it)[2]) : 0;
                EXPECT_EQ(a * a + b * b, std::stol((*it)[3])) << text;
            }
        }
    }
}

// A figure found before a point moved or was removed explains nothing.
TEST(FigureReasonStaleTest, GivesNoTextForPointsItWasNotMeasuredOn) {
    std::vector<GridPoint> points{{0, 0}, {40, 0}, {0, 40}, {40, 40}};
    const Figure square = FirstOfKind(points, kSquare);
    points[3] = {60, 40};
    EXPECT_EQ(FigureReason(square, points), "");
    points.pop_back();
    EXPECT_EQ(FigureReason(square, points), "");
}

}  // namespace
}  // namespace plane_figures
