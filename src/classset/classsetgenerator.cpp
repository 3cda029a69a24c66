#include "classsetgenerator.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "canonicalform.h"
#include "figureanalysis.h"
#include "grid.h"

namespace plane_figures::classset {

namespace {

constexpr std::size_t kPoolAtLeast = 120;  // sets found first, whose counts set the ranges
constexpr std::size_t kPoolPerVariant = 8;
constexpr int kPoolWalk = 12;                // moves from each set found
constexpr int kStepsPerStart = 120;          // moves from one start before starting anew
constexpr int kStepAttempts = 400;           // moves tried for one step of a walk
constexpr std::size_t kFruitlessWalks = 40;  // walks finding no new answer before sharing one

bool ReadingOrder(GridPoint a, GridPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }

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

// points filled up to the number of a variant with random free nodes, or cut
// down to it from its end
ClassSetGenerator::Points ClassSetGenerator::RandomPoints(Points points) {
    while (static_cast<int>(points.size()) < settings_.points) {
        const GridPoint p = nodes_.RandomNode();
        if (!NodePicker::Holds(points, p)) points.push_back(p);
    }
    points.resize(static_cast<std::size_t>(settings_.points));
    return points;
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
        for (int attempt = 0; attempt < 8 && !nodes_.Plant(points, kind); ++attempt) {
        }
    }
    return RandomPoints(std::move(points));
}

int ClassSetGenerator::Lacking(const Counts& counts) const {
    int kind = -1, most = 0;
    for (std::size_t k = 0; k < counts.size(); ++k) {
        const int low = ranges_.Low(k);
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
        if (!nodes_.Plant(planted, kind)) return false;
        points = std::move(planted);
        return true;
    }
    const auto i = static_cast<std::size_t>(random_.Below(points.size()));
    GridPoint p = nodes_.RandomNode();
    if (random_.Chance(1, 2)) {
        p = GridPoint{points[i].x + random_.Between(-2, 2) * kGridStep,
                      points[i].y + random_.Between(-2, 2) * kGridStep};
    }
    if (!NodePicker::Inner(p) || NodePicker::Holds(points, p)) return false;
    points[i] = p;
    return true;
}

ClassSetGenerator::Points ClassSetGenerator::Shaken(Points points) {
    for (int moved = 0; moved < 2;) {
        const auto i = static_cast<std::size_t>(random_.Below(points.size()));
        const GridPoint p = nodes_.RandomNode();
        if (NodePicker::Holds(points, p)) continue;
        points[i] = p;
        ++moved;
    }
    return points;
}

bool ClassSetGenerator::Step(Points& points, Counts& counts, const std::set<Counts>* answers) {
    for (int attempt = 0; attempt < kStepAttempts; ++attempt) {
        Points moved = points;
        const auto i = static_cast<std::size_t>(random_.Below(moved.size()));
        moved[i] = nodes_.RandomNode();
        if (NodePicker::Holds(points, moved[i])) continue;
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

std::vector<Counts> ClassSetGenerator::PoolCounts(const std::vector<Found>& pool) {
    std::vector<Counts> counts;
    for (const Found& f : pool) counts.push_back(f.counts);
    return counts;
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
        const Points start = (starts_++ % 2 == 0) ? PlantedPoints() : nodes_.Packed(settings_.points);
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
    ranges_ = CountRanges::Holding(PoolCounts(pool), settings_.variants, settings_.kinds);
    const auto within = [&] {
        return static_cast<std::size_t>(
            std::count_if(pool.begin(), pool.end(),
                          [&](const Found& f) { return OutsideRanges(f.counts) == 0; }));
    };
    if (within() < wanted) {  // the pool three times as large, if the work allows
        GrowPool(pool, 3 * pool.size(), 3 * kWorkAllowed / 4);
        ranges_ = CountRanges::Holding(PoolCounts(pool), settings_.variants, settings_.kinds);
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
        Points placed = nodes_.Placed(f.points);
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
