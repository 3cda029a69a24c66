// What the canvas shows, drawn into its picture: the grid, the points and
// the outlines of quadrilaterals. The window draws so onto its canvas, and
// the sheets onto a plain image.
#pragma once

#include <QImage>
#include <span>

#include "analysisresult.h"
#include "canvasimage.h"
#include "gridpoint.h"

namespace plane_figures::workspace::drawing {

// The grid's spacing and where its lines end: horizontal lines at width,
// vertical ones at bottom.
struct Ruling {
    short step = 0;
    short width = 0;
    int bottom = 0;
};

// A line every step pixels from the top and left edges, over what is there.
void DrawGrid(CanvasImage& canvas, const Ruling& ruling);
// Every point in black, the one at highlighted_row in light green.
void MarkPoints(CanvasImage& canvas, std::span<const GridPoint> points, int highlighted_row);
// White on every desktop, then the grid and every point in black: no
// outlines, no highlight.
void RedrawPoints(CanvasImage& canvas, const Ruling& ruling, std::span<const GridPoint> points);
// The closed outline of a quadrilateral in its drawing order, in palette colour.
void OutlineQuadrilateral(CanvasImage& canvas, const Figure& figure,
                          std::span<const GridPoint> points, int colour);
// The picture of the points alone on a canvas of this size, as after a deletion.
QImage PointsPicture(QSize size, const Ruling& ruling, std::span<const GridPoint> points);

}  // namespace plane_figures::workspace::drawing
