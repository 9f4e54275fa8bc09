#pragma once

class QObject;

namespace qv::ui {

// Makes the undo and redo keys (Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z) the program's in every field of
// every window: a line edit, spin box or editable combo box no longer keeps them for its own
// history of typing, so "Правка" undoes the last step whatever has the focus, and a field never
// shows a text its mission does not hold. Lasts as long as `owner`.
void giveUndoKeysToTheProgram(QObject& owner);

}  // namespace qv::ui
