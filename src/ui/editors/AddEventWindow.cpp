#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createAddEventWindow(EditorApp& app) {
    return makeDialogShell(app, "AddEvent", QStringLiteral("Добавить событие"));
}

}  // namespace qv::ui
