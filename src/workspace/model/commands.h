// The steps the pupil can undo, one command each on the model's undo stack:
// redo() does the step, undo() takes it back. Each holds what it needs to
// put the work as it was before the step, the chosen point included, and as
// after it; the model tells its views what changed.
#pragma once

#include <QUndoCommand>

#include "gridpoint.h"
#include "workspacesnapshot.h"

namespace plane_figures::workspace {

class WorkspaceModel;

// The entry of one point at the end of the list; the choice stays.
class AddPointCommand : public QUndoCommand {
public:
    AddPointCommand(WorkspaceModel& model, GridPoint node);

    void undo() override;
    void redo() override;

private:
    WorkspaceModel& model_;
    GridPoint node_;
    int row_;
    int chosen_;  // before the entry and after it
};

// The deletion of one point; the later points move up a row. The chosen
// point, when deleted, is chosen no more, and chosen again when undone.
class DeletePointCommand : public QUndoCommand {
public:
    DeletePointCommand(WorkspaceModel& model, int row);

    void undo() override;
    void redo() override;

private:
    WorkspaceModel& model_;
    int row_;
    GridPoint point_;
    int chosen_before_;
    int chosen_after_;
};

// "Изчисти" or opening a file: every point replaced, nothing chosen, the
// report and the shown counts emptied; undone, all of them come back.
class ReplacePointsCommand : public QUndoCommand {
public:
    ReplacePointsCommand(WorkspaceModel& model, const QString& text, WorkspaceSnapshot before,
                         WorkspaceSnapshot after);

    void undo() override;
    void redo() override;

private:
    WorkspaceModel& model_;
    WorkspaceSnapshot before_;
    WorkspaceSnapshot after_;
};

}  // namespace plane_figures::workspace
