// What makes a figure its kind, measured exactly on its points: squared
// lengths, and signs of dot and cross products, in 64-bit integers.
#pragma once

#include <array>
#include <cstdint>

namespace plane_figures {

struct FigureEvidence {
    // Squared lengths of the sides V0V1, V1V2, V2V0 (a triangle) or V0V1,
    // V1V2, V2V3, V3V0 (a quadrilateral), round the outline.
    std::array<std::int64_t, 4> squared_sides{};
    // Squared lengths of the diagonals V0V2 and V1V3 (quadrilaterals only).
    std::array<std::int64_t, 2> squared_diagonals{};
    // Bit k is set when side k is as long as another side of the triangle.
    std::uint8_t equal_sides = 0;
    // Bit k is set when side k runs along a grid line (across or down).
    std::uint8_t grid_sides = 0;
    // The outline position of the triangle's right angle; -1: it has none.
    int right_angle = -1;
    // Quadrilaterals: each pair of opposite sides is parallel (the diagonals
    // halve each other), and of equal length; all four sides are equal;
    // every angle is right; the diagonals are equal.
    bool opposite_sides_parallel = false;
    bool opposite_sides_equal = false;
    bool four_equal_sides = false;
    bool right_angles = false;
    bool equal_diagonals = false;

    // Side k of the figure runs along a grid line.
    bool OnGridLine(int side) const { return (grid_sides >> side & 1) != 0; }
    // Side k is as long as another side of the triangle.
    bool EqualToAnother(int side) const { return (equal_sides >> side & 1) != 0; }
};

}  // namespace plane_figures
