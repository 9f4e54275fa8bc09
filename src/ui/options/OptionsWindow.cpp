#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createOptionsWindow(EditorApp& /*app*/) {
    return makeWindowShell("Options", QStringLiteral("Настройки программы"));
}

}  // namespace qv::ui
