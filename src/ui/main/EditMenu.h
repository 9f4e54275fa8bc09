#pragma once

#include <QMenu>

#include "model/Mission.h"

namespace qv::ui {

class EditorApp;

// "&Правка": "Отменить" (Ctrl+Z) and "Повторить" (Ctrl+Y, Ctrl+Shift+Z), each naming the step
// it takes ("Отменить: добавление чекпоинта 12") and enabled while there is one.
class EditMenu final : public QMenu, private MissionObserver {
    Q_OBJECT

  public:
    EditMenu(EditorApp& app, QWidget* parent);
    ~EditMenu() override;

  private:
    void missionChanged(MissionPart /*part*/) override {}
    void historyChanged() override;

    Mission& mission_;
    QAction* undo_;
    QAction* redo_;
};

}  // namespace qv::ui
