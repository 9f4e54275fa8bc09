#include "ui/main/EditorApp.h"

#include "ui/common/RowEditor.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SharedShortcuts.h"
#include "ui/main/Startup.h"
#include "ui/main/UndoKeys.h"
#include "ui/script/ScriptWindow.h"

namespace qv::ui {

namespace {

using WindowFactory = QWidget* (*)(EditorApp&);

// The windows after the main one, in their order of creation.
constexpr WindowFactory laterWindows[] = {
    createAddCarWindow,    createAddCheckpWindow,    createScriptWindow,
    createModifyCarWindow, createModifyCheckpWindow, createObjectsWindow,
    createAddObjectWindow, createModifyObjectWindow, createEventsWindow,
    createAddEventWindow,  createModifyEventWindow,  createAboutWindow,
    createOptionsWindow,
};
static_assert(std::size(laterWindows) + 1 == WindowCount);

}  // namespace

EditorApp::EditorApp(EditorServices services) : services_(std::move(services)) {
    workingFolder_ = services_.files.currentFolder();
    useDotDecimalSeparator();
    windows_.reserve(WindowCount);
    addWindow(new MainWindow(*this));
    giveUndoKeysToTheProgram(mainWindow());
    for (WindowFactory create : laterWindows) {
        addWindow(create(*this));
        shareMainShortcuts(*this, *windows_.back());
    }
}

EditorApp::~EditorApp() {
    // The last made first: a window made as the main window's child may already be gone.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        delete it->data();
    }
}

void EditorApp::addWindow(QWidget* window) {
    window->hide();
    windows_.emplace_back(window);
}

MainWindow& EditorApp::mainWindow() const {
    return static_cast<MainWindow&>(window(WindowId::Main));
}

ScriptWindow& EditorApp::scriptWindow() const {
    return static_cast<ScriptWindow&>(window(WindowId::Script));
}

QWidget& EditorApp::window(WindowId id) const {
    return *windows_.at(static_cast<size_t>(id));
}

std::vector<QWidget*> EditorApp::windows() const {
    return {windows_.begin(), windows_.end()};
}

void EditorApp::showWindow(WindowId id) {
    QWidget& shown = window(id);
    shown.show();
    shown.raise();
    shown.activateWindow();
}

void EditorApp::openRowEditor(WindowId id, int row) {
    if (row <= 0) {
        return;
    }
    if (auto* editor = dynamic_cast<RowEditor*>(&window(id))) {
        editor->openRow(row);
    } else {
        showWindow(id);
    }
}

void EditorApp::openRowInserter(WindowId id, int row) {
    if (auto* inserter = dynamic_cast<RowInserter*>(&window(id))) {
        inserter->openAt(row);
    } else {
        showWindow(id);
    }
}

void EditorApp::hideOtherWindows() {
    for (size_t i = 1; i < windows_.size(); ++i) {
        if (windows_[i]) {
            windows_[i]->hide();
        }
    }
}

void EditorApp::runCommand(const std::function<void()>& command, QWidget* owner) const {
    qv::ui::runCommand(dialogs(), command, owner);
}

std::string EditorApp::quitNote() const {
    std::string notes;
    for (const std::string& note : quitNotes_) {
        if (!note.empty()) {
            notes += (notes.empty() ? "" : "\n\n") + note;
        }
    }
    return notes;
}

}  // namespace qv::ui
