#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createAddObjectWindow(EditorApp& app) {
    return makeDialogShell(app, "AddObject", QStringLiteral("Добавить объект"));
}

}  // namespace qv::ui
