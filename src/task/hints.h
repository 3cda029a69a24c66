// "Подсказка" for a kind the last check found wrong, in stages: first what is
// easy to miss of that kind among these points, then its figures one by one,
// the hardest to see first. Decided from the figures' evidence alone.
#pragma once

#include <vector>

#include "analysisresult.h"
#include "countcheck.h"

namespace plane_figures::task {

// What the first hint of a kind says.
enum class EasyToMiss {
    kTiltedSides,        // quadrilaterals none of whose sides follows the grid lines
    kRightAngleOffGrid,  // right angles whose arms do not follow the grid lines
    kEqualSidesTilted,   // isosceles triangles whose equal sides are tilted
    kLargeFigures,       // figures larger than a square or two of the grid
    kNarrowestKind,      // counted too many: a figure counts in its narrowest kind alone
};

struct Hints {
    EasyToMiss first = EasyToMiss::kLargeFigures;
    // The figures of the kind (indices into the result's figures) in the
    // order the next hints draw them: hard to see first, then larger first,
    // then in report order.
    std::vector<int> figures;
};

// Whether the figure is one whose kind is hard to see: its sides, its right
// angle's arms or its equal sides do not follow the grid lines.
bool HardToSee(const Figure& figure);

Hints HintsFor(const AnalysisResult& result, FigureKind kind, Verdict verdict);

}  // namespace plane_figures::task
