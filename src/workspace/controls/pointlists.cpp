#include "pointlists.h"

#include <QScrollBar>

#include "listbox.h"
#include "workspacemodel.h"

namespace plane_figures::workspace {

PointLists::PointLists(const WorkspaceModel& model, ListBox* x, ListBox* y, ListBox* numbers)
    : QObject(x), model_(model), x_(x), y_(y), numbers_(numbers) {
    connect(&model, &WorkspaceModel::PointAdded, this, &PointLists::Added);
    connect(&model, &WorkspaceModel::PointRemoved, this, &PointLists::Removed);
    connect(&model, &WorkspaceModel::PointsReplaced, this, &PointLists::Replaced);
    connect(&model, &WorkspaceModel::ChoiceChanged, this, &PointLists::ShowChoice);
    for (ListBox* list : {x_, y_, numbers_}) {
        connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this,
                &PointLists::ScrollTogether);
    }
}

// the lists scroll by whole rows: the scroll bar's value is the first row shown
void PointLists::ScrollTogether(int first_row) {
    for (ListBox* list : {x_, y_, numbers_}) {
        if (list->verticalScrollBar()->value() != first_row)
            list->verticalScrollBar()->setValue(first_row);
    }
}

void PointLists::Added(int row) {
    Append(model_.Points().At(row));
    numbers_->AddItem(QString::number(row));
}

void PointLists::Removed(int row) {
    x_->RemoveItem(row);
    y_->RemoveItem(row);
    Renumber();
    ShowChoice();
}

void PointLists::Replaced() {
    x_->Clear();
    y_->Clear();
    for (const GridPoint p : model_.Points().Points()) Append(p);
    Renumber();
    ShowChoice();
}

void PointLists::Append(GridPoint point) {
    x_->AddItem(QString::number(point.x));
    y_->AddItem(QString::number(point.y));
}

// the numbers list reads "0", "1", … again
void PointLists::Renumber() {
    QStringList numbers;
    for (int p = 0; p < model_.PointCount(); ++p) numbers << QString::number(p);
    numbers_->SetItems(numbers);
}

// a list already on the row is left alone, so that its current row stays
void PointLists::ShowChoice() {
    for (ListBox* list : {x_, y_, numbers_}) {
        if (list->ListIndex() != model_.Chosen()) list->SetListIndex(model_.Chosen());
    }
}

}  // namespace plane_figures::workspace
