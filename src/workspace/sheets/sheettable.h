// The tables of a sheet: boxed cells, the heading row in bold, two tables
// side by side when the page is wide enough.
#pragma once

#include <QList>
#include <QRect>
#include <QStringList>
#include <array>

class QPainter;

namespace plane_figures::workspace::sheettable {

using Table = QList<QStringList>;  // rows of cells, the heading first

// Where two tables go, relative to the top left of both: side by side at the
// page's edges, or the second below the first when the page is too narrow.
std::array<QRect, 2> Places(const QPainter& painter, const Table& first, const Table& second);
// Both tables with their top at top: side by side at the page's edges, or
// the second below the first when the page is too narrow.
void DrawTables(QPainter& painter, int top, const Table& first, const Table& second);

}  // namespace plane_figures::workspace::sheettable
