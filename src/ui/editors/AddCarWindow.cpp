#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createAddCarWindow(EditorApp& app) {
    return makeDialogShell(app, "AddCar", QStringLiteral("Добавить машину"));
}

}  // namespace qv::ui
