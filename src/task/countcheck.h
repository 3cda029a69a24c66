// "Провери": the pupil's counts against the analysis's, kind by kind. A
// verdict says right or not, and when not, whether there are more or fewer,
// never how many.
#pragma once

#include <array>

#include "figurekinds.h"
#include "handedin.h"

namespace plane_figures::task {

enum class Verdict {
    kRight,
    kMore,   // there are more figures of the kind than he wrote
    kFewer,  // there are fewer
    kEmpty,  // the box is empty and there are some
};
using Verdicts = std::array<Verdict, kKindCount>;

// An empty box stands for none, as the program's own box shows none: it is
// right where there is no figure of the kind.
Verdicts Check(const Answer& answer, const std::array<int, kKindCount>& counts);

bool AllRight(const Verdicts& verdicts);

}  // namespace plane_figures::task
