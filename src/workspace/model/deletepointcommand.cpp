#include "deletepointcommand.h"

#include <utility>

#include "workspacemodel.h"

namespace plane_figures::workspace {

DeletePointCommand::DeletePointCommand(WorkspaceModel& model, int row)
    : QUndoCommand(QStringLiteral("изтриването на точка %1").arg(row)),
      model_(model),
      row_(row),
      point_(model.Points().At(row)) {}

void DeletePointCommand::undo() {
    model_.InsertPoint(row_, point_, WorkspaceModel::Shown::kRestored);
}

void DeletePointCommand::redo() {
    const bool again = std::exchange(done_, true);
    model_.RemovePoint(row_,
                       again ? WorkspaceModel::Shown::kRestored : WorkspaceModel::Shown::kDone);
}

}  // namespace plane_figures::workspace
