// The three visible point lists as views of the points: the X of every
// point, its Y, and its number, each row of them one point, so that their
// first visible rows stay together however one of them is scrolled; the
// chosen point's row is selected in all three.
#pragma once

#include <QObject>

#include "gridpoint.h"

namespace plane_figures::workspace {

class ListBox;
class WorkspaceModel;

class PointLists : public QObject {
    Q_OBJECT

public:
    PointLists(const WorkspaceModel& model, ListBox* x, ListBox* y, ListBox* numbers);

private:
    void Added(int row);
    void Removed(int row);
    void Replaced();
    void Append(GridPoint point);
    void Renumber();
    void ShowChoice();
    void ScrollTogether(int first_row);

    const WorkspaceModel& model_;
    ListBox* x_;
    ListBox* y_;
    ListBox* numbers_;
};

}  // namespace plane_figures::workspace
