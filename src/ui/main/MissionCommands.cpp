#include "ui/main/MissionCommands.h"

#include "generator/ScriptGenerator.h"
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
    openProjectFile(app, path);
}

void openProjectFile(EditorApp& app, const QString& path) {
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
    if (app.buildFollowUp()) {
        app.buildFollowUp()(lines);
    }
}

}  // namespace qv::ui
