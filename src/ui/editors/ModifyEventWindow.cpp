#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createModifyEventWindow(EditorApp& app) {
    return makeDialogShell(app, "ModifyEvent", {});
}

}  // namespace qv::ui
