// A grid point as Qt's whole-pixel point, and back.
#pragma once

#include <QPoint>

#include "gridpoint.h"

namespace plane_figures::workspace {

constexpr QPoint ToQPoint(GridPoint p) { return QPoint(p.x, p.y); }
constexpr GridPoint ToGridPoint(QPoint p) { return GridPoint{p.x(), p.y()}; }

}  // namespace plane_figures::workspace
