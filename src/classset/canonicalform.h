// The shape of a point set whatever its place, turn or mirror image: two sets
// have the same canonical form exactly when one is the other shifted, turned
// by quarter turns and perhaps mirrored; the same similarity form exactly
// when one is the other under any similarity (shifted, turned by any angle,
// enlarged or shrunk, perhaps mirrored).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gridpoint.h"

namespace plane_figures::classset {

// Of the eight images of points under the quarter turns and mirrors of the
// grid, each shifted to touch the axes and sorted, the least; in grid steps.
std::vector<GridPoint> CanonicalForm(std::span<const GridPoint> points);

// Exact: for an ordered pair (p0, p1) of the points, each point z read as
// the complex number (z - p0) / (p1 - p0), its real and imaginary parts over
// their least common denominator; the denominator first, then the numerators
// (real, imaginary) sorted. The least such list over the pairs at the least
// distance, of the points and of their mirror image. Similar sets, and only
// they, have the same form (a similarity z -> a z + b, or a conj(z) + b,
// keeps every such quotient, or conjugates it).
std::vector<std::int64_t> SimilarityForm(std::span<const GridPoint> points);

}  // namespace plane_figures::classset
