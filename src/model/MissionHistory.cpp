#include "model/MissionHistory.h"

namespace qv {

void MissionHistory::record(Step step) {
    steps_.erase(steps_.begin() + done_, steps_.end());
    if (saved_ > done_) {
        saved_ = -1;
    }
    if (step.typingField >= 0 && done_ > 0 && saved_ != done_ &&
        steps_.back().typingField == step.typingField && steps_.back().changes.size() == 1 &&
        step.changes.size() == 1) {
        auto& last = std::get<change::Parameters>(steps_.back().changes.front());
        last.after = std::get<change::Parameters>(step.changes.front()).after;
        if (last.after == last.before) {
            // Typed and erased again: nothing is left to undo.
            steps_.pop_back();
            --done_;
        }
        return;
    }
    steps_.push_back(std::move(step));
    ++done_;
}

void MissionHistory::clear() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
}

}  // namespace qv
