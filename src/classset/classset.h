// A class set: one balanced variant of points per pupil, with the counts the
// analysis finds in each.
#pragma once

#include <vector>

#include "balancerule.h"
#include "classsettings.h"
#include "gridpoint.h"

namespace plane_figures::classset {

struct Variant {
    std::vector<GridPoint> points;  // distinct grid nodes, canvas pixels, in file order
    Counts counts{};                // the analysis's count of each kind
};

struct ClassSet {
    ClassSettings settings;
    std::vector<Variant> variants;  // variant 1 first
};

}  // namespace plane_figures::classset
