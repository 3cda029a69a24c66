#include "figuredrawing.h"

#include "palette.h"
#include "qtpoint.h"

namespace plane_figures::workspace::drawing {

void DrawGrid(CanvasImage& canvas, const Ruling& ruling) {
    canvas.SetDrawWidth(1);
    const QColor black = CanvasImage::PaletteColour(kBlack);
    const QSize size(canvas.ScaleWidth(), canvas.ScaleHeight());
    for (const QLine& line : ruling.Lines(size)) canvas.Line(line.p1(), line.p2(), black);
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
    canvas.SetBackColor(CanvasImage::PaletteColour(kWhite));
    DrawGrid(canvas, ruling);
    MarkPoints(canvas, points, -1);
}

void DrawOutlines(CanvasImage& canvas, const QList<Outline>& outlines) {
    for (const Outline& outline : outlines) {
        const QList<QPoint>& v = outline.vertices;
        if (v.size() < 2) continue;
        canvas.SetDrawWidth(2);
        canvas.Line(v[0], v[1], outline.colour);
        for (qsizetype i = 2; i < v.size(); ++i) canvas.LineTo(v[i], outline.colour);
        canvas.LineTo(v[0], outline.colour);
    }
}

QImage PointsPicture(QSize size, const Ruling& ruling, std::span<const GridPoint> points) {
    CanvasImage picture(size);
    picture.SetDrawStyle(CanvasImage::kDashDotDot);
    RedrawPoints(picture, ruling, points);
    return picture.Image();
}

}  // namespace plane_figures::workspace::drawing
