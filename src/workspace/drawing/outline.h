// Which figures "Чертай" outlines, and how: every quadrilateral of the
// result, in the result's order (a later one over an earlier), its sides in
// its drawing order, in its kind's colour; triangles are not outlined. The
// window, its PNG and the answer sheet draw these outlines.
#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <span>

#include "analysisresult.h"
#include "gridpoint.h"

namespace plane_figures::workspace::drawing {

// A closed outline: its vertices in drawing order, in canvas pixels.
struct Outline {
    QList<QPoint> vertices;
    QColor colour;
};

// The outlines of result's figures, whose point numbers index points.
QList<Outline> Outlines(const AnalysisResult& result, std::span<const GridPoint> points);

}  // namespace plane_figures::workspace::drawing
