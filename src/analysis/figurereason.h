// Why a figure of the report is its kind: a few lines for the pupil.
#pragma once

#include <span>
#include <string>

#include "analysisresult.h"
#include "gridpoint.h"

namespace plane_figures {

// The kind in words with the figure's points, then each side in the grid's
// squares ("2 квадратчета надясно и 4 надолу"), and why it is its kind in
// words a pupil of the 5th grade follows: equal sides are the same steps
// turned or mirrored (or, where they are not, the squares of their steps add
// up alike: "3·3 + 4·4 = 25 = 5·5"), a right angle is steps turned a quarter
// turn, opposite sides are the same steps; the diagonals equal or not. No
// roots, no decimals. Lines joined by "\n". Empty when the figure's measures
// are not those of these points (a point was moved or removed).
std::string FigureReason(const Figure& figure, std::span<const GridPoint> points);

}  // namespace plane_figures
