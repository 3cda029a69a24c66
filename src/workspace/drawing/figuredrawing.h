// What the canvas shows, drawn into its picture: the grid, the points and
// the outlines of quadrilaterals. The window draws so onto its canvas, and
// the sheets onto a plain image.
#pragma once

#include <QImage>
#include <span>

#include "canvasimage.h"
#include "gridpoint.h"
#include "outline.h"
#include "ruling.h"

namespace plane_figures::workspace::drawing {

// The ruling's lines over what is there, one pixel wide, in the picture's line style.
void DrawGrid(CanvasImage& canvas, const Ruling& ruling);
// Every point in black, the one at highlighted_row in light green.
void MarkPoints(CanvasImage& canvas, std::span<const GridPoint> points, int highlighted_row);
// White on every desktop, then the grid and every point in black: no
// outlines, no highlight.
void RedrawPoints(CanvasImage& canvas, const Ruling& ruling, std::span<const GridPoint> points);
// Each outline in turn, 2 pixels wide: from its first vertex through the
// others and back, in its colour.
void DrawOutlines(CanvasImage& canvas, const QList<Outline>& outlines);
// The picture of the points alone on a canvas of this size, as after a deletion.
QImage PointsPicture(QSize size, const Ruling& ruling, std::span<const GridPoint> points);

}  // namespace plane_figures::workspace::drawing
