#include "replacepointscommand.h"

#include <utility>

#include "workspacemodel.h"

namespace plane_figures::workspace {

ReplacePointsCommand::ReplacePointsCommand(WorkspaceModel& model, const QString& text,
                                           WorkspaceSnapshot before, WorkspaceSnapshot after)
    : QUndoCommand(text), model_(model), before_(std::move(before)), after_(std::move(after)) {}

void ReplacePointsCommand::undo() { model_.Restore(before_); }

void ReplacePointsCommand::redo() { model_.Restore(after_); }

}  // namespace plane_figures::workspace
