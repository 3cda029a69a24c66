#include "canonicalform.h"

#include <algorithm>
#include <array>
#include <climits>
#include <numeric>
#include <utility>

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

namespace plane_figures::classset {

std::vector<std::int64_t> SimilarityForm(std::span<const GridPoint> points) {
    using Z = std::int64_t;
    const std::size_t n = points.size();
    if (n < 2) return std::vector<std::int64_t>(n, 0);
    // the least squared distance: a similarity takes the pairs at it onto
    // the pairs at it of the image
    Z least = -1;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const Z dx = Z{points[j].x} - points[i].x, dy = Z{points[j].y} - points[i].y;
            const Z d = dx * dx + dy * dy;
            if (least < 0 || d < least) least = d;
        }
    }
    if (least == 0) return {0};  // a point twice: no set of distinct points
    std::vector<Z> best, form;
    std::vector<std::pair<Z, Z>> numerators;
    for (int mirror = 0; mirror < 2; ++mirror) {
        const auto at = [&](std::size_t i) {
            return std::pair<Z, Z>{points[i].x, mirror != 0 ? -Z{points[i].y} : Z{points[i].y}};
        };
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                if (i == j) continue;
                const auto [x0, y0] = at(i);
                const auto [x1, y1] = at(j);
                const Z dx = x1 - x0, dy = y1 - y0;
                if (dx * dx + dy * dy != least) continue;
                // (z - p0) / d = (z - p0) * conj(d) / |d|²
                Z g = least;
                numerators.clear();
                for (std::size_t k = 0; k < n; ++k) {
                    const auto [x, y] = at(k);
                    const Z ax = x - x0, ay = y - y0;
                    const Z re = ax * dx + ay * dy, im = ay * dx - ax * dy;
                    numerators.emplace_back(re, im);
                    g = std::gcd(g, std::gcd(re, im));
                }
                std::sort(numerators.begin(), numerators.end());
                form.assign(1, least / g);
                for (const auto& [re, im] : numerators) {
                    form.push_back(re / g);
                    form.push_back(im / g);
                }
                if (best.empty() || form < best) best = form;
            }
        }
    }
    return best;
}

}  // namespace plane_figures::classset
