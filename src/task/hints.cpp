#include "hints.h"

#include <algorithm>
#include <numeric>

namespace plane_figures::task {

namespace {

// twice the sum of the squared sides: larger figures have larger sums
std::int64_t Size(const Figure& figure) {
    return std::accumulate(figure.evidence.squared_sides.begin(),
                           figure.evidence.squared_sides.begin() + figure.vertex_count,
                           std::int64_t{0});
}

}  // namespace

bool HardToSee(const Figure& figure) {
    const FigureEvidence& e = figure.evidence;
    if (!figure.IsTriangle()) return e.grid_sides == 0;
    if (e.right_angle >= 0) {
        // the arms of the angle at vertex k: the sides from it and into it
        const int k = e.right_angle;
        return !e.OnGridLine(k) || !e.OnGridLine((k + 2) % 3);
    }
    for (int side = 0; side < 3; ++side) {
        if (e.EqualToAnother(side) && !e.OnGridLine(side)) return true;
    }
    return false;
}

Hints HintsFor(const AnalysisResult& result, FigureKind kind, Verdict verdict) {
    Hints hints;
    for (int i = 0; i < static_cast<int>(result.figures.size()); ++i) {
        if (result.figures[static_cast<std::size_t>(i)].kind == kind) hints.figures.push_back(i);
    }
    const auto figure = [&](int i) -> const Figure& {
        return result.figures[static_cast<std::size_t>(i)];
    };
    std::stable_sort(hints.figures.begin(), hints.figures.end(), [&](int a, int b) {
        const bool hard_a = HardToSee(figure(a));
        const bool hard_b = HardToSee(figure(b));
        if (hard_a != hard_b) return hard_a;
        return Size(figure(a)) > Size(figure(b));
    });
    if (verdict == Verdict::kFewer) {
        hints.first = EasyToMiss::kNarrowestKind;
    } else if (!hints.figures.empty() && HardToSee(figure(hints.figures.front()))) {
        switch (kind) {
            case kIsosceles: hints.first = EasyToMiss::kEqualSidesTilted; break;
            case kRight:
            case kIsoscelesRight: hints.first = EasyToMiss::kRightAngleOffGrid; break;
            default: hints.first = EasyToMiss::kTiltedSides; break;
        }
    } else {
        hints.first = EasyToMiss::kLargeFigures;
    }
    return hints;
}

}  // namespace plane_figures::task
