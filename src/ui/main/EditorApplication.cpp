#include "ui/main/EditorApplication.h"

#include "ui/common/Commands.h"

namespace qv::ui {

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool EditorApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    const auto deliver = [&] { handled = QApplication::notify(receiver, event); };
    if (dialogs_ == nullptr) {
        deliver();
    } else {
        runCommand(*dialogs_, deliver);
    }
    return handled;
}

}  // namespace qv::ui
