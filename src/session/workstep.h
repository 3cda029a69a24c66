// One step the pupil can take back and bring back: a point entered or
// deleted (with the choice before and after), or every point replaced
// ("Изчисти", a file opened) with the whole work before and after.
#pragma once

#include <string_view>

#include "gridpoint.h"
#include "worksnapshot.h"

namespace plane_figures::session {

struct WorkStep {
    enum class Kind { kInsert, kRemove, kReplace };
    Kind kind = Kind::kInsert;
    // What the step is called after "Отмени" and "Върни": a text of the
    // session's (translated by its bytes) with %1 for number when it is
    // not negative.
    std::string_view text;
    int number = -1;
    // an insertion or a removal: the row, the point and the choice
    int row = 0;
    GridPoint point;
    int chosen_before = -1;
    int chosen_after = -1;
    // a replacement
    WorkSnapshot before;
    WorkSnapshot after;
};

}  // namespace plane_figures::session
