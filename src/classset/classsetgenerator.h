// Makes the class set of some settings: the same settings always give the
// same variants, on every platform.
//
// A pool of sets holding every kind asked for, each of a shape not met
// before, is found first: from a figure of every such kind planted on random
// nodes, or from points packed into a small square, brought to hold every
// kind a point moved at a time, and walked from with moves that keep every
// kind. Then the ranges of counts, one per kind and each as wide as the
// balance rule allows, that hold the most sets of the pool; the variants are
// those sets of answers (the seven counts) not met before, in order of
// finding. Where too few are within the ranges, the pool grows, then more of
// new answers are walked to from the variants within the ranges; only when
// many walks find no new answer do variants share one, each of the answers
// the fewest share. No two variants are similar (one a shift, turn,
// enlargement or mirror image of the other), and no point lies on the
// canvas's edge rows or columns. The work is bounded: it stops with a
// message when the analyses it may run are spent.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "askedkinds.h"
#include "classset.h"
#include "countranges.h"
#include "nodepicker.h"
#include "splitmix64.h"

namespace plane_figures::classset {

class ClassSetGenerator {
public:
    explicit ClassSetGenerator(const ClassSettings& settings);

    // The class set, or why it was not made (the settings' refusal, or no
    // balanced set found within the work allowed).
    std::variant<ClassSet, std::string> Make();

    // The analyses run so far.
    long Analyses() const { return analyses_; }
    // The variants found by the last Make, also when too few to make a set.
    std::size_t Reached() const { return reached_; }

    // The figure tests one analysis of n points makes (its triples and
    // quadruples); the work allowed is counted in these.
    static long WorkOf(int n);
    static constexpr long kWorkAllowed = 32'000'000;

private:
    using Points = std::vector<GridPoint>;
    using Cost = int (ClassSetGenerator::*)(const Counts&) const;

    bool Count(const Points& points, Counts& counts);
    Points RandomPoints(Points points);
    bool Move(Points& points, const Counts& counts);
    Points PlantedPoints();
    // the kind furthest below its range; -1 when none is below
    int Lacking(const Counts& counts) const;
    // Seek a set whose cost is 0 from start; false when max_steps moves did
    // not find one or the work ran out.
    bool Seek(Cost cost, int max_steps, Points start, Points& points, Counts& counts);
    // One point moved to a random free node so that the counts stay within
    // the ranges (and are none of answers, when given); false when no such
    // move was found in a few hundred tries.
    bool Step(Points& points, Counts& counts, const std::set<Counts>* answers = nullptr);
    // points with two of them moved to random free nodes
    Points Shaken(Points points);
    int MissingKinds(const Counts& counts) const;
    // what a pupil answers: the counts of the kinds asked
    Counts Answer(const Counts& counts) const { return AskedCounts(counts, settings_.kinds); }
    int OutsideRanges(const Counts& counts) const { return ranges_.Outside(counts); }
    struct Found {
        Points points;
        Counts counts{};
    };
    void GrowPool(std::vector<Found>& pool, std::size_t size, long work_until);
    static std::vector<Counts> PoolCounts(const std::vector<Found>& pool);
    // false when a set similar to points was met before
    bool Remember(const Points& points);

    ClassSettings settings_;
    SplitMix64 random_;
    NodePicker nodes_{random_};
    // each kind asked at least once, until the pool chooses them
    CountRanges ranges_{settings_.kinds};
    // the similarity forms of the sets met
    std::set<std::vector<std::int64_t>> shapes_;
    std::size_t reached_ = 0;
    long analyses_ = 0;
    long work_ = 0;
    long starts_ = 0;
};

}  // namespace plane_figures::classset
