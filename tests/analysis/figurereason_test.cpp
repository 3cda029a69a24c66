// The pupil's explanation of a found figure: its sides, equal sides, right
// angle and diagonals, read from what the analysis measured.
#include <gtest/gtest.h>

#include <algorithm>
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
        ReasonCase{"isosceles",
                   {{0, 0}, {40, 0}, {20, 60}},
                   kIsosceles,
                   "Равнобедрен триъгълник 0, 1, 2\n"
                   "Страни: 0–1 = 40; 1–2 = √4000 ≈ 63,25; 2–0 = √4000 ≈ 63,25.\n"
                   "Равни страни: 1–2 и 2–0."},
        ReasonCase{"right",
                   {{0, 0}, {40, 0}, {40, 80}},
                   kRight,
                   "Правоъгълен триъгълник 0, 1, 2\n"
                   "Страни: 0–1 = 40; 1–2 = 80; 2–0 = √8000 ≈ 89,44.\n"
                   "Правият ъгъл е при връх 1, срещу най-дългата страна 2–0:\n"
                   "40² + 80² = 1600 + 6400 = 8000 = (√8000)², квадратът на третата страна."},
        ReasonCase{"isosceles_right",
                   {{0, 0}, {40, 40}, {0, 40}},
                   kIsoscelesRight,
                   "Равнобедрен правоъгълен триъгълник 0, 1, 2\n"
                   "Страни: 0–1 = √3200 ≈ 56,57; 1–2 = 40; 2–0 = 40.\n"
                   "Равни страни: 1–2 и 2–0.\n"
                   "Правият ъгъл е при връх 2, срещу най-дългата страна 0–1:\n"
                   "40² + 40² = 1600 + 1600 = 3200 = (√3200)², квадратът на третата страна."},
        ReasonCase{"isosceles_right_on_the_diagonals",
                   {{0, 0}, {20, 20}, {40, 0}},
                   kIsoscelesRight,
                   "Равнобедрен правоъгълен триъгълник 0, 1, 2\n"
                   "Страни: 0–1 = √800 ≈ 28,28; 1–2 = √800 ≈ 28,28; 2–0 = 40.\n"
                   "Равни страни: 0–1 и 1–2.\n"
                   "Правият ъгъл е при връх 1, срещу най-дългата страна 2–0:\n"
                   "(√800)² + (√800)² = 800 + 800 = 1600 = 40², квадратът на третата страна."},
        ReasonCase{"square",
                   {{0, 0}, {40, 0}, {0, 40}, {40, 40}},
                   kSquare,
                   "Квадрат 0, 1, 2, 3\n"
                   "Страни: 0–1 = 40; 1–3 = 40; 3–2 = 40; 2–0 = 40.\n"
                   "Четирите страни са равни.\n"
                   "Диагоналите 0–3 и 1–2 са равни: √3200 ≈ 56,57 и √3200 ≈ 56,57."},
        ReasonCase{"rectangle",
                   {{0, 0}, {80, 0}, {0, 40}, {80, 40}},
                   kRectangle,
                   "Правоъгълник 0, 1, 2, 3\n"
                   "Страни: 0–1 = 80; 1–3 = 40; 3–2 = 80; 2–0 = 40.\n"
                   "Срещулежащите страни са равни: 0–1 и 3–2; 1–3 и 2–0.\n"
                   "Диагоналите 0–3 и 1–2 са равни: √8000 ≈ 89,44 и √8000 ≈ 89,44."},
        ReasonCase{
            "parallelogram",
            {{0, 0}, {80, 0}, {20, 40}, {100, 40}},
            kParallelogram,
            "Успоредник 0, 1, 2, 3\n"
            "Страни: 0–1 = 80; 1–3 = √2000 ≈ 44,72; 3–2 = 80; "
            "2–0 = √2000 ≈ 44,72.\n"
            "Срещулежащите страни са равни: 0–1 и 3–2; 1–3 и 2–0.\n"
            "Диагоналите 0–3 и 1–2 са различни по дължина: √11600 ≈ 107,70 и √5200 ≈ 72,11."},
        ReasonCase{"rhombus",
                   {{40, 0}, {80, 20}, {40, 40}, {0, 20}},
                   kRhombus,
                   "Ромб 0, 1, 2, 3\n"
                   "Страни: 0–1 = √2000 ≈ 44,72; 1–2 = √2000 ≈ 44,72; "
                   "2–3 = √2000 ≈ 44,72; 3–0 = √2000 ≈ 44,72.\n"
                   "Четирите страни са равни.\n"
                   "Диагоналите 0–2 и 1–3 са различни по дължина: 40 и 80."}),
    [](const auto& row) { return std::string(row.param.name); });

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
