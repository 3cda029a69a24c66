// The steps that can be taken back and brought back, the oldest forgotten
// beyond a limit, and the place where the work was last opened or saved.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "workstep.h"

namespace plane_figures::session {

class StepHistory {
public:
    explicit StepHistory(std::size_t limit) : limit_(limit) {}

    // A step taken: the steps that could be brought back are gone, and the
    // oldest beyond the limit forgotten (with the saved place, if it was
    // among them or among those gone).
    void Push(WorkStep step);
    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The step to take back, now counted as not done; CanUndo first.
    const WorkStep& Undo() { return steps_[--done_]; }
    // The step to bring back, now counted as done; CanRedo first.
    const WorkStep& Redo() { return steps_[done_++]; }
    // The last step done and the next to bring back, if any.
    const WorkStep* Undoable() const { return CanUndo() ? &steps_[done_ - 1] : nullptr; }
    const WorkStep* Redoable() const { return CanRedo() ? &steps_[done_] : nullptr; }

    // No steps; the work as saved.
    void Clear();
    // The work as it is now is saved.
    void MarkSaved() { saved_ = done_; }
    bool AtSaved() const { return saved_ == done_; }

    std::size_t Count() const { return steps_.size(); }
    std::size_t Done() const { return done_; }
    std::size_t Limit() const { return limit_; }

private:
    std::vector<WorkStep> steps_;
    std::size_t done_ = 0;                  // the steps done, from the oldest
    std::optional<std::size_t> saved_ = 0;  // done_ when saved; none when out of reach
    std::size_t limit_;
};

}  // namespace plane_figures::session
