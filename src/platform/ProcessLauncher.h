#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace qv {

// How the started program's main window first appears.
enum class WindowShow { Normal, Minimized };

// One outside program to start: its path, its parameters as one command-line text in the
// Windows form (blanks separate them, double quotes group them), and the folder it starts in.
struct ProgramStart {
    std::string program;
    std::string parameters;
    std::string workingFolder;
    WindowShow show = WindowShow::Normal;
};

// What tells one process from every other, also from a later one that was given the same id:
// its id and the moment the system started it, in the system's own units. Zero: no process.
struct ProcessIdentity {
    std::uint64_t id = 0;
    std::uint64_t started = 0;

    explicit operator bool() const { return id != 0; }
    bool operator==(const ProcessIdentity&) const = default;
};

// A program started by the launcher. It is not owned: dropping this object leaves it running.
class StartedProcess {
  public:
    virtual ~StartedProcess() = default;

    // Whether the process has ended. Never blocks.
    virtual bool hasExited() = 0;
    // Ends the process at once; for a program that no longer responds.
    virtual void terminate() = 0;
    // The process's identity; zero when the system gave none.
    virtual ProcessIdentity identity() const = 0;
};

// The outcome of a start: the process, or nothing and the system's reason.
struct StartOutcome {
    std::unique_ptr<StartedProcess> process;
    std::string failure;
};

// Starts outside programs without waiting for them.
class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;

    virtual StartOutcome start(const ProgramStart& program) = 0;
    // Whether the process `identity` names still runs, started by this program or by an earlier
    // one that has died since. A process that has ended and one with the same id but started
    // at another moment do not count.
    virtual bool isRunning(const ProcessIdentity& identity) const = 0;
    // Whether any process of the program file `program` runs, whoever started it: known by its
    // file name alone, for a start whose process was never seen.
    virtual bool isProgramRunning(const std::string& program) const = 0;
};

// The launcher of the machine the program runs on.
ProcessLauncher& systemProcessLauncher();

}  // namespace qv
