#include "outline.h"

#include "canvasimage.h"
#include "palette.h"
#include "qtpoint.h"

namespace plane_figures::workspace::drawing {

QList<Outline> Outlines(const AnalysisResult& result, std::span<const GridPoint> points) {
    QList<Outline> outlines;
    for (const Figure& figure : result.figures) {
        const int colour = OutlineColour(figure.kind);
        if (figure.IsTriangle() || colour < 0) continue;
        Outline outline{{}, CanvasImage::PaletteColour(colour)};
        for (const int v : figure.outline)
            outline.vertices << ToQPoint(points[static_cast<std::size_t>(v)]);
        outlines << outline;
    }
    return outlines;
}

}  // namespace plane_figures::workspace::drawing
