// Opening a file: every point replaced, the report and the shown counts
// emptied; undone, all of them come back.
#pragma once

#include <QUndoCommand>

#include "workspacesnapshot.h"

namespace plane_figures::workspace {

class WorkspaceModel;

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
