#include "classsetgenerator.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <tuple>

#include "canonicalform.h"
#include "figureanalysis.h"
#include "grid.h"

namespace plane_figures::classset {

namespace {

// the grid's nodes across and down the canvas
constexpr int kColumns = (kCanvasWidth - 1) / kGridStep + 1;
constexpr int kRows = (kCanvasHeight - 1) / kGridStep + 1;

constexpr int kPoolSize = 5;         // sets found first, whose medians set the ranges
constexpr int kStepsPerStart = 120;  // moves from one start before starting anew
constexpr int kStepAttempts = 400;   // moves tried for one step of a walk

bool ReadingOrder(GridPoint a, GridPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }

bool OnCanvas(GridPoint p) {
    return p.x >= 0 && p.y >= 0 && p.x <= (kColumns - 1) * kGridStep &&
           p.y <= (kRows - 1) * kGridStep;
}

bool Holds(const std::vector<GridPoint>& points, GridPoint p) {
    return std::find(points.begin(), points.end(), p) != points.end();
}

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

std::string OutOfWork() {
    return "Не успях да съставя толкова различни и еднакво трудни варианта с тези настройки. "
           "Опитайте с по-малко варианти, с повече точки или с по-малко задължителни видове.";
}

}  // namespace

ClassSetGenerator::ClassSetGenerator(const ClassSettings& settings)
    : settings_(settings),
      // the number of variants is left out, so that a longer set of the same
      // code begins with the variants of a shorter one
      random_(settings.code ^ (std::uint64_t(unsigned(settings.points)) << 40) ^
              (std::uint64_t(settings.kinds) << 48)) {}

long ClassSetGenerator::WorkOf(int n) {
    const long m = n;
    // and as many again for measuring the pairs and setting up the run
    return 100 + m * (m - 1) * (m - 2) / 6 + m * (m - 1) * (m - 2) * (m - 3) / 24;
}

bool ClassSetGenerator::Count(const Points& points, Counts& counts) {
    work_ += WorkOf(static_cast<int>(points.size()));
    if (work_ > kWorkAllowed) return false;
    ++analyses_;
    const AnalysisResult result = FigureAnalysis().Run(points);
    for (std::size_t k = 0; k < counts.size(); ++k) counts[k] = result.counts[k];
    return true;
}

GridPoint ClassSetGenerator::RandomNode() {
    return GridPoint{random_.Between(0, kColumns - 1) * kGridStep,
                     random_.Between(0, kRows - 1) * kGridStep};
}

// points filled up to the number of a variant with random free nodes, or cut
// down to it from its end
ClassSetGenerator::Points ClassSetGenerator::RandomPoints(Points points) {
    while (static_cast<int>(points.size()) < settings_.points) {
        const GridPoint p = RandomNode();
        if (!Holds(points, p)) points.push_back(p);
    }
    points.resize(static_cast<std::size_t>(settings_.points));
    return points;
}

bool ClassSetGenerator::Plant(Points& points, int kind) {
    if (points.empty()) points.push_back(RandomNode());
    while (points.size() < 2) {  // near the first, so that the figure fits more often
        const int near = random_.Between(1, kRows - 1);
        const GridPoint p{points[0].x + random_.Between(-near, near) * kGridStep,
                          points[0].y + random_.Between(-near, near) * kGridStep};
        if (!Holds(points, p) && OnCanvas(p)) points.push_back(p);
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
        if (!OnCanvas(n) || Holds(points, n)) return false;
    }
    points.insert(points.end(), added.begin(), added.end());
    return true;
}

// a figure of each kind asked for, in random order, each on a side of the
// ones before, then random nodes
ClassSetGenerator::Points ClassSetGenerator::PlantedPoints() {
    std::vector<int> kinds;
    for (int k = 0; k < kShownKindCount; ++k) {
        if ((settings_.kinds >> k & 1u) != 0) kinds.push_back(k);
    }
    for (std::size_t i = kinds.size(); i > 1; --i) std::swap(kinds[i - 1], kinds[random_.Below(i)]);
    Points points;
    for (const int kind : kinds) {
        for (int attempt = 0; attempt < 8 && !Plant(points, kind); ++attempt) {
        }
    }
    return RandomPoints(std::move(points));
}

int ClassSetGenerator::Lacking(const Counts& counts) const {
    int kind = -1, most = 0;
    for (std::size_t k = 0; k < counts.size(); ++k) {
        const int low = ranges_set_ ? ranges_[k].low : ((settings_.kinds >> k & 1u) != 0 ? 1 : 0);
        if (low - counts[k] > most) {
            most = low - counts[k];
            kind = static_cast<int>(k);
        }
    }
    return kind;
}

// One point to another free node: half the time a near one (up to two steps
// each way), else any; or now and then a figure of a lacking kind planted in
// place of the last points.
bool ClassSetGenerator::Move(Points& points, const Counts& counts) {
    if (const int kind = Lacking(counts); kind >= 0 && random_.Chance(1, 4)) {
        Points planted = points;
        for (std::size_t i = planted.size(); i > 1; --i)
            std::swap(planted[i - 1], planted[random_.Below(i)]);
        planted.resize(planted.size() - (kind >= kParallelogram ? 2 : 1));
        if (!Plant(planted, kind)) return false;
        points = std::move(planted);
        return true;
    }
    const auto i = static_cast<std::size_t>(random_.Below(points.size()));
    GridPoint p = RandomNode();
    if (random_.Chance(1, 2)) {
        p = GridPoint{points[i].x + random_.Between(-2, 2) * kGridStep,
                      points[i].y + random_.Between(-2, 2) * kGridStep};
    }
    if (!OnCanvas(p) || Holds(points, p)) return false;
    points[i] = p;
    return true;
}

ClassSetGenerator::Points ClassSetGenerator::Shaken(Points points) {
    for (int moved = 0; moved < 2;) {
        const auto i = static_cast<std::size_t>(random_.Below(points.size()));
        const GridPoint p = RandomNode();
        if (Holds(points, p)) continue;
        points[i] = p;
        ++moved;
    }
    return points;
}

bool ClassSetGenerator::Step(Points& points, Counts& counts) {
    for (int attempt = 0; attempt < kStepAttempts; ++attempt) {
        Points moved = points;
        const auto i = static_cast<std::size_t>(random_.Below(moved.size()));
        moved[i] = RandomNode();
        if (Holds(points, moved[i])) continue;
        Counts moved_counts{};
        if (!Count(moved, moved_counts)) return false;
        if (OutsideRanges(moved_counts) == 0) {
            points = std::move(moved);
            counts = moved_counts;
            return true;
        }
    }
    return false;
}

ClassSetGenerator::Points ClassSetGenerator::Placed(const Points& points) {
    std::vector<int> fitting;
    for (int s = 0; s < 8; ++s) {
        const Points image = ImageOf(points, s);
        if (Extent(image).x < kColumns && Extent(image).y < kRows) fitting.push_back(s);
    }
    Points image = ImageOf(points, fitting[random_.Below(fitting.size())]);
    const GridPoint extent = Extent(image);
    const int dx = random_.Between(0, kColumns - 1 - extent.x);
    const int dy = random_.Between(0, kRows - 1 - extent.y);
    for (GridPoint& p : image) p = GridPoint{(p.x + dx) * kGridStep, (p.y + dy) * kGridStep};
    return image;
}

bool ClassSetGenerator::Seek(Cost cost, int max_steps, Points start, Points& points,
                             Counts& counts) {
    points = std::move(start);
    if (!Count(points, counts)) return false;
    int current = (this->*cost)(counts);
    for (int step = 0; current > 0 && step < max_steps; ++step) {
        Points moved = points;
        if (!Move(moved, counts)) continue;
        Counts moved_counts{};
        if (!Count(moved, moved_counts)) return false;
        const int next = (this->*cost)(moved_counts);
        if (next <= current) {  // sideways too, to cross a level stretch
            points = std::move(moved);
            counts = moved_counts;
            current = next;
        }
    }
    return current == 0;
}

int ClassSetGenerator::MissingKinds(const Counts& counts) const {
    int missing = 0;
    for (std::size_t k = 0; k < counts.size(); ++k) {
        if ((settings_.kinds >> k & 1u) != 0 && counts[k] == 0) ++missing;
    }
    return missing;
}

int ClassSetGenerator::OutsideRanges(const Counts& counts) const {
    int outside = 0;
    for (std::size_t k = 0; k < counts.size(); ++k) {
        if (counts[k] < ranges_[k].low) outside += ranges_[k].low - counts[k];
        if (counts[k] > ranges_[k].high) outside += counts[k] - ranges_[k].high;
    }
    return outside;
}

// Each kind's range starts about half its width below the count of the set
// chosen and is as wide as the balance rule allows counts no lower than its
// start: 1, or a fifth of the start.
void ClassSetGenerator::SetRanges(const Counts& chosen) {
    for (std::size_t k = 0; k < ranges_.size(); ++k) {
        const int count = chosen[k];
        int low = count - std::max(1, count / 5) / 2;
        if (low + std::max(1, low / 5) < count) low = count;
        ranges_[k] = Range{low, low + std::max(1, low / 5)};
    }
}

std::variant<ClassSet, std::string> ClassSetGenerator::Make() {
    if (auto refusal = Refusal(settings_)) return *refusal;
    Points points;
    Counts counts{};
    // the pool's set nearest to the median counts of its sets
    std::vector<std::pair<Points, Counts>> pool;
    while (static_cast<int>(pool.size()) < kPoolSize) {
        if (Seek(&ClassSetGenerator::MissingKinds, kStepsPerStart, PlantedPoints(), points,
                 counts)) {
            pool.emplace_back(points, counts);
        } else if (work_ > kWorkAllowed) {
            return OutOfWork();
        }
    }
    Counts median{};
    for (std::size_t k = 0; k < median.size(); ++k) {
        std::vector<int> column;
        for (const auto& member : pool) column.push_back(member.second[k]);
        std::sort(column.begin(), column.end());
        median[k] = column[column.size() / 2];
    }
    const auto distance = [&](const Counts& c) {
        int d = 0;
        for (std::size_t k = 0; k < c.size(); ++k) d += std::abs(c[k] - median[k]);
        return d;
    };
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < pool.size(); ++i) {
        if (distance(pool[i].second) < distance(pool[nearest].second)) nearest = i;
    }
    std::tie(points, counts) = pool[nearest];
    SetRanges(counts);
    ranges_set_ = true;
    ClassSet set{settings_, {}};
    // Each variant after the first is walked to from the one before, a point
    // moved at a time and every step within the ranges, so that it differs
    // from it in up to two points, and is turned and placed anew. Where no
    // step keeps the ranges, two points are moved at random and the counts
    // brought back into the ranges as the first was; where that fails too,
    // the walk goes on from an earlier variant.
    constexpr int kWalk = 2;
    std::vector<std::pair<Points, Counts>> found;  // the variants as walked to
    bool first = true;                             // the pool's set is the first variant as it is
    while (static_cast<int>(set.variants.size()) < settings_.variants) {
        if (!first) {
            bool stepped = true;
            for (int step = 0; stepped && step < kWalk; ++step) stepped = Step(points, counts);
            if (!stepped && !Seek(&ClassSetGenerator::OutsideRanges, kStepsPerStart, Shaken(points),
                                  points, counts)) {
                if (work_ > kWorkAllowed) return OutOfWork();
                std::tie(points, counts) = found[random_.Below(found.size())];
                continue;
            }
            if (work_ > kWorkAllowed) return OutOfWork();
        }
        first = false;
        std::vector<std::pair<std::int32_t, std::int32_t>> shape;
        for (const GridPoint p : CanonicalForm(points)) shape.emplace_back(p.x, p.y);
        if (!shapes_.insert(std::move(shape)).second) continue;  // a shape already given
        found.emplace_back(points, counts);
        // placed anew, numbered in reading order, and counted as numbered
        Points placed = Placed(points);
        std::sort(placed.begin(), placed.end(), ReadingOrder);
        Counts placed_counts{};
        if (!Count(placed, placed_counts)) return OutOfWork();
        if (OutsideRanges(placed_counts) > 0) continue;
        set.variants.push_back(Variant{placed, placed_counts});
    }
    std::vector<Counts> all;
    for (const Variant& v : set.variants) all.push_back(v.counts);
    if (!Balanced(all)) return OutOfWork();  // the ranges keep the rule: never expected
    return set;
}

}  // namespace plane_figures::classset
