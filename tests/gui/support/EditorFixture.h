#pragma once

#include <QAction>
#include <QWidget>
#include <chrono>
#include <memory>

#include "FakeFileSystem.h"
#include "FakeGame.h"
#include "FakeLauncher.h"
#include "ScriptedDialogs.h"
#include "platform/Translation.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"

namespace qv::test {

// A running editor over fakes, for the GUI tests: files in memory, a simulated game, scripted
// dialogs and a fixed clock. It is prepared as the real program prepares itself (font, Qt's
// Russian texts, "." as decimal separator), and its windows are real widgets found by name.
class EditorFixture {
  public:
    // The time every build writes into the script's header.
    static std::chrono::system_clock::time_point fixedTime();

    // The editor speaking `language` (the program's texts, the core's and Qt's own).
    explicit EditorFixture(Language language = Language::Russian);
    ~EditorFixture();
    EditorFixture(const EditorFixture&) = delete;
    EditorFixture& operator=(const EditorFixture&) = delete;

    ScriptedDialogs dialogs;
    FakeFileSystem files;
    FakeGame game;
    FakeLauncher launcher;  // the compiler and the game of a test run

    ui::EditorApp& app() const { return *app_; }
    // Destroys the editor as the program does once its event loop has ended; the fakes stay
    // for the test to look at.
    void endProgram() { app_.reset(); }
    Mission& mission() const { return app_->mission(); }
    ui::MainWindow& mainWindow() const { return app_->mainWindow(); }
    QWidget& window(ui::WindowId id) const { return app_->window(id); }

    // The widget named `name` in any of the editor's windows (or the window itself); the test
    // program stops when there is none, or when it is of another kind.
    template <typename Widget = QWidget>
    Widget& get(const QString& name) const {
        auto* widget = qobject_cast<Widget*>(findNamed(name));
        if (widget == nullptr) {
            missing(name);
        }
        return *widget;
    }
    // The main window's menu action named `name` (OpenAction, SaveAsAction, OptionsAction,
    // ExitAction, BuildAction, CheckAction, AboutAction) or AMissionTestCheck.
    QAction& action(const QString& name) const;

    // Shows the main window and waits until it is the active window, so that its shortcuts work.
    void showMainWindow() const;
    // Presses a key sequence (F5, Ctrl+O) on the active main window.
    void press(const QKeySequence& keys) const;
    // Makes `widget` visible: shows its window and brings its tab to the front.
    void reveal(QWidget& widget) const;
    // Clicks a button (or any widget) with the left mouse button.
    void click(const QString& name) const;
    // Selects everything in a text field and types `text` into it, as the user would.
    void type(const QString& fieldName, const QString& text) const;

  private:
    QWidget* findNamed(const QString& name) const;
    [[noreturn]] static void missing(const QString& name);

    std::unique_ptr<ui::EditorApp> app_;
};

}  // namespace qv::test
