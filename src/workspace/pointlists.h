// The three visible point lists as views of the point set: the X of every
// point, its Y, and its number.
#pragma once

#include "pointset.h"

class ListBox;

class PointLists {
public:
    PointLists(plane_figures::PointSet& points, ListBox* x, ListBox* y, ListBox* numbers);

private:
    void Show(plane_figures::PointSet::Change change, int index);
    void Append(plane_figures::GridPoint point);
    void Renumber();

    const plane_figures::PointSet& points_;
    ListBox* x_;
    ListBox* y_;
    ListBox* numbers_;
};
