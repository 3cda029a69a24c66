// The entry of one point at the end of the list.
#pragma once

#include <QUndoCommand>

#include "gridpoint.h"

namespace plane_figures::workspace {

class WorkspaceModel;

class AddPointCommand : public QUndoCommand {
public:
    AddPointCommand(WorkspaceModel& model, GridPoint node);

    void undo() override;
    void redo() override;

private:
    WorkspaceModel& model_;
    GridPoint node_;
    int row_;
    bool done_ = false;  // the first redo is the entry itself
};

}  // namespace plane_figures::workspace
