// Entering points with the mouse and deleting the selected one.
#include "canvas.h"
#include "grid.h"
#include "listbox.h"
#include "mainform.h"
#include "numtext.h"
#include "systemcolours.h"

namespace {

constexpr std::int32_t kMaxPoints = 15;

QString NumberText(double v) { return QString::fromStdString(plane_figures::FormatNumber(v)); }

}  // namespace

// Any button enters a point: snapped to the nearest grid node, marked, listed.
void MainForm::Picture1_MouseDown(short /*button*/, short /*shift*/, float x, float y) {
    if (PointCount >= kMaxPoints) return;
    Picture1->SetDrawWidth(5);
    const double snapped_x = plane_figures::SnapToGrid(x, GridStep);
    const double snapped_y = plane_figures::SnapToGrid(y, GridStep);
    Picture1->PSet(static_cast<float>(snapped_x), static_cast<float>(snapped_y));
    List1[0]->AddItem(NumberText(snapped_x));
    List1[1]->AddItem(NumberText(snapped_y));
    ++PointCount;
    List1[3]->AddItem(QString::number(PointCount - 1));
    UpdateDrawButton();
}

// Delete the point that the X and Y lists both select; renumber the rest and
// redraw the canvas with the grid and the remaining points only.
void MainForm::DeleteSelectedPoint() {
    const int selected = List1[0]->ListIndex();
    if (selected < 0 || List1[1]->ListIndex() != selected) return;
    Picture1->SetDrawWidth(5);
    --PointCount;
    List1[0]->RemoveItem(selected);
    List1[1]->RemoveItem(selected);
    List1[3]->Clear();
    for (int k = 0; k < PointCount; ++k) List1[3]->AddItem(QString::number(k));
    Picture1->SetBackColor(TitleBarTextColour());
    Picture1->Cls();
    DrawGrid();
    MarkPoints(-1);
    UpdateDrawButton();
}
