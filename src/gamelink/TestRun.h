#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "gamelink/TestRunJournal.h"
#include "platform/FileSystem.h"
#include "platform/GameProcess.h"
#include "platform/ProcessLauncher.h"

namespace qv {

// The folders a test run works with: the one the program started in and the two the settings
// name. Each ends with a separator.
struct TestRunFolders {
    std::string working;
    std::string game;
    std::string compiler;
};

// The run's waits, counted in ticks of `poll`. The compiler is given generous time; the game's
// window may take a moment to appear after the game has been started.
struct TestRunTiming {
    std::chrono::milliseconds poll{100};
    std::chrono::milliseconds compilerTimeout{std::chrono::minutes(2)};
    std::chrono::milliseconds gameStartGrace{2000};
    // How the run waits when it must finish at once, as the program closes.
    std::function<void(std::chrono::milliseconds)> sleep = [](std::chrono::milliseconds time) {
        std::this_thread::sleep_for(time);
    };
};

// What the run shows the user besides its errors.
class TestRunHost {
  public:
    virtual ~TestRunHost() = default;

    // A message box owned by the script window, answered with OK.
    virtual void showInformation(const std::string& message) = 0;
    // What the run is doing while the user interface stays live; empty when it is over.
    virtual void showStatus(const std::string& text) = 0;
};

// Tries a freshly built mission in the game: wraps it into a standalone main script, has Sanny
// Builder compile that over the game's main.scm (the user's own kept under the backup name
// main.BAK), starts the game, waits until it is closed and puts the user's main.scm back.
//
// The run is a small state machine that never blocks: start() prepares the files and starts the
// compiler, and the caller calls step() every `timing().poll` while inProgress() holds; each step
// looks whether the compiler or the game has ended and moves on (compile, wait for the game,
// restore). The user interface stays live between the steps.
//
// The user's main.scm is never lost: a journal in the working folder records each step and the
// programs started before the files move on, so a start after a crash can undo the run once
// those programs have ended; a backup name already taken is refused before anything moves; and
// every failure after the move puts main.scm back before it reports. One run at a time: a run
// asked for while another waits is refused.
class TestRun {
  public:
    TestRun(FileSystem& files, ProcessLauncher& launcher, const GameProcess& game,
            TestRunHost& host, TestRunTiming timing = {});
    ~TestRun();
    TestRun(const TestRun&) = delete;
    TestRun& operator=(const TestRun&) = delete;

    // Starts the test of the mission whose script lines are `missionLines`; `labelPrefix` is the
    // mission's label prefix. Failures throw Error with the message for the user; the run is
    // then over.
    void start(const TestRunFolders& folders, const std::vector<std::string>& missionLines,
               const std::string& labelPrefix);
    // One tick of the wait. A failure throws Error as start() does, after main.scm is back.
    void step();
    // The program closes: waits for the compiler's output (sleeping), starts no game and waits
    // for none, and puts main.scm back. Nothing happens when no run is in progress.
    void finishNow();

    bool inProgress() const { return active_ != nullptr; }
    const TestRunTiming& timing() const { return timing_; }

  private:
    struct Paths;
    struct Active;

    void prepare(const Paths& paths, const std::vector<std::string>& missionLines,
                 const std::string& labelPrefix);
    void startCompiler();
    // Checks the program of the current stage and moves on as far as it can without waiting.
    void advance();
    bool compilerDone();
    void checkCompiled();
    void startGame();
    bool gameDone();
    // Runs `action`; a failure ends the run, putting main.scm back first.
    template <typename Action>
    void guarded(Action action);
    // Puts main.scm back, removes the test script and the journal, and ends the run. Throws Error
    // when a step failed (`problem`, with `detail` below it) or main.scm could not be put back.
    void finish(const std::string& problem, const std::string& detail);
    void record(const std::string& compilerStarting, const std::string& gameStarting);

    FileSystem& files_;
    ProcessLauncher& launcher_;
    const GameProcess& game_;
    TestRunHost& host_;
    TestRunTiming timing_;
    std::unique_ptr<Active> active_;
};

}  // namespace qv
