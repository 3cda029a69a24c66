// The deletion of one point; the later points move up a row.
#pragma once

#include <QUndoCommand>

#include "gridpoint.h"

namespace plane_figures::workspace {

class WorkspaceModel;

class DeletePointCommand : public QUndoCommand {
public:
    DeletePointCommand(WorkspaceModel& model, int row);

    void undo() override;
    void redo() override;

private:
    WorkspaceModel& model_;
    int row_;
    GridPoint point_;
    bool done_ = false;  // the first redo is the deletion itself
};

}  // namespace plane_figures::workspace
