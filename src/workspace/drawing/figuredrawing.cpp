#include "figuredrawing.h"

#include "grid.h"
#include "palette.h"
#include "qtpoint.h"

namespace plane_figures::workspace::drawing {

void DrawGrid(CanvasImage& canvas, const Ruling& ruling) {
    canvas.SetDrawWidth(1);
    const QColor black = CanvasImage::PaletteColour(kBlack);
    const int rows = GridLineCount(canvas.ScaleHeight(), ruling.step);
    for (int i = 0; i <= rows; ++i) {
        const int y = ruling.step * i;
        canvas.Line(QPoint(0, y), QPoint(ruling.width, y), black);
    }
    const int columns = GridLineCount(canvas.ScaleWidth(), ruling.step);
    for (int i = 0; i <= columns; ++i) {
        const int x = ruling.step * i;
        canvas.Line(QPoint(x, 0), QPoint(x, ruling.bottom), black);
    }
}

void MarkPoints(CanvasImage& canvas, std::span<const GridPoint> points, int highlighted_row) {
    canvas.SetDrawWidth(5);
    for (std::size_t p = 0; p < points.size(); ++p) {
        const bool highlighted = static_cast<int>(p) == highlighted_row;
        canvas.PSet(ToQPoint(points[p]),
                    CanvasImage::PaletteColour(highlighted ? kHighlight : kBlack));
    }
}

void RedrawPoints(CanvasImage& canvas, const Ruling& ruling, std::span<const GridPoint> points) {
    canvas.SetBackColor(Qt::white);
    DrawGrid(canvas, ruling);
    MarkPoints(canvas, points, -1);
}

void OutlineQuadrilateral(CanvasImage& canvas, const Figure& figure,
                          std::span<const GridPoint> points, int colour) {
    canvas.SetDrawWidth(2);
    const QColor pen = CanvasImage::PaletteColour(colour);
    const auto vertex = [&](std::size_t v) {
        return ToQPoint(points[static_cast<std::size_t>(figure.outline[v])]);
    };
    canvas.Line(vertex(0), vertex(1), pen);
    canvas.LineTo(vertex(2), pen);
    canvas.LineTo(vertex(3), pen);
    canvas.LineTo(vertex(0), pen);
}

QImage PointsPicture(QSize size, const Ruling& ruling, std::span<const GridPoint> points) {
    CanvasImage picture(size);
    picture.SetDrawStyle(CanvasImage::kDashDotDot);
    RedrawPoints(picture, ruling, points);
    return picture.Image();
}

}  // namespace plane_figures::workspace::drawing
