// The kinds a class set asks for are its task: the worksheets, the key, the
// check and the hints are about them alone. What tells a pupil how figures
// are counted names no kind that is not asked: a figure that counts in a
// narrower kind is said by what it has ("with a right angle").
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "classset.h"
#include "classsettings.h"

namespace plane_figures::classset {

// The kinds a set asks its pupils to count: those every variant must hold,
// or all seven for a set that names none (it holds no kind for certain, and
// its pupils count them all).
inline constexpr KindMask AskedOf(KindMask kinds) {
    return (kinds & kAllKinds) == 0 ? kAllKinds : kinds & kAllKinds;
}
inline constexpr bool AsksAll(KindMask kinds) { return AskedOf(kinds) == kAllKinds; }
// The counts of the kinds asked, the others 0: what a pupil answers, and
// what two variants must not share.
inline std::array<int, kKindCount> AskedCounts(const std::array<int, kKindCount>& counts,
                                               KindMask kinds) {
    std::array<int, kKindCount> asked{};
    for (int k = 0; k < kKindCount; ++k) {
        if (((AskedOf(kinds) >> k) & 1u) != 0) asked[std::size_t(k)] = counts[std::size_t(k)];
    }
    return asked;
}
inline constexpr bool Asks(KindMask kinds, int kind) {
    return kind >= 0 && kind < kKindCount && ((AskedOf(kinds) >> kind) & 1u) != 0;
}

// For each kind, the figures that have its properties but count in a
// narrower kind, and so are not counted as it; empty for the narrowest kinds
// (the isosceles right triangle, the square). Whole clauses in the core's
// Bulgarian, translated by their bytes (context "Worksheet") like
// kOneKindEach.
inline constexpr std::array<std::string_view, kKindCount> kNotCountedAs{
    "равнобедрен триъгълник с прав ъгъл не се брои като равнобедрен",
    "правоъгълен триъгълник с две равни страни не се брои като правоъгълен",
    "",
    "успоредник с прав ъгъл или с равни страни не се брои като успоредник",
    "правоъгълник с равни страни не се брои като правоъгълник",
    "",
    "ромб с прав ъгъл не се брои като ромб",
};

// How the kinds are counted on a sheet that asks some kinds only: this,
// then ", всяка фигура – само в най-точния си вид: " and the clauses above of
// the kinds asked, joined by "; ", then a full stop; or this and a full stop
// alone when no kind asked has such a clause.
inline constexpr std::string_view kOnlyTheTable = "Броят се само видовете от таблицата";
inline constexpr std::string_view kEachInItsNarrowest =
    ", всяка фигура – само в най-точния си вид: ";

// The work a set gives each pupil: the figures of the kinds asked in a
// variant, their mean (rounded) and the fewest and most in one variant.
struct Work {
    int mean = 0;
    int fewest = 0;
    int most = 0;
};
inline Work WorkOf(const ClassSet& set) {
    Work work;
    long total = 0;
    for (std::size_t v = 0; v < set.variants.size(); ++v) {
        int figures = 0;
        for (int k = 0; k < kKindCount; ++k) {
            if (Asks(set.settings.kinds, k))
                figures += set.variants[v].counts[static_cast<std::size_t>(k)];
        }
        total += figures;
        work.fewest = v == 0 ? figures : std::min(work.fewest, figures);
        work.most = v == 0 ? figures : std::max(work.most, figures);
    }
    const long n = static_cast<long>(set.variants.size());
    if (n > 0) work.mean = static_cast<int>((2 * total + n) / (2 * n));
    return work;
}

}  // namespace plane_figures::classset
