#include "ui/main/MissionCommands.h"

#include "generator/ScriptGenerator.h"
#include "generator/ScriptWarnings.h"
#include "model/InputCheck.h"
#include "model/ProjectFile.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ScriptWindow.h"

namespace qv::ui {

namespace {

FileRequest projectFileRequest(const EditorApp& app) {
    return {&app.mainWindow(), QStringLiteral("Файл Quorvane (*.qvnx)"), QStringLiteral("qvnx"),
            QString::fromStdString(app.workingFolder())};
}

}  // namespace

void openProject(EditorApp& app) {
    const QString path = app.dialogs().openFile(projectFileRequest(app));
    if (path.isEmpty()) {
        return;
    }
    const LoadSummary summary = loadProject(app.mission(), path.toStdString(), app.files());
    app.dialogs().message({QString::fromStdString(summary.title),
                           QString::fromStdString(summary.text), MessageIcon::Information,
                           MessageButton::Ok, &app.mainWindow()});
}

void saveProjectAs(EditorApp& app) {
    const QString path = app.dialogs().saveFile(projectFileRequest(app));
    if (path.isEmpty()) {
        return;
    }
    saveProject(app.mission(), path.toStdString(), app.files());
}

void checkMission(EditorApp& app) {
    try {
        checkInput(app.mission());
    } catch (const InputCheckError& error) {
        app.mainWindow().revealInputError(error);
        throw;
    }
}

void buildScript(EditorApp& app) {
    checkMission(app);
    const std::vector<std::string> lines =
        generateScriptLines(app.mission(), timestampText(app.now()));
    app.scriptWindow().showScript(lines);
    app.scriptWindow().showWarnings(scriptWarnings(app.mission()));
    if (app.buildFollowUp()) {
        // Its errors belong to the script window, which stays in front of the main window.
        app.runCommand([&] { app.buildFollowUp()(lines); }, &app.scriptWindow());
    }
}

}  // namespace qv::ui
