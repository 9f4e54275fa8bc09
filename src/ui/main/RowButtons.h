#pragma once

#include <functional>

#include "ui/main/EditorWindows.h"

class QPushButton;

namespace qv::ui {

class EditorApp;
class MissionTreeView;

// The buttons beside a tree of rows (cars, checkpoints, objects, events).
struct RowButtons {
    QPushButton* add;         // shows the add dialog
    QPushButton* removeLast;  // removes the last row
    QPushButton* change;      // opens the change dialog for the selected row
};

// Connects the buttons to their commands. "Change" is enabled exactly while a row node is
// selected in `tree`, and does nothing when none is.
void connectRowButtons(EditorApp& app, MissionTreeView& tree, const RowButtons& buttons,
                       WindowId addWindow, WindowId changeWindow, std::function<void()> removeLast);

}  // namespace qv::ui
