// Number and text conversions that the lists, boxes and analysis rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "checked.h"
#include "grid.h"
#include "numtext.h"

namespace plane_figures {
namespace {

TEST(RoundHalfEvenTest, RoundsHalvesToEven) {
    const std::pair<double, double> cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {-0.5, 0},
                                               {-1.5, -2}, {-2.5, -2}, {2.4, 2},    {2.6, 3},
                                               {-2.6, -3}, {10, 10},   {13.15, 13}, {11.45, 11}};
    for (const auto& [in, out] : cases) EXPECT_EQ(RoundHalfEven(in), out) << in;
}

// Rounding into a fixed-width integer refuses what does not fit instead of wrapping.
TEST(RoundToIntTest, RefusesValuesOutsideTheRange) {
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_THROW(RoundToInt16(32767.5), ArithmeticOverflow);
    EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
    EXPECT_THROW(RoundToInt32(2147483648.0), ArithmeticOverflow);
    EXPECT_THROW(RoundToInt32(std::nan("")), ArithmeticOverflow);
    EXPECT_THROW(RoundToInt32(HUGE_VAL), ArithmeticOverflow);
}

struct SnapCase {
    float v;
    double snapped;
};

// Snapping: remainders below 10 go down, 10 and above go up; negative and
// fractional positions follow the same rule.
TEST(SnapToGridTest, GoesToTheNearestLineAndUpAtHalfway) {
    const SnapCase cases[] = {
        {0, 0},
        {9, 0},
        {10, 20},
        {19, 20},
        {20, 20},
        {29, 20},
        {31, 40},
        {250, 260},
        {259, 260},
        {262, 260},
        {228, 220},
        {230, 240},
        {-1, 0},
        {-9, 0},
        {-10, 0},
        {-11, 0},
        {-19, 0},
        {-20, -20},
        {-21, -20},
        // fractional positions: the remainder is taken from the rounded value,
        // the subtraction from the position itself
        {9.4f, double(9.4f) - 9},
        {9.6f, double(9.6f) + 10},
    };
    for (const auto& c : cases) EXPECT_NEAR(SnapToGrid(c.v), c.snapped, 1e-6) << c.v;
}

// The canvas 263 x 229 pixels inside holds 13 columns and 11 rows of cells.
TEST(GridTest, CountsLinesByRoundedQuotient) {
    EXPECT_EQ(GridLineCount(263), 13);
    EXPECT_EQ(GridLineCount(229), 11);
    EXPECT_EQ(GridLineCount(250), 12);  // 12.5: the even neighbour
    EXPECT_EQ(GridLineCount(270), 14);  // 13.5
    EXPECT_EQ(GridLineCount(0), 0);
}

// Overflowing steps raise instead of wrapping around.
TEST(CheckedTest, DetectsEveryOverflow) {
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(checked::Add(max - 1, 1), max);
    EXPECT_THROW(checked::Add(max, 1), ArithmeticOverflow);
    EXPECT_THROW(checked::Add(min, -1), ArithmeticOverflow);
    EXPECT_EQ(checked::Sub(min + 1, 1), min);
    EXPECT_THROW(checked::Sub(min, 1), ArithmeticOverflow);
    EXPECT_THROW(checked::Sub(0, min), ArithmeticOverflow);
    EXPECT_EQ(checked::Mul(3037000499, 3037000499), 9223372030926249001);
    EXPECT_THROW(checked::Mul(3037000500, 3037000500), ArithmeticOverflow);
    EXPECT_THROW(checked::Mul(-3037000500, 3037000500), ArithmeticOverflow);
    EXPECT_EQ(checked::Mul(-1, max), -max);
    EXPECT_THROW(checked::Mul(-1, min), ArithmeticOverflow);
    EXPECT_THROW(checked::Mul(min, -1), ArithmeticOverflow);
    EXPECT_EQ(checked::Mul(min, 1), min);
    EXPECT_EQ(checked::Narrow<std::int16_t>(-32768), -32768);
    EXPECT_THROW(checked::Narrow<std::int16_t>(32768), ArithmeticOverflow);
}

}  // namespace
}  // namespace plane_figures
