// The seven figure kinds of the count frame and what the analysis writes for them.
#pragma once

#include <array>
#include <string_view>

namespace plane_figures {

// Row of the count frame: caption, pupil's count, program's count.
enum FigureKind : int {
    kIsosceles = 0,
    kRight = 1,
    kIsoscelesRight = 2,
    kParallelogram = 3,
    kRectangle = 4,
    kSquare = 5,
    kRhombus = 6,
};
inline constexpr int kKindCount = 7;

// The kinds in full words, as the reason text and the printed sheets name them
// (the window's count labels below are cut short to fit).
inline constexpr std::array<std::string_view, kKindCount> kKindNames{
    "Равнобедрен триъгълник",
    "Правоъгълен триъгълник",
    "Равнобедрен правоъгълен триъгълник",
    "Успоредник",
    "Правоъгълник",
    "Квадрат",
    "Ромб",
};

// Caption of each row in the count frame.
inline constexpr std::array<std::string_view, kKindCount> kKindCaptions{
    "Равнобедрен тр.",
    "Правоъгълен тр.",
    "Прав-равнобедрен",
    "Успоредник",
    "Правоъгълник",
    "Квадрат",
    "Ромб",
};

// Report labels; each ends in the blank that separates it from the numbers.
inline constexpr std::array<std::string_view, kKindCount> kReportLabels{
    "Равнобедрен ",
    "Правоъгълен ",
    "Равнобедрен и правоъгълен ",
    "Успоредник 2х2 успоредни страни - различни диагонали: ",
    "Правоъгълник - равни диагонали: ",
    "Квадрат с равни страни: ",
    "Ромб равни страни - различни диагонали: ",
};

// How the kinds are counted, for a pupil who counts by his textbook's
// definitions: each figure in its narrowest kind alone.
inline constexpr std::string_view kOneKindEach =
    "Всяка фигура се брои само веднъж – в най-точния си вид: квадратът не се брои и като "
    "правоъгълник, ромб или успоредник, а равнобедреният правоъгълен триъгълник – и като "
    "равнобедрен или правоъгълен.";

inline constexpr std::string_view kReportHeader = "Брой въведени точки: ";
inline constexpr std::string_view kCrLf = "\r\n";

}  // namespace plane_figures
