// The grid the canvas is ruled with: a line every step pixels from its top
// and left edges. The window, its PNG and the sheets rule it from here.
#pragma once

#include <QLine>
#include <QList>
#include <QSize>

namespace plane_figures::workspace::drawing {

// The grid's spacing and where its lines end: horizontal lines at width,
// vertical ones at bottom.
struct Ruling {
    short step = 0;
    short width = 0;
    int bottom = 0;

    // The lines on a canvas of this size, in whole pixels: the horizontal ones
    // from the top, then the vertical ones from the left; as many steps as fit
    // in each extent, rounded half to even, and one line more. None without a step.
    QList<QLine> Lines(QSize canvas) const;
};

}  // namespace plane_figures::workspace::drawing
