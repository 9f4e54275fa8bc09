#include "ui/main/RecentProjectsMenu.h"

#include "gamelink/RecentProjects.h"
#include "gamelink/Settings.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MissionCommands.h"

namespace qv::ui {

RecentProjectsMenu::RecentProjectsMenu(EditorApp& app, QWidget* parent)
    : QMenu(QStringLiteral("Последние проекты"), parent), app_(app) {
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
        QAction* action = addAction(QStringLiteral("&%1 %2").arg(++number).arg(path));
        app_.connectCommand(action, &QAction::triggered, this, [this, path] { choose(path); });
    }
    QAction* none = projects.empty() ? addAction(QStringLiteral("(пусто)")) : nullptr;
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
         QStringLiteral("Проект «%1» не найден. Убрать его из списка?").arg(path),
         MessageIcon::Question, MessageButton::Yes | MessageButton::No, &app_.mainWindow()});
    if (answer == MessageButton::Yes) {
        const std::string settings = settingsPath(app_.workingFolder());
        auto projects = readRecentProjects(app_.files(), settings);
        std::erase(projects, project);
        writeRecentProjects(app_.files(), settings, projects);
        fill();
    }
}

}  // namespace qv::ui
