// The point set: refusals change nothing, and a point put in or taken out
// moves the later ones, since a point's number is its position.
#include <gtest/gtest.h>

#include <vector>

#include "pointset.h"

namespace plane_figures {
namespace {

TEST(PointSet, RefusalsChangeNothing) {
    PointSet points;
    for (int p = 0; p < PointSet::kCapacity; ++p) ASSERT_TRUE(points.Add({20 * p, 40}));
    const PointSet full = points;
    EXPECT_FALSE(points.Add({0, 0}));  // the sixteenth
    EXPECT_FALSE(points.Insert(0, {0, 0}));
    EXPECT_FALSE(points.RemoveAt(15));
    EXPECT_FALSE(points.RemoveAt(-1));
    EXPECT_FALSE(points.Assign(std::vector<GridPoint>(16)));
    EXPECT_EQ(points, full);

    PointSet two;
    ASSERT_TRUE(two.Assign(std::vector<GridPoint>{{0, 0}, {20, 20}}));
    EXPECT_FALSE(two.Insert(3, {40, 40}));  // past the end
    EXPECT_FALSE(two.Insert(-1, {40, 40}));
    EXPECT_EQ(two.Size(), 2);
}

TEST(PointSet, LaterPointsMove) {
    PointSet points;
    for (int p = 0; p < 4; ++p) ASSERT_TRUE(points.Add({20 * p, 40}));
    ASSERT_TRUE(points.RemoveAt(1));
    EXPECT_EQ(points.At(1), (GridPoint{40, 40}));  // the later points move up
    ASSERT_TRUE(points.Insert(1, {20, 40}));       // and down again
    EXPECT_EQ(points.At(1), (GridPoint{20, 40}));
    EXPECT_EQ(points.At(3), (GridPoint{60, 40}));
    ASSERT_TRUE(points.Insert(4, {80, 40}));  // at the end, as Add
    EXPECT_EQ(points.Size(), 5);
}

}  // namespace
}  // namespace plane_figures
