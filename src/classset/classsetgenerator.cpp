#include "classsetgenerator.h"

#include <algorithm>
#include <cstdlib>
#include <map>
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

constexpr std::size_t kPoolAtLeast = 120;  // sets found first, whose counts set the ranges
constexpr std::size_t kPoolPerVariant = 8;
constexpr std::size_t kRangeStarts = 24;     // sets of the pool the ranges are sought from
constexpr int kPoolWalk = 12;                // moves from each set found
constexpr int kStepsPerStart = 120;          // moves from one start before starting anew
constexpr int kStepAttempts = 400;           // moves tried for one step of a walk
constexpr std::size_t kFruitlessWalks = 40;  // walks finding no new answer before sharing one

bool ReadingOrder(GridPoint a, GridPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }

// a node off the canvas's edge rows and columns, where a dot is drawn whole
bool OnCanvas(GridPoint p) {
    return p.x >= kGridStep && p.y >= kGridStep && p.x <= (kColumns - 2) * kGridStep &&
           p.y <= (kRows - 2) * kGridStep;
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
    return "С тези настройки не се получиха толкова различни и равностойни варианта. Опитайте с "
           "по-малко варианти, с повече точки или с по-малко задължителни видове.";
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
    return GridPoint{random_.Between(1, kColumns - 2) * kGridStep,
                     random_.Between(1, kRows - 2) * kGridStep};
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
    for (int k = 0; k < kKindCount; ++k) {
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

ClassSetGenerator::Points ClassSetGenerator::PackedPoints() {
    int side = random_.Between(3, 6);
    while (side * side < settings_.points) ++side;
    const int x0 = random_.Between(1, kColumns - 1 - side),
              y0 = random_.Between(1, kRows - 1 - side);
    Points points;
    while (static_cast<int>(points.size()) < settings_.points) {
        const GridPoint p{(x0 + random_.Between(0, side - 1)) * kGridStep,
                          (y0 + random_.Between(0, side - 1)) * kGridStep};
        if (!Holds(points, p)) points.push_back(p);
    }
    return points;
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

bool ClassSetGenerator::Step(Points& points, Counts& counts, const std::set<Counts>* answers) {
    for (int attempt = 0; attempt < kStepAttempts; ++attempt) {
        Points moved = points;
        const auto i = static_cast<std::size_t>(random_.Below(moved.size()));
        moved[i] = RandomNode();
        if (Holds(points, moved[i])) continue;
        Counts moved_counts{};
        if (!Count(moved, moved_counts)) return false;
        if (OutsideRanges(moved_counts) == 0 &&
            (answers == nullptr || !answers->contains(Answer(moved_counts)))) {
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
        if (Extent(image).x < kColumns - 2 && Extent(image).y < kRows - 2) fitting.push_back(s);
    }
    Points image = ImageOf(points, fitting[random_.Below(fitting.size())]);
    const GridPoint extent = Extent(image);
    const int dx = random_.Between(1, kColumns - 2 - extent.x);
    const int dy = random_.Between(1, kRows - 2 - extent.y);
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

// The ranges that hold the most of the pool's sets. Each kind's range is
// [low, low + its width], its width 1 or a fifth of low, so that any sets
// within all ranges keep the balance rule. From each of a few sets of the
// pool, each range is moved in turn to where it keeps the most sets within
// the others, a few times over.
void ClassSetGenerator::ChooseRanges(const std::vector<Found>& pool) {
    const auto width = [](int low) { return std::max(1, low / 5); };
    const auto within = [&](const Counts& c, const std::array<Range, kKindCount>& r) {
        for (std::size_t k = 0; k < c.size(); ++k) {
            if (c[k] < r[k].low || c[k] > r[k].high) return false;
        }
        return true;
    };
    // the sets within the ranges, as many as there are variants; then the
    // different answers among them, as many as there are variants; then all
    // the sets
    // (in 64 bits on every platform: a long of Windows' 32 would overflow)
    const auto held = [&](const std::array<Range, kKindCount>& r) {
        std::set<Counts> answers;
        std::int64_t sets = 0;
        for (const Found& f : pool) {
            if (!within(f.counts, r)) continue;
            answers.insert(Answer(f.counts));
            ++sets;
        }
        const std::int64_t wanted = settings_.variants;
        const std::int64_t different =
            std::min<std::int64_t>(static_cast<std::int64_t>(answers.size()), wanted);
        return (std::min(sets, wanted) * 100 + different) * 1'000'000 + sets;
    };
    std::int64_t best = -1;
    const std::size_t starts = std::min<std::size_t>(pool.size(), kRangeStarts);
    for (std::size_t s = 0; s < starts; ++s) {
        const Counts& from = pool[s * pool.size() / starts].counts;
        std::array<Range, kKindCount> ranges{};
        for (std::size_t k = 0; k < ranges.size(); ++k) {
            const int low = std::max(0, from[k] - width(from[k]) / 2);
            ranges[k] = Range{low, low + width(low)};
        }
        for (int pass = 0; pass < 3; ++pass) {
            for (std::size_t k = 0; k < ranges.size(); ++k) {
                // the sets within the other ranges, and the best place for this one
                std::vector<int> values;
                for (const Found& f : pool) {
                    std::array<Range, kKindCount> others = ranges;
                    others[k] = Range{0, 1 << 20};
                    if (within(f.counts, others)) values.push_back(f.counts[k]);
                }
                if (values.empty()) continue;
                std::sort(values.begin(), values.end());
                int most = -1;
                for (const int low : values) {
                    const int high = low + width(low);
                    const auto n = std::upper_bound(values.begin(), values.end(), high) -
                                   std::lower_bound(values.begin(), values.end(), low);
                    if (n > most) {
                        most = static_cast<int>(n);
                        ranges[k] = Range{low, high};
                    }
                }
            }
        }
        if (const std::int64_t n = held(ranges); n > best) {
            best = n;
            ranges_ = ranges;
        }
    }
}

bool ClassSetGenerator::Remember(const Points& points) {
    return shapes_.insert(SimilarityForm(points)).second;
}

// Sets holding every kind asked for, each of a shape not met before: from
// planted figures brought to hold every kind, and from each such set a short
// walk of moves that keep every kind.
void ClassSetGenerator::GrowPool(std::vector<Found>& pool, std::size_t size, long work_until) {
    Points points;
    Counts counts{};
    while (pool.size() < size && work_ < work_until) {
        // every other start packed into a small square of nodes, where few
        // points hold the most figures
        const Points start = (starts_++ % 2 == 0) ? PlantedPoints() : PackedPoints();
        if (!Seek(&ClassSetGenerator::MissingKinds, kStepsPerStart, start, points, counts)) {
            continue;
        }
        if (Remember(points)) pool.push_back(Found{points, counts});
        for (int step = 0; step < kPoolWalk && pool.size() < size; ++step) {
            Points moved = points;
            if (!Move(moved, counts)) continue;
            Counts moved_counts{};
            if (!Count(moved, moved_counts)) return;
            if (MissingKinds(moved_counts) > 0) continue;
            points = std::move(moved);
            counts = moved_counts;
            if (Remember(points)) pool.push_back(Found{points, counts});
        }
    }
}

std::variant<ClassSet, std::string> ClassSetGenerator::Make() {
    if (auto refusal = Refusal(settings_)) return *refusal;
    const auto wanted = static_cast<std::size_t>(settings_.variants);
    // A pool of sets holding every kind, several for each variant; the
    // ranges that hold most of them; those sets in order of finding.
    std::vector<Found> pool;
    GrowPool(pool, std::max<std::size_t>(kPoolAtLeast, kPoolPerVariant * wanted), kWorkAllowed / 2);
    if (pool.empty()) return OutOfWork();
    ChooseRanges(pool);
    ranges_set_ = true;
    const auto within = [&] {
        return static_cast<std::size_t>(
            std::count_if(pool.begin(), pool.end(),
                          [&](const Found& f) { return OutsideRanges(f.counts) == 0; }));
    };
    if (within() < wanted) {  // the pool three times as large, if the work allows
        GrowPool(pool, 3 * pool.size(), 3 * kWorkAllowed / 4);
        ChooseRanges(pool);
    }
    // First the sets of answers not met before, in order of finding; then
    // more of them walked to from those, a point moved at a time and every
    // step within the ranges, or brought back into them after two points
    // moved at random; until none is found in many walks.
    std::vector<Found> chosen;
    std::set<Counts> answers;
    std::vector<bool> taken(pool.size(), false);
    for (std::size_t i = 0; i < pool.size() && chosen.size() < wanted; ++i) {
        if (OutsideRanges(pool[i].counts) == 0 && answers.insert(Answer(pool[i].counts)).second) {
            chosen.push_back(pool[i]);
            taken[i] = true;
        }
    }
    if (chosen.empty()) return OutOfWork();
    const auto walk = [&](Found& next, const std::set<Counts>* against) {
        if (Step(next.points, next.counts, against)) return true;
        return Seek(&ClassSetGenerator::OutsideRanges, kStepsPerStart, Shaken(next.points),
                    next.points, next.counts) &&
               (against == nullptr || !against->contains(Answer(next.counts)));
    };
    for (std::size_t from = 0, fruitless = 0;
         chosen.size() < wanted && work_ < 3 * kWorkAllowed / 4 && fruitless < kFruitlessWalks;
         ++from) {
        Found next = chosen[from % chosen.size()];
        if (walk(next, &answers) && Remember(next.points)) {
            answers.insert(Answer(next.counts));
            chosen.push_back(next);
            fruitless = 0;
        } else {
            ++fruitless;
        }
    }
    // Too few answers for the variants: the pool's other sets within the
    // ranges, then more walked to as above, each of an answer that the
    // fewest variants share so far (no more than one more, later in the
    // work); then any of them.
    std::map<Counts, int> sharing;
    for (const Found& f : chosen) ++sharing[Answer(f.counts)];
    const auto fewest = [&] {
        int least = settings_.variants;
        for (const auto& [answer, variants] : sharing) least = std::min(least, variants);
        return least;
    };
    const auto from_pool = [&](bool any) {
        while (chosen.size() < wanted) {
            std::size_t pick = pool.size();
            for (std::size_t i = 0; i < pool.size(); ++i) {
                if (taken[i] || OutsideRanges(pool[i].counts) != 0) continue;
                if (pick == pool.size() ||
                    sharing[Answer(pool[i].counts)] < sharing[Answer(pool[pick].counts)])
                    pick = i;
            }
            if (pick == pool.size() || (!any && sharing[Answer(pool[pick].counts)] > fewest()))
                return;
            taken[pick] = true;
            ++sharing[Answer(pool[pick].counts)];
            chosen.push_back(pool[pick]);
        }
    };
    const auto walks = [&](long work_until, int slack) {
        for (std::size_t from = 0; chosen.size() < wanted && work_ < work_until; ++from) {
            Found next = chosen[from % chosen.size()];
            if (walk(next, nullptr) && sharing[Answer(next.counts)] <= fewest() + slack &&
                Remember(next.points)) {
                ++sharing[Answer(next.counts)];
                chosen.push_back(next);
            }
        }
    };
    from_pool(false);
    walks(13 * kWorkAllowed / 16, 0);
    walks(7 * kWorkAllowed / 8, 1);
    from_pool(true);
    walks(kWorkAllowed, settings_.variants);
    reached_ = chosen.size();
    if (chosen.size() < wanted) return OutOfWork();
    ClassSet set{settings_, {}};
    for (const Found& f : chosen) {
        // placed anew, numbered in reading order, and counted as numbered
        Points placed = Placed(f.points);
        std::sort(placed.begin(), placed.end(), ReadingOrder);
        ++analyses_;
        const AnalysisResult result = FigureAnalysis().Run(placed);
        Counts placed_counts{};
        for (std::size_t k = 0; k < placed_counts.size(); ++k) placed_counts[k] = result.counts[k];
        set.variants.push_back(Variant{placed, placed_counts});
    }
    std::vector<Counts> all;
    for (const Variant& v : set.variants) all.push_back(v.counts);
    if (!Balanced(all)) return OutOfWork();  // the ranges keep the rule: never expected
    return set;
}

}  // namespace plane_figures::classset
