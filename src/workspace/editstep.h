// One undoable step of the pupil's work: the state before and after it, and
// the window's routine that shows a state again.
#pragma once

#include <QUndoCommand>
#include <functional>

#include "workspacestate.h"

class EditStep : public QUndoCommand {
public:
    using Show = std::function<void(const WorkspaceState&)>;

    // A step that has just been done, taking the window from before to after.
    EditStep(const QString& text, WorkspaceState before, WorkspaceState after, Show show);

    void undo() override;
    // Shows the state after the step; the call from QUndoStack::push finds the
    // step already done and does nothing.
    void redo() override;

private:
    WorkspaceState before_;
    WorkspaceState after_;
    Show show_;
    bool already_done_ = true;
};
