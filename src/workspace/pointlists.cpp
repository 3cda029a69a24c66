#include "pointlists.h"

#include "listbox.h"

using plane_figures::PointSet;

PointLists::PointLists(PointSet& points, ListBox* x, ListBox* y, ListBox* numbers)
    : points_(points), x_(x), y_(y), numbers_(numbers) {
    points.Subscribe([this](PointSet::Change change, int index) { Show(change, index); });
}

void PointLists::Show(PointSet::Change change, int index) {
    switch (change) {
        case PointSet::Change::Added:
            Append(points_.At(index));
            numbers_->AddItem(QString::number(index));
            break;
        case PointSet::Change::Removed:
            x_->RemoveItem(index);
            y_->RemoveItem(index);
            Renumber();
            break;
        case PointSet::Change::Replaced:
            x_->Clear();
            y_->Clear();
            for (const plane_figures::GridPoint p : points_.Points()) Append(p);
            Renumber();
            break;
    }
}

void PointLists::Append(plane_figures::GridPoint point) {
    x_->AddItem(QString::number(point.x));
    y_->AddItem(QString::number(point.y));
}

// the numbers list reads "0", "1", … again
void PointLists::Renumber() {
    QStringList numbers;
    for (int p = 0; p < points_.Size(); ++p) numbers << QString::number(p);
    numbers_->SetItems(numbers);
}
