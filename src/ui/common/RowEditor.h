#pragma once

namespace qv::ui {

// A window that changes one row of a table: the change dialogs of cars, checkpoints, objects
// and events. The window that owns the tree opens it for the row of the selected row node.
class RowEditor {
  public:
    virtual ~RowEditor() = default;
    // Fills the window from row `row` (from 1) and shows it.
    virtual void openRow(int row) = 0;
};

}  // namespace qv::ui
