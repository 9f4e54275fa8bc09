#include "ui/main/MissionCommands.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "generator/ScriptGenerator.h"
#include "generator/ScriptWarnings.h"
#include "model/InputCheck.h"
#include "model/ProjectFile.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"
#include "ui/main/RecentProjectsMenu.h"
#include "ui/script/ScriptWindow.h"

namespace qv::ui {

namespace {

// `name`: the file name offered, if any.
FileRequest projectFileRequest(const EditorApp& app, const QString& name = {}) {
    return {&app.mainWindow(),
            QCoreApplication::translate("MissionCommands", "Файл Quorvane (*.qvnx)"),
            QStringLiteral("qvnx"), QString::fromStdString(app.workingFolder()), name};
}

void load(EditorApp& app, const QString& given) {
    const QString path = absoluteProjectPath(app, given);
    const LoadSummary summary = loadProject(app.mission(), path.toStdString(), app.files());
    app.setProjectPath(path.toStdString());
    app.mainWindow().showTitle();
    rememberRecentProject(app, path);
    app.dialogs().message({QString::fromStdString(summary.title),
                           QString::fromStdString(summary.text), MessageIcon::Information,
                           MessageButton::Ok, &app.mainWindow()});
}

void saveTo(EditorApp& app, const std::string& path) {
    saveProject(app.mission(), path, app.files());
    app.setProjectPath(path);
    app.mission().markSaved();
    app.mainWindow().showTitle();
    rememberRecentProject(app, QString::fromStdString(path));
}

}  // namespace

void openProject(EditorApp& app) {
    if (!mayDiscardChanges(app)) {
        return;
    }
    const QString path = app.dialogs().openFile(projectFileRequest(app));
    if (!path.isEmpty()) {
        load(app, path);
    }
}

void openProjectFile(EditorApp& app, const QString& path) {
    if (mayDiscardChanges(app)) {
        load(app, path);
    }
}

void openProjectGivenAtStart(EditorApp& app, const QStringList& arguments) {
    if (arguments.size() >= 2) {
        app.runCommand([&] { openProjectFile(app, arguments.at(1)); });
    }
}

void saveProjectAs(EditorApp& app) {
    const QString path = app.dialogs().saveFile(
        projectFileRequest(app, QFileInfo(QString::fromStdString(app.projectPath())).fileName()));
    if (!path.isEmpty()) {
        saveTo(app, path.toStdString());
    }
}

bool saveProjectInPlace(EditorApp& app) {
    if (app.projectPath().empty()) {
        saveProjectAs(app);
    } else {
        saveTo(app, app.projectPath());
    }
    return !app.mission().modified();
}

bool mayDiscardChanges(EditorApp& app) {
    if (!app.mission().modified()) {
        return true;
    }
    // The question names the project: its file, or the mission's name until it has one.
    QString name = QFileInfo(QString::fromStdString(app.projectPath())).fileName();
    if (name.isEmpty()) {
        name = QString::fromStdString(app.mission().parameters().AMissionName);
    }
    const QString detail = name.isEmpty() ? QString()
                                          : QCoreApplication::translate(
                                                "MissionCommands", "Изменения в «%1» не сохранены.")
                                                .arg(name);
    const MessageButton answer = app.dialogs().message(
        {QString::fromUtf8(ApplicationTitle),
         QCoreApplication::translate("MissionCommands", "Сохранить изменения?"),
         MessageIcon::Question, MessageButton::Yes | MessageButton::No | MessageButton::Cancel,
         &app.mainWindow(), detail});
    if (answer == MessageButton::Yes) {
        return saveProjectInPlace(app);
    }
    return answer == MessageButton::No;
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
