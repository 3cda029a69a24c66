// When a class set is balanced: for each kind, the largest and the smallest
// count over the variants differ by at most 1, or by at most a fifth of the
// median count where that is more.
#pragma once

#include <array>
#include <span>

#include "figurekinds.h"

namespace plane_figures::classset {

using Counts = std::array<int, kKindCount>;

// Whether the counts of one kind over the variants keep the rule; whole
// numbers only (the median of an even number of counts is the mean of the
// middle two, compared doubled).
bool KindBalanced(std::span<const int> counts);

// Whether every kind keeps the rule over these variants' counts.
bool Balanced(std::span<const Counts> variants);

}  // namespace plane_figures::classset
