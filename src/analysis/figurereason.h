// Why a figure of the report is its kind: a few lines for the pupil.
#pragma once

#include <span>
#include <string>

#include "analysisresult.h"
#include "gridpoint.h"

namespace plane_figures {

// The kind in words with the figure's points, then its sides and (for a
// quadrilateral) diagonals with their lengths, the equal sides and where
// the right angle is; lines joined by "\n". Empty when the figure's
// measures are not those of these points (a point was moved or removed).
std::string FigureReason(const Figure& figure, std::span<const GridPoint> points);

}  // namespace plane_figures
