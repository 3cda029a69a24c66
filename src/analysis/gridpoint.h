// A point of the canvas in whole pixels: x to the right, y downwards.
#pragma once

#include <cstdint>

namespace plane_figures {

struct GridPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend constexpr bool operator==(GridPoint, GridPoint) = default;
};

}  // namespace plane_figures
