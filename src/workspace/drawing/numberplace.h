// Where a point's number stands beside its dot: the chosen figure's vertex
// numbers over the window's canvas and every point's number on the sheets
// are placed by this rule, in whole canvas pixels (the sheets draw the places
// scaled to the page).
#pragma once

#include <QLineF>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace plane_figures::workspace::drawing {

// What a number keeps clear of, in canvas pixels (a whole pixel's middle is
// half a pixel in), and what crossing each costs: another number 1000 (100
// where only the white around this one reaches it), a dot 100, an outline's
// side 10, a grid line 1.
struct NumberSurroundings {
    QSize canvas;          // a number lies wholly on it wherever it can
    QList<QRect> numbers;  // the numbers placed before
    QList<QPointF> dots;   // the dots' middles
    double dot_radius = 0;
    QList<QLineF> sides;  // the outlines' sides, along their middles
    double side_width = 0;
    QList<QLineF> grid;  // the grid's lines, along their middles
    double margin = 0;   // the white kept around a number
};

// The place of a number of this size beside the dot on pixel dot. The boxes
// tried, the most wanted first: the corner toward `toward` (each coordinate
// 1 or -1, -1 being left or up), the corner across from it sideways, then up
// or down, then diagonally; then the right, left, upper and lower sides (a
// side's box moved along the canvas's edge onto it where it crosses it). Of
// those wholly on the canvas the one that costs least wins, the earlier on a
// tie. When none is, the first corner is turned back from each edge it
// crosses and moved onto the canvas.
QRect PlaceNumber(QPoint dot, QSize size, QPoint toward, const NumberSurroundings& around);

// The dots' numbers in turn (sizes[p] for dots[p]), each also clear of the
// ones placed before it.
QList<QRect> PlaceNumbers(const QList<QPoint>& dots, const QList<QSize>& sizes, QPoint toward,
                          NumberSurroundings around);

}  // namespace plane_figures::workspace::drawing
