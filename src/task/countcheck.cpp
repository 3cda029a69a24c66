#include "countcheck.h"

#include <algorithm>

namespace plane_figures::task {

Verdicts Check(const Answer& answer, const std::array<int, kKindCount>& counts,
               classset::KindMask asked) {
    Verdicts verdicts{};
    for (std::size_t k = 0; k < verdicts.size(); ++k) {
        const int count = counts[k];
        if (!classset::Asks(asked, static_cast<int>(k))) {
            verdicts[k] = Verdict::kNotAsked;
        } else if (!answer[k]) {
            verdicts[k] = count == 0 ? Verdict::kRight : Verdict::kEmpty;
        } else if (*answer[k] == count) {
            verdicts[k] = Verdict::kRight;
        } else {
            verdicts[k] = *answer[k] < count ? Verdict::kMore : Verdict::kFewer;
        }
    }
    return verdicts;
}

bool AllRight(const Verdicts& verdicts) {
    return std::ranges::all_of(
        verdicts, [](Verdict v) { return v == Verdict::kRight || v == Verdict::kNotAsked; });
}

}  // namespace plane_figures::task
