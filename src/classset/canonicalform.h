// The shape of a point set whatever its place, turn or mirror image: two sets
// have the same canonical form exactly when one is the other shifted, turned
// by quarter turns and perhaps mirrored.
#pragma once

#include <span>
#include <vector>

#include "gridpoint.h"

namespace plane_figures::classset {

// Of the eight images of points under the quarter turns and mirrors of the
// grid, each shifted to touch the axes and sorted, the least; in grid steps.
std::vector<GridPoint> CanonicalForm(std::span<const GridPoint> points);

}  // namespace plane_figures::classset
