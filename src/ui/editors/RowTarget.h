#pragma once

#include "model/Mission.h"

class QWidget;

namespace qv::ui {

// The row a change dialog edits, remembered when the dialog opens for it. When that row goes
// away (removed from the end, or the whole mission replaced by loading) the dialog is closed,
// so that its commit can never write a row the mission no longer holds.
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
    int rowCount() const;
    const TextTree& tree() const;

    Mission& mission_;
    MissionPart table_;
    QWidget& dialog_;
    int row_ = 0;
};

}  // namespace qv::ui
