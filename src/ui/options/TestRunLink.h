#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <string>
#include <vector>

#include "gamelink/TestRun.h"

class QLabel;
class QPushButton;

namespace qv::ui {

class EditorApp;
class OptionsWindow;

// Test-runs every built mission while the options window's check box is ticked: the last
// step of the build command starts the run, and a timer steps it on while it waits, so that
// every window stays usable and no event loop runs inside a command; the main window's status
// bar says what the run waits for. Owned by the options window, whose settings it reads. When
// the user exits, the run is finished before the windows go: a wait for the compiler's output
// shows a box saying what the program waits for.
//
// At start-up it also finishes a test run that an earlier start of the program did not live to
// finish, once the compiler or game that run started has ended; the status bar says so meanwhile,
// and its "Отмена" leaves the files as they are until the next start.
class TestRunLink final : public QObject, private TestRunHost {
    Q_OBJECT

  public:
    TestRunLink(EditorApp& app, OptionsWindow& options);
    ~TestRunLink() override;

    // The build's follow-up: starts the test of the mission whose script is `lines`.
    void testBuiltMission(const std::vector<std::string>& lines);

    // Undoes an interrupted run, or waits for its programs and tries again on every tick.
    void recoverInterruptedRun();
    // The program is about to end: finishes the run, showing the wait for the compiler.
    void finishBeforeExit();
    // The run's wait for the compiler as the program ends: during finishBeforeExit the box
    // stays on screen meanwhile.
    void waitOnExit(std::chrono::milliseconds time);

  private:
    void showInformation(const std::string& message) override;
    void showStatus(const std::string& text) override;
    void stepRun();
    void endRecoveryWait();

    EditorApp& app_;
    const OptionsWindow& options_;
    QPointer<QLabel> status_;
    QPointer<QPushButton> cancelRecovery_;
    QTimer runTimer_;
    QTimer recoveryTimer_;
    QPointer<QWidget> exitWait_;  // the box of the wait on exit, while it lasts
    bool exiting_ = false;
    TestRun testRun_;
};

// Makes the test run the follow-up of every build, and undoes a test run that an earlier
// start of the program did not live to finish, telling the user once the editor is up.
void installTestRun(EditorApp& app, OptionsWindow& options);

}  // namespace qv::ui
