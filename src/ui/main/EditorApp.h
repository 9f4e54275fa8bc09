#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "model/Mission.h"
#include "platform/FileSystem.h"
#include "platform/GameMemory.h"
#include "platform/GameProcess.h"
#include "platform/ProcessLauncher.h"
#include "ui/common/Commands.h"
#include "ui/common/Dialogs.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

class MainWindow;
class ScriptWindow;

// The outside world as the editor reaches it; tests hand in fakes.
struct EditorServices {
    FileSystem& files;
    Dialogs& dialogs;
    const GameProcess& game;
    // The time written into the header of a built script.
    std::function<std::chrono::system_clock::time_point()> clock = [] {
        return std::chrono::system_clock::now();
    };
    // Starts the compiler and the game for a test run; nullptr: this machine's launcher.
    ProcessLauncher* launcher = nullptr;
    // Opens the running game for the route recorder and the map's live player; nullptr: the game
    // on this machine.
    const GameOpener* gameOpener = nullptr;
};

// The running editor: the one mission, the working folder, the outside services and the
// fourteen windows, created once in their fixed order and kept until exit.
class EditorApp {
  public:
    // Called at the end of every successful build with the script's lines, inside the build
    // command: an error it raises reaches the general error handler.
    using BuildFollowUp = std::function<void(const std::vector<std::string>& lines)>;

    explicit EditorApp(EditorServices services);
    ~EditorApp();
    EditorApp(const EditorApp&) = delete;
    EditorApp& operator=(const EditorApp&) = delete;

    Mission& mission() { return mission_; }
    FileSystem& files() const { return services_.files; }
    Dialogs& dialogs() const { return services_.dialogs; }
    const GameProcess& game() const { return services_.game; }
    ProcessLauncher& launcher() const {
        return services_.launcher != nullptr ? *services_.launcher : systemProcessLauncher();
    }
    const GameOpener& gameOpener() const {
        return services_.gameOpener != nullptr ? *services_.gameOpener : systemGameOpener();
    }
    std::chrono::system_clock::time_point now() const { return services_.clock(); }
    // The folder that was current when the main window was created; it never changes.
    const std::string& workingFolder() const { return workingFolder_; }
    // The project file the mission was last opened from or saved to; empty for a new mission.
    const std::string& projectPath() const { return projectPath_; }
    void setProjectPath(std::string path) { projectPath_ = std::move(path); }

    MainWindow& mainWindow() const;
    ScriptWindow& scriptWindow() const;
    QWidget& window(WindowId id) const;
    // Every window in creation order.
    std::vector<QWidget*> windows() const;

    // Shows a window modeless and brings it to the front.
    void showWindow(WindowId id);
    // Opens a change dialog (a RowEditor) for row `row`; row 0 does nothing.
    void openRowEditor(WindowId id, int row);
    // Opens an add dialog (a RowInserter): its rows go in as row `row` and on, or at the end
    // for 0.
    void openRowInserter(WindowId id, int row);
    // Hides every window but the main one.
    void hideOtherWindows();

    // Runs a command through the general error handler; its box is owned by `owner` (nullptr:
    // the active window).
    void runCommand(const std::function<void()>& command, QWidget* owner = nullptr) const;
    // Connects a signal to a command that runs through the general error handler.
    template <typename Sender, typename Signal, typename Command>
    QMetaObject::Connection connectCommand(const Sender* sender, Signal signal,
                                           const QObject* context, Command command) const {
        return qv::ui::connectCommand(dialogs(), sender, signal, context, std::move(command));
    }

    void setBuildFollowUp(BuildFollowUp followUp) { buildFollowUp_ = std::move(followUp); }
    const BuildFollowUp& buildFollowUp() const { return buildFollowUp_; }

    // What quitting now would leave undone, one note for each kind of work (a test run, a
    // recording), added to the question before the program quits; an empty note: nothing.
    enum class QuitNote { TestRun, Recording };
    void setQuitNote(QuitNote kind, std::string note) {
        quitNotes_[static_cast<std::size_t>(kind)] = std::move(note);
    }
    // Every note there is, each a paragraph of its own; empty when there is none.
    std::string quitNote() const;
    // Work that must end before the program does, run once the user has confirmed the exit and
    // while the windows are still on screen, so that a wait it needs can be shown.
    void setExitTask(std::function<void()> task) { exitTask_ = std::move(task); }
    const std::function<void()>& exitTask() const { return exitTask_; }

  private:
    void addWindow(QWidget* window);

    EditorServices services_;
    Mission mission_;
    std::string workingFolder_;
    std::string projectPath_;
    std::vector<QPointer<QWidget>> windows_;
    BuildFollowUp buildFollowUp_;
    std::array<std::string, 2> quitNotes_;
    std::function<void()> exitTask_;
};

}  // namespace qv::ui
