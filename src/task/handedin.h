// What a pupil's saved task holds beside its points, as comment lines that
// any copy of the program skips:
//
//   # Равнинни фигури: вариант 7 от 25, код 48213, точки 10, видове 1,2,3,4,5,6,7
//   # ученик: Име Фамилия, 6 а
//   # отговор: 12 9 3 2 1 1 -
//   # проверки: 3
//   # подсказки: 2
//   # показани отговори: не
//
// The answer is the pupil's counts in the count frame's order, '-' for an
// empty box.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "classsetfiles.h"
#include "figurekinds.h"
#include "gridpoint.h"

namespace plane_figures::task {

// The pupil's count of each kind; nothing where the box is empty.
using Answer = std::array<std::optional<int>, kKindCount>;

struct PupilLines {
    std::string pupil;  // name and class, as he wrote them on one line
    Answer answer{};
    int checks = 0;
    int hints = 0;
    bool answers_shown = false;
    friend bool operator==(const PupilLines&, const PupilLines&) = default;
};

struct HandedIn {
    classset::VariantLabel variant;
    // nothing in a variant's file as the set made it, or one written by hand
    std::optional<PupilLines> pupil;
    friend bool operator==(const HandedIn&, const HandedIn&) = default;
};

// The answer line's counts: "12 9 3 2 1 1 -".
std::string AnswerText(const Answer& answer);

// A saved task's whole text: the variant's line, the pupil's lines, then the
// points as a point file holds them; LF line ends.
std::string FileText(const HandedIn& handed_in, std::span<const GridPoint> points);

// What the comment lines of a file's text say: its first line (after a
// byte-order mark) must name a variant. The pupil's lines are read wherever
// they stand among the lines, when any of them is there; one missing or not
// well formed counts as empty (no name, empty boxes, none, "не"). Nothing
// when the first line names no variant.
std::optional<HandedIn> Read(std::string_view file_text);

}  // namespace plane_figures::task
