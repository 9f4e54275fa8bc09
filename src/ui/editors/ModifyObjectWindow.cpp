#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createModifyObjectWindow(EditorApp& app) {
    return makeDialogShell(app, "ModifyObject", {});
}

}  // namespace qv::ui
