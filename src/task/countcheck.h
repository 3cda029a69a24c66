// "Провери": the pupil's counts against the analysis's, kind by kind. A
// verdict says right or not, and when not, whether there are more or fewer,
// never how many.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "askedkinds.h"
#include "figurekinds.h"
#include "handedin.h"

namespace plane_figures::task {

enum class Verdict {
    kRight,
    kMore,      // there are more figures of the kind than he wrote
    kFewer,     // there are fewer
    kEmpty,     // the box is empty and there are some
    kNoNumber,  // the box holds something that is no count
    kNotAsked,  // the task does not ask for the kind: its box is not judged
};
using Verdicts = std::array<Verdict, kKindCount>;

// An empty box stands for none, as the program's own box shows none: it is
// right where there is no figure of the kind. Only the kinds asked are
// judged; the others are kNotAsked whatever their boxes hold.
Verdicts Check(const Answer& answer, const std::array<int, kKindCount>& counts,
               classset::KindMask asked = classset::kAllKinds);

// A count as a box or a file holds it: a whole number of nine digits at
// most, nothing else but blanks around it (an empty box is no count, and is
// a number in the first member).
struct ParsedCount {
    bool is_number = true;
    std::optional<int> count;
};
ParsedCount ParseCount(std::string_view text);

// The boxes as the pupil typed them, judged as Check does; a box of a kind
// asked that holds no count is kNoNumber.
using BoxTexts = std::array<std::string, kKindCount>;
Verdicts CheckBoxes(const BoxTexts& boxes, const std::array<int, kKindCount>& counts,
                    classset::KindMask asked);
// The boxes of the kinds asked hold nothing but blanks.
bool AskedBoxesBlank(const BoxTexts& boxes, classset::KindMask asked);

// Every kind asked is right (a kind not asked holds nothing back).
bool AllRight(const Verdicts& verdicts);

}  // namespace plane_figures::task
