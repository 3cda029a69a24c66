#include "countranges.h"

#include <algorithm>
#include <set>

namespace plane_figures::classset {

namespace {

constexpr int kNoTop = 1 << 20;             // above any count
constexpr std::size_t kRangeStarts = 24;  // sets of the pool the ranges are sought from

}  // namespace

CountRanges::CountRanges(KindMask kinds) {
    for (std::size_t k = 0; k < ranges_.size(); ++k)
        ranges_[k] = Range{(kinds >> k & 1u) != 0 ? 1 : 0, kNoTop};
}

bool CountRanges::Within(const Counts& counts, const Ranges& ranges) {
    for (std::size_t k = 0; k < counts.size(); ++k) {
        if (counts[k] < ranges[k].low || counts[k] > ranges[k].high) return false;
    }
    return true;
}

int CountRanges::Outside(const Counts& counts) const {
    int outside = 0;
    for (std::size_t k = 0; k < counts.size(); ++k) {
        if (counts[k] < ranges_[k].low) outside += ranges_[k].low - counts[k];
        if (counts[k] > ranges_[k].high) outside += counts[k] - ranges_[k].high;
    }
    return outside;
}

CountRanges CountRanges::Holding(const std::vector<Counts>& pool, int variants, KindMask kinds) {
    const auto width = [](int low) { return std::max(1, low / 5); };
    // the sets within the ranges, as many as there are variants; then the
    // different answers among them, as many as there are variants; then all
    // the sets
    // (in 64 bits on every platform: a long of Windows' 32 would overflow)
    const auto held = [&](const Ranges& r) {
        std::set<Counts> answers;
        std::int64_t sets = 0;
        for (const Counts& counts : pool) {
            if (!Within(counts, r)) continue;
            answers.insert(AskedCounts(counts, kinds));
            ++sets;
        }
        const std::int64_t wanted = variants;
        const std::int64_t different =
            std::min<std::int64_t>(static_cast<std::int64_t>(answers.size()), wanted);
        return (std::min(sets, wanted) * 100 + different) * 1'000'000 + sets;
    };
    std::int64_t best = -1;
    Ranges chosen{};
    const std::size_t starts = std::min<std::size_t>(pool.size(), kRangeStarts);
    for (std::size_t s = 0; s < starts; ++s) {
        const Counts& from = pool[s * pool.size() / starts];
        Ranges ranges{};
        for (std::size_t k = 0; k < ranges.size(); ++k) {
            const int low = std::max(0, from[k] - width(from[k]) / 2);
            ranges[k] = Range{low, low + width(low)};
        }
        for (int pass = 0; pass < 3; ++pass) {
            for (std::size_t k = 0; k < ranges.size(); ++k) {
                // the sets within the other ranges, and the best place for this one
                std::vector<int> values;
                for (const Counts& counts : pool) {
                    Ranges others = ranges;
                    others[k] = Range{0, kNoTop};
                    if (Within(counts, others)) values.push_back(counts[k]);
                }
                if (values.empty()) continue;
                std::sort(values.begin(), values.end());
                int most = -1;
                for (const int low : values) {
                    const int high = low + width(low);
                    const auto n = std::upper_bound(values.begin(), values.end(), high) -
                                   std::lower_bound(values.begin(), values.end(), low);
                    if (n > most) {
                        most = static_cast<int>(n);
                        ranges[k] = Range{low, high};
                    }
                }
            }
        }
        if (const std::int64_t n = held(ranges); n > best) {
            best = n;
            chosen = ranges;
        }
    }
    return CountRanges(chosen);
}

}  // namespace plane_figures::classset
