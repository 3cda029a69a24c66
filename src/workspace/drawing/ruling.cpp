#include "ruling.h"

#include "grid.h"

namespace plane_figures::workspace::drawing {

QList<QLine> Ruling::Lines(QSize canvas) const {
    QList<QLine> lines;
    if (step <= 0) return lines;
    const int rows = GridLineCount(canvas.height(), step);
    for (int i = 0; i <= rows; ++i) lines << QLine(0, step * i, width, step * i);
    const int columns = GridLineCount(canvas.width(), step);
    for (int i = 0; i <= columns; ++i) lines << QLine(step * i, 0, step * i, bottom);
    return lines;
}

}  // namespace plane_figures::workspace::drawing
