// What a class set is made from: how many variants, how many points each,
// which kinds every variant must hold, and the code that makes it again.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "figurekinds.h"
#include "pointset.h"

namespace plane_figures::classset {

// A set of kinds: bit k for row k of the count frame (0..6).
using KindMask = unsigned;
inline constexpr KindMask kAllKinds = (1u << kKindCount) - 1;

struct ClassSettings {
    static constexpr int kMinVariants = 1;
    static constexpr int kMaxVariants = 40;
    static constexpr int kMinPoints = 4;
    static constexpr int kMaxPoints = PointSet::kCapacity;  // as many as the window takes
    static constexpr std::uint64_t kMaxCode = 999'999'999;

    int variants = 25;
    int points = 10;
    KindMask kinds = kAllKinds;
    std::uint64_t code = 1;

    friend bool operator==(const ClassSettings&, const ClassSettings&) = default;
};

// The fewest points that some set of distinct grid nodes needs so that every
// kind of kinds appears in it at least once.
int MinimumPoints(KindMask kinds);

// The most variants that a class set of these kinds and points is made
// with: ClassSettings::kMaxVariants, but fewer for some sets of kinds with
// the fewest points they need (or one more), where few shapes, none similar
// to another, hold them all.
int MostVariants(KindMask kinds, int points);

// Why these settings cannot make a class set, in Bulgarian, or nothing when
// they can: a value out of range, or a kind that cannot appear together with
// the others asked for in so few points (named in full words), more variants
// than so few points give.
std::optional<std::string> Refusal(const ClassSettings& settings);

// The kinds as the command line and the first comment line write them: their
// rows 1 to 7, ascending, separated by commas ("1,2,3,4,5,6,7").
std::string KindList(KindMask kinds);
// The kinds of such a list, or nothing when it is not one (an empty list,
// a row outside 1..7, a row twice, anything else than digits and commas).
std::optional<KindMask> ParseKindList(const std::string& text);

}  // namespace plane_figures::classset
