// An independent classifier in exact integer arithmetic (squared lengths, dot
// and cross products, no square roots), to check the analysis against.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "figurekinds.h"

namespace plane_figures::testing {

struct GridPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

struct ExactResult {
    std::string report;                    // header and one line per figure, CR LF each
    std::array<int, kKindCount> counts{};  // figures found per kind
};

ExactResult ClassifyExactly(const std::vector<GridPoint>& points);

// Just the number of figures of each kind (the floor the benchmark compares with).
std::array<int, kKindCount> CountExactly(const std::vector<GridPoint>& points);

}  // namespace plane_figures::testing
