// The points the pupil has entered, in entry order; a point's number is its
// position.
#pragma once

#include <span>
#include <vector>

#include "gridpoint.h"

namespace plane_figures {

class PointSet {
public:
    static constexpr int kCapacity = 15;

    // Append a point; false (and no change) when the set is full.
    bool Add(GridPoint point);
    // Put a point at index, the later ones moving down; false (and no
    // change) when the set is full or index is past the end.
    bool Insert(int index, GridPoint point);
    // Remove the point at index; false (and no change) when there is none.
    bool RemoveAt(int index);
    void Clear();
    // Replace every point; false (and no change) when there are too many.
    bool Assign(std::span<const GridPoint> points);

    int Size() const { return static_cast<int>(points_.size()); }
    bool Full() const { return Size() >= kCapacity; }
    GridPoint At(int index) const { return points_.at(static_cast<std::size_t>(index)); }
    std::span<const GridPoint> Points() const { return points_; }

    friend bool operator==(const PointSet&, const PointSet&) = default;

private:
    std::vector<GridPoint> points_;
};

}  // namespace plane_figures
