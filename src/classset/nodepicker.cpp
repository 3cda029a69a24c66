#include "nodepicker.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

#include "figurekinds.h"

namespace plane_figures::classset {

namespace {

constexpr int kColumns = NodePicker::kColumns;
constexpr int kRows = NodePicker::kRows;

// the image of points under symmetry s of the grid, in grid steps, shifted
// to touch both axes: bit 0 mirrors x, bit 1 mirrors y, bit 2 swaps the axes
std::vector<GridPoint> ImageOf(const std::vector<GridPoint>& points, int s) {
    std::vector<GridPoint> image;
    int min_x = kColumns * 4, min_y = kRows * 4;
    for (const GridPoint p : points) {
        GridPoint q{p.x / kGridStep, p.y / kGridStep};
        if ((s & 1) != 0) q.x = -q.x;
        if ((s & 2) != 0) q.y = -q.y;
        if ((s & 4) != 0) std::swap(q.x, q.y);
        image.push_back(q);
        min_x = std::min(min_x, q.x);
        min_y = std::min(min_y, q.y);
    }
    for (GridPoint& q : image) q = GridPoint{q.x - min_x, q.y - min_y};
    return image;
}

// the largest steps across and down of an image
GridPoint Extent(const std::vector<GridPoint>& image) {
    GridPoint extent;
    for (const GridPoint q : image)
        extent = GridPoint{std::max(extent.x, q.x), std::max(extent.y, q.y)};
    return extent;
}

}  // namespace

bool NodePicker::Inner(GridPoint p) {
    return p.x >= kGridStep && p.y >= kGridStep && p.x <= (kColumns - 2) * kGridStep &&
           p.y <= (kRows - 2) * kGridStep;
}

bool NodePicker::Holds(const Points& points, GridPoint p) {
    return std::find(points.begin(), points.end(), p) != points.end();
}

GridPoint NodePicker::RandomNode() {
    return GridPoint{random_.Between(1, kColumns - 2) * kGridStep,
                     random_.Between(1, kRows - 2) * kGridStep};
}

bool NodePicker::Plant(Points& points, int kind) {
    if (points.empty()) points.push_back(RandomNode());
    while (points.size() < 2) {  // near the first, so that the figure fits more often
        const int near = random_.Between(1, kRows - 1);
        const GridPoint p{points[0].x + random_.Between(-near, near) * kGridStep,
                          points[0].y + random_.Between(-near, near) * kGridStep};
        if (!Holds(points, p) && Inner(p)) points.push_back(p);
    }
    const auto i = static_cast<std::size_t>(random_.Below(points.size()));
    auto j = static_cast<std::size_t>(random_.Below(points.size() - 1));
    if (j >= i) ++j;
    const GridPoint p = points[i];
    const int a = (points[j].x - p.x) / kGridStep;
    const int b = (points[j].y - p.y) / kGridStep;
    const int g = std::gcd(a, b);
    const int sign = random_.Chance(1, 2) ? 1 : -1;
    // the second side from p: w; a quadrilateral's fourth vertex is q + w
    int wx = 0, wy = 0;
    const auto across = [&] {  // perpendicular to pq, k steps of its smallest
        int k = random_.Between(1, 4);
        if (kind == kSquare || kind == kIsoscelesRight) k = g;
        if (k == g && kind != kSquare && kind != kIsoscelesRight) ++k;
        wx = -sign * b / g * k;
        wy = sign * a / g * k;
    };
    switch (kind) {
        case kSquare:
        case kIsoscelesRight:
        case kRectangle:
        case kRight: across(); break;
        case kRhombus:
        case kIsosceles: {  // as long as pq, neither along it nor across it
            const std::array<std::array<int, 2>, 8> turns{
                {{a, -b}, {-a, b}, {b, a}, {-b, -a}, {-a, -b}, {a, b}, {b, -a}, {-b, a}}};
            const auto& t = turns[random_.Below(4)];
            wx = t[0];
            wy = t[1];
            if (wx * a + wy * b == 0 || (wx == a && wy == b) || (wx == -a && wy == -b))
                return false;
            break;
        }
        default:  // a parallelogram: any other second side
            wx = random_.Between(-4, 4);
            wy = random_.Between(-4, 4);
            if (wx * b - wy * a == 0) return false;
            break;
    }
    Points added{GridPoint{p.x + wx * kGridStep, p.y + wy * kGridStep}};
    if (kind >= kParallelogram) {
        added.push_back(GridPoint{points[j].x + wx * kGridStep, points[j].y + wy * kGridStep});
    }
    for (const GridPoint n : added) {
        if (!Inner(n) || Holds(points, n)) return false;
    }
    points.insert(points.end(), added.begin(), added.end());
    return true;
}

NodePicker::Points NodePicker::Packed(int count) {
    int side = random_.Between(3, 6);
    while (side * side < count) ++side;
    const int x0 = random_.Between(1, kColumns - 1 - side),
              y0 = random_.Between(1, kRows - 1 - side);
    Points points;
    while (static_cast<int>(points.size()) < count) {
        const GridPoint p{(x0 + random_.Between(0, side - 1)) * kGridStep,
                          (y0 + random_.Between(0, side - 1)) * kGridStep};
        if (!Holds(points, p)) points.push_back(p);
    }
    return points;
}

NodePicker::Points NodePicker::Placed(const Points& points) {
    std::vector<int> fitting;
    for (int s = 0; s < 8; ++s) {
        const Points image = ImageOf(points, s);
        if (Extent(image).x < kColumns - 2 && Extent(image).y < kRows - 2) fitting.push_back(s);
    }
    Points image = ImageOf(points, fitting[random_.Below(fitting.size())]);
    const GridPoint extent = Extent(image);
    const int dx = random_.Between(1, kColumns - 2 - extent.x);
    const int dy = random_.Between(1, kRows - 2 - extent.y);
    for (GridPoint& p : image) p = GridPoint{(p.x + dx) * kGridStep, (p.y + dy) * kGridStep};
    return image;
}

}  // namespace plane_figures::classset
