#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createObjectsWindow(EditorApp& /*app*/) {
    return makeWindowShell("Form7", QStringLiteral("Объекты"));
}

}  // namespace qv::ui
