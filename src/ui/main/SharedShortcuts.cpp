#include "ui/main/SharedShortcuts.h"

#include <QAction>
#include <QMenu>

#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"

namespace qv::ui {

void shareMainShortcuts(EditorApp& app, QWidget& window) {
    QList<QAction*> actions;
    for (const QMenu* menu : app.mainWindow().findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (!action->shortcuts().isEmpty()) {
                actions.append(action);
            }
        }
    }
    // The same actions: a shortcut of the window the action belongs to works in each window it
    // is added to.
    window.addActions(actions);
}

}  // namespace qv::ui
