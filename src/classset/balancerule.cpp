#include "balancerule.h"

#include <algorithm>
#include <vector>

namespace plane_figures::classset {

bool KindBalanced(std::span<const int> counts) {
    if (counts.empty()) return true;
    std::vector<int> sorted(counts.begin(), counts.end());
    std::sort(sorted.begin(), sorted.end());
    const int spread = sorted.back() - sorted.front();
    if (spread <= 1) return true;
    const std::size_t n = sorted.size();
    // twice the median, so that an even count's mean of the middle two stays whole
    const long twice_median =
        n % 2 == 1 ? 2L * sorted[n / 2] : long{sorted[n / 2 - 1]} + sorted[n / 2];
    // spread <= median / 5
    return 10L * spread <= twice_median;
}

bool Balanced(std::span<const Counts> variants) {
    for (std::size_t k = 0; k < static_cast<std::size_t>(kKindCount); ++k) {
        std::vector<int> counts;
        for (const Counts& c : variants) counts.push_back(c[k]);
        if (!KindBalanced(counts)) return false;
    }
    return true;
}

}  // namespace plane_figures::classset
