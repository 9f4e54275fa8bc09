#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createAddCheckpWindow(EditorApp& app) {
    return makeDialogShell(app, "AddCheckp", QStringLiteral("Добавить чекпоинт"));
}

}  // namespace qv::ui
