#include "platform/posix/PosixProcessLauncher.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/AsciiCase.h"
#include "platform/CommandLine.h"
#include "platform/posix/ProcessTable.h"

extern char** environ;

namespace qv {
namespace {

class PosixProcess final : public StartedProcess {
  public:
    explicit PosixProcess(pid_t pid) : pid_(pid) {
        // Read at once: the child cannot have been reaped yet, so the id is still its own.
        if (const std::optional<ProcessStat> stat = processStat(std::uint64_t(pid))) {
            identity_ = {std::uint64_t(pid), stat->started};
        }
    }

    ~PosixProcess() override {
        // Not owned: a program still running is left to run; one that has ended is reaped.
        hasExited();
    }

    bool hasExited() override {
        if (!exited_) {
            int status = 0;
            const pid_t result = ::waitpid(pid_, &status, WNOHANG);
            exited_ = result == pid_ || (result < 0 && errno == ECHILD);
        }
        return exited_;
    }

    void terminate() override {
        if (!hasExited()) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            exited_ = true;
        }
    }

    ProcessIdentity identity() const override { return identity_; }

  private:
    pid_t pid_;
    ProcessIdentity identity_;
    bool exited_ = false;
};

bool endsWithExe(const std::string& path) {
    return path.size() >= 4 &&
           equalIgnoringAsciiCase(std::string_view(path).substr(path.size() - 4), ".exe");
}

bool isWindowsProgram(const std::string& path) {
    if (!endsWithExe(path)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    char magic[2] = {};
    return file.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

bool isExecutable(const std::string& path) {
    return ::access(path.c_str(), X_OK) == 0;
}

// The child changes to its working folder before it starts the program, so a relative program
// path is made absolute first.
std::string absolutePath(const std::string& path) {
    if (path.empty() || path.front() == '/') {
        return path;
    }
    std::vector<char> buffer(4096);
    if (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        return path;
    }
    return std::string(buffer.data()) + "/" + path;
}

// A Windows program takes "/home/..." for a folder on its current drive, so an absolute Linux
// path is handed to it on drive Z:, which Wine maps to the root of the Linux file system.
std::string asWinePath(std::string argument) {
    if (argument.starts_with('/')) {
        std::ranges::replace(argument, '/', '\\');
        argument.insert(0, "Z:");
    }
    return argument;
}

// Owns the file actions of one spawn.
class SpawnActions {
  public:
    SpawnActions() { ::posix_spawn_file_actions_init(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    ~SpawnActions() { ::posix_spawn_file_actions_destroy(&actions_); }
    posix_spawn_file_actions_t* get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

PosixProcessLauncher::PosixProcessLauncher(std::optional<std::string> wine)
    : wine_(std::move(wine)) {}

std::optional<std::string> PosixProcessLauncher::findWine() {
    const char* path = std::getenv("PATH");
    const std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    for (const char* name : {"wine", "wine64"}) {
        std::size_t start = 0;
        while (start <= folders.size()) {
            const std::size_t end = std::min(folders.find(':', start), folders.size());
            const std::string folder = folders.substr(start, end - start);
            const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
            if (isExecutable(candidate)) {
                return candidate;
            }
            start = end + 1;
        }
    }
    // Debian's wine64 package alone keeps its program outside the search path.
    const std::string debianWine = "/usr/lib/wine/wine64";
    if (isExecutable(debianWine)) {
        return debianWine;
    }
    return std::nullopt;
}

StartOutcome PosixProcessLauncher::start(const ProgramStart& program) {
    std::vector<std::string> arguments;
    const std::string path = absolutePath(program.program);
    const bool throughWine = wine_ && isWindowsProgram(path);
    if (throughWine) {
        arguments.push_back(*wine_);
    }
    arguments.push_back(path);
    for (std::string& argument : splitCommandLine(program.parameters)) {
        arguments.push_back(throughWine ? asWinePath(argument) : std::move(argument));
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    SpawnActions actions;
    if (!program.workingFolder.empty()) {
        ::posix_spawn_file_actions_addchdir_np(actions.get(), program.workingFolder.c_str());
    }
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, argv[0], actions.get(), nullptr, argv.data(), environ);
    if (error != 0) {
        return {nullptr, std::generic_category().message(error)};
    }
    return {std::make_unique<PosixProcess>(pid), {}};
}

bool PosixProcessLauncher::isRunning(const ProcessIdentity& identity) const {
    if (!identity) {
        return false;
    }
    const std::optional<ProcessStat> stat = processStat(identity.id);
    return stat && stat->started == identity.started && !stat->hasEnded();
}

bool PosixProcessLauncher::isProgramRunning(const std::string& program) const {
    return findProcessOf(fileNameOf(program)).has_value();
}

ProcessLauncher& systemProcessLauncher() {
    static PosixProcessLauncher launcher(PosixProcessLauncher::findWine());
    return launcher;
}

}  // namespace qv
