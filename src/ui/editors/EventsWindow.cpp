#include "ui/main/ShellWindow.h"
#include "ui/main/Windows.h"

namespace qv::ui {

QWidget* createEventsWindow(EditorApp& /*app*/) {
    return makeWindowShell("Form10", QStringLiteral("События (beta)"));
}

}  // namespace qv::ui
