#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/Mission.h"

class QWidget;

namespace qv::ui {

// The row a change dialog edits, remembered when the dialog opens for it. The dialog follows
// its row when rows are inserted before it or moved, and is closed when the row goes away
// (removed, or the whole mission replaced by loading), so that its commit can never write a
// row the mission no longer holds, nor another row. When the row itself is changed elsewhere (on
// the map, by undo), the dialog shows it anew.
class RowTarget final : private MissionObserver {
  public:
    // `table` is the part whose rows the dialog changes: Cars, Checkpoints, Objects or Events;
    // `show` fills the dialog from the row of that number.
    RowTarget(Mission& mission, MissionPart table, QWidget& dialog, std::function<void(int)> show);
    ~RowTarget() override;
    RowTarget(const RowTarget&) = delete;
    RowTarget& operator=(const RowTarget&) = delete;

    // Remembers `row` (from 1) and titles the dialog with its row node's text followed by
    // " - Редактирование" (in English "Car 3 - Editing").
    void open(int row);
    // The remembered row; 0 once the dialog was closed because the row went away.
    int row() const { return row_; }

  private:
    void missionChanged(MissionPart part) override;
    void showTitle();
    // The texts of every node under the row's node.
    std::vector<std::string> rowTexts() const;

    Mission& mission_;
    MissionPart table_;
    QWidget& dialog_;
    int row_ = 0;
    const TreeNode* node_ = nullptr;  // compared, never read: it may be gone
    std::function<void(int)> show_;
    std::vector<std::string> shown_;  // rowTexts() as the dialog last showed them
};

}  // namespace qv::ui
