// The point set: refusals change nothing, and every change is told to its
// listeners with the position it concerns.
#include <gtest/gtest.h>

#include <vector>

#include "pointset.h"

namespace plane_figures {
namespace {

struct Heard {
    PointSet::Change change;
    int index;
    int size;  // the set's size when it was told
    bool operator==(const Heard&) const = default;
};

TEST(PointSet, TellsEveryChangeAndRefusesWithoutOne) {
    PointSet points;
    std::vector<Heard> heard;
    points.Subscribe([&](PointSet::Change change, int index) { heard.push_back({change, index, points.Size()}); });
    for (int p = 0; p < PointSet::kCapacity; ++p) ASSERT_TRUE(points.Add({20 * p, 40}));
    EXPECT_FALSE(points.Add({0, 0}));  // the sixteenth
    EXPECT_FALSE(points.RemoveAt(15));
    EXPECT_FALSE(points.RemoveAt(-1));
    EXPECT_FALSE(points.Assign(std::vector<GridPoint>(16)));
    ASSERT_EQ(heard.size(), 15u);
    EXPECT_EQ(heard.back(), (Heard{PointSet::Change::Added, 14, 15}));

    heard.clear();
    ASSERT_TRUE(points.RemoveAt(2));
    EXPECT_EQ(points.At(2), (GridPoint{60, 40}));  // the later points move up
    points.Clear();
    const std::vector<GridPoint> two{{0, 0}, {20, 20}};
    ASSERT_TRUE(points.Assign(two));
    EXPECT_EQ(heard, (std::vector<Heard>{{PointSet::Change::Removed, 2, 14},
                                         {PointSet::Change::Replaced, 0, 0},
                                         {PointSet::Change::Replaced, 0, 2}}));
}

}  // namespace
}  // namespace plane_figures
