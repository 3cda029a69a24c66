#include "countcheck.h"

#include <algorithm>

namespace plane_figures::task {

Verdicts Check(const Answer& answer, const std::array<int, kKindCount>& counts) {
    Verdicts verdicts{};
    for (std::size_t k = 0; k < verdicts.size(); ++k) {
        const int count = counts[k];
        if (!answer[k]) {
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
    return std::ranges::all_of(verdicts, [](Verdict v) { return v == Verdict::kRight; });
}

}  // namespace plane_figures::task
