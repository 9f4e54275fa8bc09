#pragma once

#include <limits>

namespace qv::ui {

// A window that changes one row of a table: the change dialogs of cars, checkpoints, objects
// and events. The window that owns the tree opens it for the row of the selected row node.
class RowEditor {
  public:
    virtual ~RowEditor() = default;
    // Fills the window from row `row` (from 1) and shows it.
    virtual void openRow(int row) = 0;
};

// A window that adds rows to a table: the add dialogs. "Добавить" opens it to append rows,
// "Вставить после выбранного" to insert them after the selected row.
class RowInserter {
  public:
    virtual ~RowInserter() = default;
    // Shows the window; the rows it adds go in as row `row` (from 1) and on after it, or at the
    // end for 0.
    virtual void openAt(int row) = 0;

  protected:
    // Adds a row through `insert`, which takes the number the new row is to have (past the
    // end: appended) and returns the one it got; moves the insertion point on past it.
    template <typename Insert>
    void insertRow(Insert insert) {
        const int got = insert(row_ > 0 ? row_ : std::numeric_limits<int>::max());
        row_ = row_ > 0 ? got + 1 : 0;
    }
    int row_ = 0;
};

}  // namespace qv::ui
