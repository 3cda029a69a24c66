#include "grid.h"

#include "checked.h"
#include "numtext.h"

namespace plane_figures {

double SnapToGrid(float v, short grid_step) {
    const std::int32_t r = RoundToInt32(v) % grid_step;  // truncating: r has the sign of v
    const double value = static_cast<double>(v);
    if (static_cast<double>(r) >= grid_step / 2.0) return value - (r - grid_step);
    return value - r;
}

GridPoint SnapToNode(GridPoint pixel, short grid_step) {
    return {RoundToInt32(SnapToGrid(static_cast<float>(pixel.x), grid_step)),
            RoundToInt32(SnapToGrid(static_cast<float>(pixel.y), grid_step))};
}

int GridLineCount(double extent, short grid_step) { return RoundToInt16(extent / grid_step); }

std::int64_t SquaredDistance(GridPoint p, GridPoint q) {
    const std::int64_t dx = checked::Sub(p.x, q.x);
    const std::int64_t dy = checked::Sub(p.y, q.y);
    return checked::Add(checked::Mul(dx, dx), checked::Mul(dy, dy));
}

}  // namespace plane_figures
