#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createModifyCarWindow(EditorApp& app) {
    return makeDialogShell(app, "ModifyCar", {});
}

}  // namespace qv::ui
