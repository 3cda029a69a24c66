// "Изчисти": a replacement of every point by none.
#pragma once

#include <utility>

#include "replacepointscommand.h"

namespace plane_figures::workspace {

class ClearCommand : public ReplacePointsCommand {
public:
    ClearCommand(WorkspaceModel& model, WorkspaceSnapshot before, WorkspaceSnapshot after)
        : ReplacePointsCommand(model, QStringLiteral("изчистването"), std::move(before),
                               std::move(after)) {}
};

}  // namespace plane_figures::workspace
