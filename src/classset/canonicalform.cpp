#include "canonicalform.h"

#include <algorithm>
#include <array>
#include <climits>

#include "grid.h"

namespace plane_figures::classset {

namespace {

bool Less(GridPoint a, GridPoint b) { return a.x != b.x ? a.x < b.x : a.y < b.y; }

// the image of p under symmetry s: bit 0 mirrors x, bit 1 mirrors y, bit 2
// swaps the axes; together the eight symmetries of a square
GridPoint Image(GridPoint p, int s) {
    GridPoint q = p;
    if ((s & 1) != 0) q.x = -q.x;
    if ((s & 2) != 0) q.y = -q.y;
    if ((s & 4) != 0) std::swap(q.x, q.y);
    return q;
}

}  // namespace

std::vector<GridPoint> CanonicalForm(std::span<const GridPoint> points) {
    std::vector<GridPoint> best;
    for (int s = 0; s < 8; ++s) {
        std::vector<GridPoint> image;
        std::int32_t min_x = INT32_MAX, min_y = INT32_MAX;
        for (const GridPoint p : points) {
            const GridPoint q = Image(GridPoint{p.x / kGridStep, p.y / kGridStep}, s);
            image.push_back(q);
            min_x = std::min(min_x, q.x);
            min_y = std::min(min_y, q.y);
        }
        for (GridPoint& q : image) q = GridPoint{q.x - min_x, q.y - min_y};
        std::sort(image.begin(), image.end(), Less);
        if (s == 0 || std::lexicographical_compare(image.begin(), image.end(), best.begin(),
                                                   best.end(), Less)) {
            best = std::move(image);
        }
    }
    return best;
}

}  // namespace plane_figures::classset
