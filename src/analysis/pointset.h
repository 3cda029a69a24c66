// The points the pupil has entered, in entry order; a point's number is its
// position. The lists, the dots and the count are views of this set.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "gridpoint.h"

namespace plane_figures {

class PointSet {
public:
    static constexpr int kCapacity = 15;

    // What changed: a point added at the end or removed at index, or the whole
    // set replaced (cleared, or assigned anew).
    enum class Change { Added, Removed, Replaced };
    using Listener = std::function<void(Change change, int index)>;

    // Append a point; false (and no change) when the set is full.
    bool Add(GridPoint point);
    // Remove the point at index; false (and no change) when there is none.
    bool RemoveAt(int index);
    void Clear();
    // Replace every point; false (and no change) when there are too many.
    bool Assign(std::span<const GridPoint> points);

    int Size() const { return static_cast<int>(points_.size()); }
    bool Full() const { return Size() >= kCapacity; }
    GridPoint At(int index) const { return points_.at(static_cast<std::size_t>(index)); }
    std::span<const GridPoint> Points() const { return points_; }

    // Call listener after every change.
    void Subscribe(Listener listener) { listeners_.push_back(std::move(listener)); }

private:
    void Notify(Change change, int index) const;

    std::vector<GridPoint> points_;
    std::vector<Listener> listeners_;
};

}  // namespace plane_figures
