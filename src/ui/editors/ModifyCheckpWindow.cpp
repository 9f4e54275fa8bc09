#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createModifyCheckpWindow(EditorApp& app) {
    return makeDialogShell(app, "ModifyCheckp", {});
}

}  // namespace qv::ui
