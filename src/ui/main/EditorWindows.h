#pragma once

#include <array>

class QWidget;

namespace qv::ui {

class EditorApp;

// The editor's fourteen windows, in the order they are created at start-up.
enum class WindowId {
    Main,          // Form1, "Quorvane 0.9"
    AddCar,        // AddCar, "Добавить машину"
    AddCheckp,     // AddCheckp, "Добавить чекпоинт"
    Script,        // Form4, "Mission Script"
    ModifyCar,     // ModifyCar, caption set when opened
    ModifyCheckp,  // ModifyCheckp, caption set when opened
    Objects,       // Form7, "Объекты"
    AddObject,     // AddObject, "Добавить объект"
    ModifyObject,  // ModifyObject, caption set when opened
    Events,        // Form10, "События (beta)"
    AddEvent,      // AddEvent, "Добавить событие"
    ModifyEvent,   // ModifyEvent, caption set when opened
    About,         // About, "О программе"
    Options,       // Options, "Настройки программы"
};
inline constexpr int WindowCount = 14;

// One factory per window after the main one, each in its own file. A factory makes its window
// hidden; the application owns it from then on and destroys it at exit. A window made with a
// parent must take the main window as that parent. Every earlier window already exists when a
// factory runs (app.window(id)).
QWidget* createAddCarWindow(EditorApp& app);
QWidget* createAddCheckpWindow(EditorApp& app);
QWidget* createScriptWindow(EditorApp& app);
QWidget* createModifyCarWindow(EditorApp& app);
QWidget* createModifyCheckpWindow(EditorApp& app);
QWidget* createObjectsWindow(EditorApp& app);
QWidget* createAddObjectWindow(EditorApp& app);
QWidget* createModifyObjectWindow(EditorApp& app);
QWidget* createEventsWindow(EditorApp& app);
QWidget* createAddEventWindow(EditorApp& app);
QWidget* createModifyEventWindow(EditorApp& app);
QWidget* createAboutWindow(EditorApp& app);
QWidget* createOptionsWindow(EditorApp& app);

}  // namespace qv::ui
