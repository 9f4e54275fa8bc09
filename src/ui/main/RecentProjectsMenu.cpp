#include "ui/main/RecentProjectsMenu.h"

#include <QDir>
#include <QStatusBar>

#include "gamelink/RecentProjects.h"
#include "gamelink/Settings.h"
#include "model/Error.h"
#include "platform/Paths.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MissionCommands.h"

namespace qv::ui {

namespace {

SameProject sameProject(const EditorApp& app) {
    return [&app](const std::string& a, const std::string& b) {
        const auto clean = [&app](const std::string& path) {
            return QDir::cleanPath(absoluteProjectPath(app, QString::fromStdString(path)));
        };
        return clean(a).compare(clean(b),
                                FileNamesIgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
    };
}

// Changes the list kept in settings.ini; false, with a note in the status bar, when it cannot.
bool changeRecentProjects(
    EditorApp& app,
    const std::function<std::vector<std::string>(std::vector<std::string>)>& change) {
    const std::string settings = settingsPath(app.workingFolder());
    try {
        writeRecentProjects(app.files(), settings,
                            change(readRecentProjects(app.files(), settings)));
        return true;
    } catch (const Error& error) {
        app.mainWindow().statusBar()->showMessage(
            RecentProjectsMenu::tr("Список «Последние проекты» не сохранён: %1")
                .arg(QString::fromStdString(error.what())));
        return false;
    }
}

}  // namespace

QString absoluteProjectPath(const EditorApp& app, const QString& path) {
    // Decided on the text alone: the working folder is the editor's own, so the system's idea of
    // the current folder never enters. An absolute path stays as the system or the user gave it.
    if (isAbsolutePath(path.toStdString())) {
        return path;
    }
    return QDir::toNativeSeparators(
        QDir::cleanPath(QString::fromStdString(joinPath(app.workingFolder(), path.toStdString()))));
}

RecentProjectsMenu::RecentProjectsMenu(EditorApp& app, QWidget* parent)
    : QMenu(tr("Последние проекты"), parent), app_(app) {
    setObjectName(QStringLiteral("RecentProjectsMenu"));
    connect(this, &QMenu::aboutToShow, this, &RecentProjectsMenu::fill);
    fill();
}

void RecentProjectsMenu::fill() {
    clear();
    const auto projects = readRecentProjects(app_.files(), settingsPath(app_.workingFolder()));
    int number = 0;
    for (const std::string& project : projects) {
        const QString path = QString::fromStdString(project);
        QString shown = path;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = addAction(QStringLiteral("&%1 %2").arg(++number).arg(shown));
        app_.connectCommand(action, &QAction::triggered, this, [this, path] { choose(path); });
    }
    QAction* none = projects.empty() ? addAction(tr("(пусто)")) : nullptr;
    if (none != nullptr) {
        none->setEnabled(false);
    }
}

void RecentProjectsMenu::choose(const QString& path) {
    const std::string project = path.toStdString();
    if (app_.files().fileExists(project)) {
        openProjectFile(app_, path);
        return;
    }
    const MessageButton answer = app_.dialogs().message(
        {QString::fromUtf8(ApplicationTitle),
         tr("Проект «%1» не найден. Убрать его из списка?").arg(path), MessageIcon::Question,
         MessageButton::Yes | MessageButton::No, &app_.mainWindow()});
    if (answer == MessageButton::Yes) {
        changeRecentProjects(app_, [&](std::vector<std::string> projects) {
            std::erase(projects, project);
            return projects;
        });
        fill();
    }
}

void rememberRecentProject(EditorApp& app, const QString& path) {
    const std::string project = absoluteProjectPath(app, path).toStdString();
    changeRecentProjects(app, [&](std::vector<std::string> projects) {
        return withRecentProject(std::move(projects), project, sameProject(app));
    });
}

}  // namespace qv::ui
