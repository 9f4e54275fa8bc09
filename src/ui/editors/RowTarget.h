#pragma once

#include "model/Mission.h"

class QWidget;

namespace qv::ui {

// The row a change dialog edits, remembered when the dialog opens for it. The dialog follows
// its row when rows are inserted before it or moved, and is closed when the row goes away
// (removed, or the whole mission replaced by loading), so that its commit can never write a
// row the mission no longer holds, nor another row.
class RowTarget final : private MissionObserver {
  public:
    // `table` is the part whose rows the dialog changes: Cars, Checkpoints, Objects or Events.
    RowTarget(Mission& mission, MissionPart table, QWidget& dialog);
    ~RowTarget() override;
    RowTarget(const RowTarget&) = delete;
    RowTarget& operator=(const RowTarget&) = delete;

    // Remembers `row` (from 1) and titles the dialog with its row node's text followed by
    // " - Редактирование".
    void open(int row);
    // The remembered row; 0 once the dialog was closed because the row went away.
    int row() const { return row_; }

  private:
    void missionChanged(MissionPart part) override;
    void showTitle();

    Mission& mission_;
    MissionPart table_;
    QWidget& dialog_;
    int row_ = 0;
    const TreeNode* node_ = nullptr;  // compared, never read: it may be gone
};

}  // namespace qv::ui
