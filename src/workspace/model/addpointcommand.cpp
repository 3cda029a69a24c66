#include "addpointcommand.h"

#include <utility>

#include "workspacemodel.h"

namespace plane_figures::workspace {

AddPointCommand::AddPointCommand(WorkspaceModel& model, GridPoint node)
    : QUndoCommand(QStringLiteral("въвеждането на точка")),
      model_(model),
      node_(node),
      row_(model.PointCount()) {}

void AddPointCommand::undo() { model_.RemovePoint(row_, WorkspaceModel::Shown::kRestored); }

void AddPointCommand::redo() {
    const bool again = std::exchange(done_, true);
    model_.InsertPoint(row_, node_,
                       again ? WorkspaceModel::Shown::kRestored : WorkspaceModel::Shown::kDone);
}

}  // namespace plane_figures::workspace
