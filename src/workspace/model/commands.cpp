#include "commands.h"

#include <utility>

#include "workspacemodel.h"

namespace plane_figures::workspace {

AddPointCommand::AddPointCommand(WorkspaceModel& model, GridPoint node)
    : QUndoCommand(WorkspaceModel::tr("въвеждането на точка")),
      model_(model),
      node_(node),
      row_(model.PointCount()),
      chosen_(model.Chosen()) {}

void AddPointCommand::redo() { model_.Insert(row_, node_, chosen_); }

void AddPointCommand::undo() { model_.Remove(row_, chosen_); }

namespace {

// the chosen row after row is deleted: none if it was row, one up if below it
int ChosenAfterDeleting(int chosen, int row) {
    if (chosen == row) return WorkspaceModel::kNone;
    return chosen > row ? chosen - 1 : chosen;
}

}  // namespace

DeletePointCommand::DeletePointCommand(WorkspaceModel& model, int row)
    : QUndoCommand(WorkspaceModel::tr("изтриването на точка %1").arg(row)),
      model_(model),
      row_(row),
      point_(model.Points().At(row)),
      chosen_before_(model.Chosen()),
      chosen_after_(ChosenAfterDeleting(model.Chosen(), row)) {}

void DeletePointCommand::redo() { model_.Remove(row_, chosen_after_); }

void DeletePointCommand::undo() { model_.Insert(row_, point_, chosen_before_); }

ReplacePointsCommand::ReplacePointsCommand(WorkspaceModel& model, const QString& text,
                                           WorkspaceSnapshot before, WorkspaceSnapshot after)
    : QUndoCommand(text), model_(model), before_(std::move(before)), after_(std::move(after)) {}

void ReplacePointsCommand::redo() { model_.Restore(after_); }

void ReplacePointsCommand::undo() { model_.Restore(before_); }

}  // namespace plane_figures::workspace
