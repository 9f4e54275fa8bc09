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

}  // namespace qv::ui
