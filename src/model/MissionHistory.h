#pragma once

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "model/Entries.h"
#include "model/MissionParameters.h"
#include "model/TextTree.h"

namespace qv {

enum class MissionPart { Parameters, Cars, Checkpoints, Objects, Events, Everything };

// One row of a table as a step keeps it: its entry (none for events, which live in their tree
// alone) and a detached copy of its row node; nullptr when the tree had no node for the row.
struct RowCopy {
    std::variant<std::monostate, CarEntry, CheckpointEntry, ObjectEntry> entry;
    std::shared_ptr<const TreeNode> node;
};

// The changes a step is made of; each can be done and undone.
namespace change {
struct Parameters {
    MissionParameters before;
    MissionParameters after;
};
struct InsertRow {  // done: the row appears at `index`; undone: it goes away
    MissionPart table;
    int index;
    RowCopy row;
};
struct RemoveRow {  // done: the row at `index` goes away; undone: it comes back
    MissionPart table;
    int index;
    RowCopy row;
};
struct ReplaceRow {
    MissionPart table;
    int index;
    RowCopy before;
    RowCopy after;
};
struct MoveRow {
    MissionPart table;
    int from;
    int to;
};
struct EventLine {  // a condition or action line of the events tree, edited in place
    int event;
    int group;
    int line;
    std::string before;
    std::string after;
};
}  // namespace change

using Change = std::variant<change::Parameters, change::InsertRow, change::RemoveRow,
                            change::ReplaceRow, change::MoveRow, change::EventLine>;

// One entry of the "Правка" menu: the changes of one user action, done in order and undone in
// reverse order.
struct Step {
    std::string name;  // "добавление чекпоинта 12"
    std::vector<Change> changes;
    // The parameter field a run of typing changes; a following step of the same field joins
    // this one. -1: the step takes no other.
    int typingField = -1;
};

// The steps done and undone since the mission was opened, and which of them is saved.
class MissionHistory {
  public:
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < static_cast<int>(steps_.size()); }
    // The step the next undo or redo takes; only while it can.
    Step& toUndo() { return steps_[static_cast<size_t>(done_ - 1)]; }
    Step& toRedo() { return steps_[static_cast<size_t>(done_)]; }
    const Step* nextUndo() const { return canUndo() ? &steps_[size_t(done_ - 1)] : nullptr; }
    const Step* nextRedo() const { return canRedo() ? &steps_[size_t(done_)] : nullptr; }
    void undone() { --done_; }
    void redone() { ++done_; }

    // Records a step that was just done; the undone steps are dropped. A step of the same
    // typing field as the last one joins it, unless that one is the saved state; a joined step
    // that ends where it began is dropped.
    void record(Step step);
    void clear();

    // Whether the mission differs from the state last saved or opened.
    bool modified() const { return done_ != saved_; }
    void markSaved() { saved_ = done_; }
    int size() const { return static_cast<int>(steps_.size()); }

  private:
    std::vector<Step> steps_;
    int done_ = 0;
    int saved_ = 0;  // -1 when the saved state can no longer be reached
};

}  // namespace qv
