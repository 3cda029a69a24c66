// Random nodes and figures on the canvas's inner nodes (off its edge rows and
// columns, where a dot is drawn whole), drawn from a class set's random
// numbers, so that the same code places the same nodes everywhere.
#pragma once

#include <vector>

#include "grid.h"
#include "gridpoint.h"
#include "splitmix64.h"

namespace plane_figures::classset {

class NodePicker {
public:
    using Points = std::vector<GridPoint>;

    // the grid's nodes across and down the canvas
    static constexpr int kColumns = (kCanvasWidth - 1) / kGridStep + 1;
    static constexpr int kRows = (kCanvasHeight - 1) / kGridStep + 1;

    explicit NodePicker(SplitMix64& random) : random_(random) {}

    // p is an inner node
    static bool Inner(GridPoint p);
    static bool Holds(const Points& points, GridPoint p);

    GridPoint RandomNode();
    // Add a figure of kind to points: on the side between two of its points
    // (two random nodes when it has fewer), one new vertex for a triangle,
    // two for a quadrilateral. False (points unchanged) when the new
    // vertices fall off the inner nodes or on a point.
    bool Plant(Points& points, int kind);
    // count random nodes in a small square of nodes placed at random
    Points Packed(int count);
    // points turned or mirrored at random and shifted to a random place;
    // their figures stay as they were
    Points Placed(const Points& points);

private:
    SplitMix64& random_;
};

}  // namespace plane_figures::classset
