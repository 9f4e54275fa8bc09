#include "platform/posix/ProcessTable.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "platform/AsciiCase.h"

namespace qv {
namespace {

// A file of /proc; empty when it cannot be read. A process that ends while its file is read
// makes the read fail (ESRCH), which the stream reports by throwing.
std::string readSmallFile(const std::string& path) {
    try {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    } catch (const std::ios_base::failure&) {
        return {};
    }
}

bool isProcessOf(pid_t pid, std::string_view executableName) {
    const std::optional<ProcessStat> stat = processStat(std::uint64_t(pid));
    if (!stat || stat->hasEnded()) {
        return false;
    }
    const std::string folder = "/proc/" + std::to_string(pid) + "/";
    std::string name = readSmallFile(folder + "comm");
    if (!name.empty() && name.back() == '\n') {
        name.pop_back();
    }
    if (equalIgnoringAsciiCase(name, executableName)) {
        return true;
    }
    const std::string commandLine = readSmallFile(folder + "cmdline");
    const std::string_view program(commandLine.c_str());  // up to the first NUL
    return equalIgnoringAsciiCase(fileNameOf(program), executableName);
}

std::optional<pid_t> parsePid(std::string_view text) {
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pid);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return pid;
}

}  // namespace

std::string_view fileNameOf(std::string_view path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::optional<ProcessStat> processStat(std::uint64_t pid) {
    const std::string text = readSmallFile("/proc/" + std::to_string(pid) + "/stat");
    // The program's name in parentheses (field 2) may hold blanks and parentheses itself.
    const std::size_t nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(text.substr(nameEnd + 1));
    ProcessStat stat;
    fields >> stat.state;
    std::string skipped;
    for (int field = 4; field < 22 && fields >> skipped; ++field) {
    }
    if (!(fields >> stat.started)) {
        return std::nullopt;
    }
    return stat;
}

std::optional<pid_t> findProcessOf(std::string_view executableName) {
    const std::unique_ptr<DIR, int (*)(DIR*)> processes(::opendir("/proc"), ::closedir);
    if (!processes) {
        return std::nullopt;
    }
    const pid_t self = ::getpid();
    while (const dirent* entry = ::readdir(processes.get())) {
        const std::optional<pid_t> pid = parsePid(entry->d_name);
        if (pid && *pid != self && isProcessOf(*pid, executableName)) {
            return pid;
        }
    }
    return std::nullopt;
}

}  // namespace qv
