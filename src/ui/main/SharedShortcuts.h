#pragma once

class QWidget;

namespace qv::ui {

class EditorApp;

// Makes the main window's commands that have shortcuts (F5, F10, Ctrl+O, Ctrl+S, Ctrl+Z, ...)
// work while `window`, another top-level window of the program, is the active one. Every
// window EditorApp makes gets them; a window made elsewhere calls this once.
void shareMainShortcuts(EditorApp& app, QWidget& window);

}  // namespace qv::ui
