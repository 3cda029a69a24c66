#include "stephistory.h"

#include <utility>

namespace plane_figures::session {

void StepHistory::Push(WorkStep step) {
    steps_.resize(done_);
    if (saved_ && *saved_ > done_) saved_.reset();
    steps_.push_back(std::move(step));
    ++done_;
    if (steps_.size() > limit_) {
        const std::size_t forgotten = steps_.size() - limit_;
        steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(forgotten));
        done_ -= forgotten;
        if (saved_ && *saved_ < forgotten) {
            saved_.reset();
        } else if (saved_) {
            *saved_ -= forgotten;
        }
    }
}

void StepHistory::Clear() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
}

}  // namespace plane_figures::session
