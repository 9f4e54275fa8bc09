#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace qv {

// The observers of one subject. An observer may add or remove observers while it is told: one
// removed meanwhile is not told any more, and one added meanwhile is told from the next change
// on, even when it lives where a removed one lived.
template <typename Observer>
class ObserverList {
  public:
    void add(Observer* observer) { observers_.push_back(observer); }

    void remove(Observer* observer) {
        if (telling_ == 0) {
            std::erase(observers_, observer);
        } else {
            // Blanked rather than erased: the loops under way go on by position.
            std::replace(observers_.begin(), observers_.end(), observer,
                         static_cast<Observer*>(nullptr));
        }
    }

    template <typename Call>
    void tell(Call&& call) {
        ++telling_;
        const std::size_t count = observers_.size();  // those added meanwhile wait
        try {
            for (std::size_t i = 0; i < count; ++i) {
                if (Observer* observer = observers_[i]) {
                    call(*observer);
                }
            }
        } catch (...) {
            settle();
            throw;
        }
        settle();
    }

  private:
    void settle() {
        if (--telling_ == 0) {
            std::erase(observers_, static_cast<Observer*>(nullptr));
        }
    }

    std::vector<Observer*> observers_;
    int telling_ = 0;
};

}  // namespace qv
