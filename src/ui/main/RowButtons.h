#pragma once

#include "model/Mission.h"
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

// The table a tree of rows shows, and the dialogs that add and change its rows.
struct RowTable {
    MissionPart part;
    WindowId addWindow;
    WindowId changeWindow;
};

// Connects the buttons to their commands. "Change" is enabled exactly while a row node is
// selected in `tree`, and does nothing when none is. The tree gets the commands on its
// selected row in its context menu: "Вставить после выбранного" (the add dialog, inserting
// after it), "Дублировать", "Удалить выбранный" (Delete), "Переместить вверх" (Ctrl+Up) and
// "Переместить вниз" (Ctrl+Down); its rows can also be dragged to another place. Enter or a
// double click on a row opens its change dialog.
void connectRowButtons(EditorApp& app, MissionTreeView& tree, const RowButtons& buttons,
                       const RowTable& table);

}  // namespace qv::ui
