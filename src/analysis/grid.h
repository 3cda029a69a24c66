// The grid that points snap to.
#pragma once

#include <cstdint>

#include "gridpoint.h"

namespace plane_figures {

inline constexpr short kGridStep = 20;

// The canvas's drawing area in pixels: points lie at x 0..262, y 0..228.
inline constexpr std::int32_t kCanvasWidth = 263;
inline constexpr std::int32_t kCanvasHeight = 229;

// Snap one mouse coordinate to the nearest grid line: remainders 0..9 of the
// rounded value go down, 10..19 go up, so a click halfway goes to the higher
// line. The result is computed from v itself, not from its rounded value.
double SnapToGrid(float v, short grid_step = kGridStep);

// The grid node nearest to a whole pixel, each coordinate snapped as above.
GridPoint SnapToNode(GridPoint pixel, short grid_step = kGridStep);

// How many grid steps fit in extent, rounded half to even; the grid has this
// many + 1 lines in that direction.
int GridLineCount(double extent, short grid_step = kGridStep);

// The squared distance between p and q; ArithmeticOverflow past 64 bits.
std::int64_t SquaredDistance(GridPoint p, GridPoint q);

}  // namespace plane_figures
