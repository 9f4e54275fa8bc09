#pragma once

#include <QStringList>

namespace qv::ui {

class EditorApp;

// The main window's commands on the whole mission. Each raises qv::Error on failure; run them
// through the general error handler.

// "&Открыть...": asks for a project file and loads it, then shows the load summary.
void openProject(EditorApp& app);
// Opens the project at `path` (a recent project, one given on the command line or dropped on
// the main window), as "Открыть..." opens the one chosen.
void openProjectFile(EditorApp& app, const QString& path);
// Opens the project named on the command line (`arguments` as QApplication gives them: the
// program first), if any.
void openProjectGivenAtStart(EditorApp& app, const QStringList& arguments);
// "Со&хранить как...": asks for a file name and saves the project under it.
void saveProjectAs(EditorApp& app);
// "Сохранить": saves the project to its file without asking, or as "Сохранить как..." when the
// mission has none yet. Returns whether it was saved.
bool saveProjectInPlace(EditorApp& app);
// Asks "Сохранить изменения?" when the mission has unsaved changes: "Да" saves them, "Нет"
// lets them go. Returns whether the caller may go on (false for "Отмена", or a save that was
// cancelled).
bool mayDiscardChanges(EditorApp& app);
// "Проверить введённые данные": the input check alone; on a failure its tab comes to the front.
void checkMission(EditorApp& app);
// "Построить": the input check, then the script in the "Mission Script" window, then the build
// follow-up.
void buildScript(EditorApp& app);

}  // namespace qv::ui
