// The canvas on paper, drawn at the device's resolution from the points and
// the outlines: the canvas's dash-dot-dot grid, its colours and widths, and
// each point's number set off from the lines and from the other numbers.
#pragma once

#include <QList>
#include <QRect>
#include <QRectF>
#include <QSize>

#include "sheetcontent.h"

class QPainter;

namespace plane_figures::workspace::sheetcanvas {

// The canvas of content drawn into place (device pixels), scaled evenly
// from its size in canvas pixels; every point black.
void Draw(QPainter& painter, const QRectF& place, const SheetContent& content);

// Where each point's number goes, in whole canvas pixels: a box of its size
// beside its dot, up and to the right where it can, clear of the other
// numbers, the dots, the outlines and the grid lines (drawing::PlaceNumbers).
QList<QRect> NumberPlaces(const SheetContent& content, const QList<QSize>& sizes);

}  // namespace plane_figures::workspace::sheetcanvas
