#include "pointset.h"

namespace plane_figures {

bool PointSet::Add(GridPoint point) { return Insert(Size(), point); }

bool PointSet::Insert(int index, GridPoint point) {
    if (Full() || index < 0 || index > Size()) return false;
    points_.insert(points_.begin() + index, point);
    return true;
}

bool PointSet::RemoveAt(int index) {
    if (index < 0 || index >= Size()) return false;
    points_.erase(points_.begin() + index);
    return true;
}

void PointSet::Clear() { points_.clear(); }

bool PointSet::Assign(std::span<const GridPoint> points) {
    if (points.size() > static_cast<std::size_t>(kCapacity)) return false;
    points_.assign(points.begin(), points.end());
    return true;
}

}  // namespace plane_figures
