// The ranges of counts a class set's variants keep, one per kind, each as
// wide as the balance rule allows (1, or a fifth of its low end), so that any
// sets within all of them keep the rule.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "askedkinds.h"
#include "balancerule.h"

namespace plane_figures::classset {

class CountRanges {
public:
    // Before any are chosen: each kind asked at least once, the others any.
    explicit CountRanges(KindMask kinds);

    // The ranges that hold the most of pool's counts: as many sets as
    // variants, then as many different answers (the counts of the kinds
    // asked) among them, then all the sets. From each of a few sets of the
    // pool, each range is moved in turn to where it keeps the most sets
    // within the others, a few times over.
    static CountRanges Holding(const std::vector<Counts>& pool, int variants, KindMask kinds);

    int Low(std::size_t kind) const { return ranges_[kind].low; }
    // how far counts lie outside the ranges, over all kinds; 0 within all
    int Outside(const Counts& counts) const;

private:
    struct Range {
        int low = 0;
        int high = 0;
    };
    using Ranges = std::array<Range, kKindCount>;
    explicit CountRanges(const Ranges& ranges) : ranges_(ranges) {}
    static bool Within(const Counts& counts, const Ranges& ranges);

    Ranges ranges_{};
};

}  // namespace plane_figures::classset
