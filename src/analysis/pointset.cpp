#include "pointset.h"

namespace plane_figures {

bool PointSet::Add(GridPoint point) {
    if (Full()) return false;
    points_.push_back(point);
    Notify(Change::Added, Size() - 1);
    return true;
}

bool PointSet::RemoveAt(int index) {
    if (index < 0 || index >= Size()) return false;
    points_.erase(points_.begin() + index);
    Notify(Change::Removed, index);
    return true;
}

void PointSet::Clear() {
    points_.clear();
    Notify(Change::Replaced, 0);
}

bool PointSet::Assign(std::span<const GridPoint> points) {
    if (points.size() > static_cast<std::size_t>(kCapacity)) return false;
    points_.assign(points.begin(), points.end());
    Notify(Change::Replaced, 0);
    return true;
}

void PointSet::Notify(Change change, int index) const {
    for (const Listener& listener : listeners_) listener(change, index);
}

}  // namespace plane_figures
