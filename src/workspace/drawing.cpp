// The window's drawing procedures: the grid and the outlines of figures.
#include "canvas.h"
#include "grid.h"
#include "listbox.h"
#include "mainform.h"
#include "numtext.h"
#include "palette.h"

namespace {

QColor PaletteColour(int index) {
    const plane_figures::Rgb c = plane_figures::QBColor(index);
    return QColor(c.r, c.g, c.b);
}

}  // namespace

// A line every GridStep pixels from the top and left edges; horizontal lines
// end at CanvasWidth, vertical ones at CanvasHeight. Draws over what is there.
void MainForm::DrawGrid() {
    Picture1->SetDrawWidth(1);
    const QColor black = PaletteColour(plane_figures::kBlack);
    const int rows = plane_figures::GridLineCount(Picture1->ScaleHeight(), GridStep);
    for (int i = 0; i <= rows; ++i) {
        const auto y = static_cast<float>(GridStep * i);
        Picture1->Line(0, y, CanvasWidth, y, black);
    }
    const int columns = plane_figures::GridLineCount(Picture1->ScaleWidth(), GridStep);
    for (int i = 0; i <= columns; ++i) {
        const auto x = static_cast<float>(GridStep * i);
        Picture1->Line(x, 0, x, CanvasHeight, black);
    }
}

void MainForm::OutlineQuadrilateral(const plane_figures::FigureTable& figure,
                                    std::int16_t colour) {
    Picture1->SetDrawWidth(2);
    const QColor pen = PaletteColour(colour);
    const auto x = [&](int v) { return static_cast<float>(figure[static_cast<std::size_t>(v)][0]); };
    const auto y = [&](int v) { return static_cast<float>(figure[static_cast<std::size_t>(v)][1]); };
    Picture1->Line(x(0), y(0), x(1), y(1), pen);
    Picture1->LineTo(x(2), y(2), pen);
    Picture1->LineTo(x(3), y(3), pen);
    Picture1->LineTo(x(0), y(0), pen);
}

void MainForm::OutlineTriangle(std::int32_t /*kind_code*/) {}

// Mark every stored point in black, the one at highlighted_row in light green.
void MainForm::MarkPoints(int highlighted_row) {
    Picture1->SetDrawWidth(5);
    const int count = List1[0]->ListCount();
    for (int p = 0; p < count; ++p) {
        const auto x = static_cast<float>(plane_figures::Val(List1[0]->List(p).toStdString()));
        const auto y = static_cast<float>(plane_figures::Val(List1[1]->List(p).toStdString()));
        Picture1->PSet(x, y, PaletteColour(p == highlighted_row ? plane_figures::kHighlight
                                                                 : plane_figures::kBlack));
    }
}
