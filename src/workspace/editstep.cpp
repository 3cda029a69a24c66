#include "editstep.h"

#include <utility>

EditStep::EditStep(const QString& text, WorkspaceState before, WorkspaceState after, Show show)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      show_(std::move(show)) {}

void EditStep::undo() { show_(before_); }

void EditStep::redo() {
    if (std::exchange(already_done_, false)) return;
    show_(after_);
}
