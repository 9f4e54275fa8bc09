#pragma once

class QString;

namespace qv::ui {

class EditorApp;

// The main window's commands on the whole mission. Each raises qv::Error on failure; run them
// through the general error handler.

// "&Открыть...": asks for a project file and loads it, then shows the load summary.
void openProject(EditorApp& app);
// Loads the project file `path` and shows the load summary: the end of "&Открыть...", also
// taken by a project named on the editor's command line.
void openProjectFile(EditorApp& app, const QString& path);
// "Со&хранить как...": asks for a file name and saves the project under it.
void saveProjectAs(EditorApp& app);
// "Проверить введённые данные": the input check alone; on a failure its tab comes to the front.
void checkMission(EditorApp& app);
// "Построить": the input check, then the script in the "Mission Script" window, then the build
// follow-up.
void buildScript(EditorApp& app);

}  // namespace qv::ui
