#pragma once

#include <QMenu>

namespace qv::ui {

class EditorApp;

// "Последние проекты": the projects opened or saved last, newest first, read from settings.ini
// whenever the menu opens. Choosing one opens it as "Открыть..." would; one that is no longer
// there is offered for removal from the list.
class RecentProjectsMenu final : public QMenu {
    Q_OBJECT

  public:
    RecentProjectsMenu(EditorApp& app, QWidget* parent);

  private:
    void fill();
    void choose(const QString& path);

    EditorApp& app_;
};

// The path a project is known by: `path` made absolute (from the folder the program started in),
// clean, in the machine's own separators.
QString absoluteProjectPath(const EditorApp& app, const QString& path);

// Puts the project at `path` first in the list, as an absolute, clean path in the machine's own
// separators, and nowhere else. The list only helps: when it cannot be written the status bar
// says so and nothing else happens.
void rememberRecentProject(EditorApp& app, const QString& path);

}  // namespace qv::ui
