#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/EventPump.h"
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

// The run's waits. The compiler is given generous time; the game's window may take a moment
// to appear after the game has been started.
struct TestRunTiming {
    std::chrono::milliseconds poll{100};
    std::chrono::milliseconds compilerTimeout{std::chrono::minutes(2)};
    std::chrono::milliseconds gameStartGrace{2000};
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
// The user's main.scm is never lost: a journal in the working folder records each step before
// the files move, so a start after a crash can undo the run; a backup name already taken is
// refused before anything moves; and every failure after the move puts main.scm back before
// it reports. One run at a time: a run asked for while another waits is refused.
class TestRun {
  public:
    TestRun(FileSystem& files, ProcessLauncher& launcher, const GameProcess& game, EventPump& pump,
            TestRunHost& host, TestRunTiming timing = {});

    // Runs the test of the mission whose script lines are `missionLines`; `labelPrefix` is the
    // mission's label prefix. Failures throw Error with the message for the user.
    void run(const TestRunFolders& folders, const std::vector<std::string>& missionLines,
             const std::string& labelPrefix);

    bool inProgress() const { return inProgress_; }

  private:
    struct Paths;

    void prepare(const Paths& paths, const std::vector<std::string>& missionLines,
                 const std::string& labelPrefix);
    void compile(const Paths& paths);
    void playGame(const Paths& paths);
    // Puts main.scm back and removes the test script and the journal. Throws Error when a step
    // failed (`problem`, with `detail` below it) or main.scm could not be put back.
    void finish(const Paths& paths, const std::string& problem, const std::string& detail);

    FileSystem& files_;
    ProcessLauncher& launcher_;
    const GameProcess& game_;
    EventPump& pump_;
    TestRunHost& host_;
    TestRunTiming timing_;
    bool inProgress_ = false;
    bool closing_ = false;  // the program closes: the game is not started or waited for
};

}  // namespace qv
