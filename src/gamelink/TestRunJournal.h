#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/ProcessLauncher.h"

namespace qv {

// How far a test run has gone with the game's files.
enum class TestRunStage {
    Prepared,  // about to move the game's main script aside; nothing moved yet
    Moved,     // the game's main script is under the backup name
};

// What an unfinished test run has done, enough to undo it after the program died.
struct TestRunRecord {
    TestRunStage stage = TestRunStage::Prepared;
    std::string gameScript;
    std::string backup;
    std::string testScript;
    // The programs the run started, while they may still write or read the game's files.
    ProcessIdentity compiler;
    ProcessIdentity game;
    // A program being started, whose process the system has not yet named: its program file,
    // so that the next start can still know it by name.
    std::string compilerStarting;
    std::string gameStarting;

    bool operator==(const TestRunRecord&) const = default;
};

// The small file in the working folder that exists exactly while a test run has the game's
// files in hand. Each record replaces the file in one step, so a crash leaves either the old or
// the new record. Paths are kept as UTF-8.
class TestRunJournal {
  public:
    TestRunJournal(FileSystem& files, std::string path);

    static std::string pathIn(const std::string& workingFolder);
    // The lock file that a run holds from before it touches any file until it is over, so that
    // another copy of the program neither runs beside it nor undoes it as interrupted.
    static std::string lockPathIn(const std::string& workingFolder);

    const std::string& path() const { return path_; }
    bool exists() const;
    IoStatus record(const TestRunRecord& record);
    // The record; nothing when the journal is missing, cannot be read now or is not one of
    // ours. `unreadable`, when given, tells which: the system's reason why the file could not be
    // read, empty when it was read.
    std::optional<TestRunRecord> read(std::string* unreadable = nullptr) const;
    void clear();

  private:
    FileSystem& files_;
    std::string path_;
};

// Puts the user's main script back under its own name, as far as `record` says it was moved:
// the backup replaces the compiled test in one step. Returns whether anything was moved back.
struct RestoreOutcome {
    bool restored = false;
    IoStatus status;
};
RestoreOutcome restoreGameScript(FileSystem& files, const TestRunRecord& record);

// What became of a test run that the program did not live to finish.
struct RecoveryOutcome {
    // What to tell the user, if anything.
    std::optional<std::string> message;
    // Not empty: a program that the run started still runs, and nothing was touched. The
    // compiler may still write main.scm, and the game still reads it; it names the program.
    std::string waitingFor;
};

// At start-up: finishes a test run that the program did not live to finish. While a program the
// run started still runs, it leaves every file as it is and says so: ask again later. When the
// journal cannot be read now or the main script cannot be put back, the journal stays so the
// next start tries again; a run that another copy of the program still holds is left to it.
RecoveryOutcome recoverInterruptedTestRun(FileSystem& files, const ProcessLauncher& processes,
                                          const std::string& workingFolder);

}  // namespace qv
