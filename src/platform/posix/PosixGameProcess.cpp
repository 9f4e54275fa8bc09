#include "platform/posix/PosixGameProcess.h"

#include "platform/LittleEndian.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>
#include <memory>

namespace qv {
namespace {

std::string readSmallFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The last component of a Linux or Windows path.
std::string_view fileNameOf(std::string_view path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// A process that has ended but not yet been waited for still has its name.
bool hasEnded(const std::string& folder) {
    const std::string status = readSmallFile(folder + "stat");
    const auto nameEnd = status.rfind(')');
    return nameEnd == std::string::npos || nameEnd + 2 >= status.size() ||
           status[nameEnd + 2] == 'Z' || status[nameEnd + 2] == 'X';
}

bool isProcessOf(const std::string& pid, std::string_view executableName) {
    const std::string folder = "/proc/" + pid + "/";
    if (hasEnded(folder)) {
        return false;
    }
    std::string name = readSmallFile(folder + "comm");
    if (!name.empty() && name.back() == '\n') {
        name.pop_back();
    }
    if (equalIgnoringCase(name, executableName)) {
        return true;
    }
    const std::string commandLine = readSmallFile(folder + "cmdline");
    const std::string_view program(commandLine.c_str());  // up to the first NUL
    return equalIgnoringCase(fileNameOf(program), executableName);
}

bool readThroughSystemCall(pid_t pid, std::uint32_t address, Word32& bytes) {
    iovec local{bytes.data(), bytes.size()};
    iovec remote{reinterpret_cast<void*>(static_cast<std::uintptr_t>(address)), bytes.size()};
    return ::process_vm_readv(pid, &local, 1, &remote, 1, 0) == static_cast<ssize_t>(bytes.size());
}

bool readThroughProcMem(pid_t pid, std::uint32_t address, Word32& bytes) {
    const std::string path = "/proc/" + std::to_string(pid) + "/mem";
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const ssize_t count = ::pread(fd, bytes.data(), bytes.size(), static_cast<off_t>(address));
    ::close(fd);
    return count == static_cast<ssize_t>(bytes.size());
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

PosixGameProcess::PosixGameProcess(std::string executableName)
    : executableName_(std::move(executableName)) {}

std::optional<pid_t> PosixGameProcess::findProcess() const {
    const std::unique_ptr<DIR, int (*)(DIR*)> processes(::opendir("/proc"), ::closedir);
    if (!processes) {
        return std::nullopt;
    }
    const pid_t self = ::getpid();
    while (const dirent* entry = ::readdir(processes.get())) {
        const std::optional<pid_t> pid = parsePid(entry->d_name);
        if (pid && *pid != self && isProcessOf(entry->d_name, executableName_)) {
            return pid;
        }
    }
    return std::nullopt;
}

bool PosixGameProcess::gameWindowExists() const {
    return findProcess().has_value();
}

std::uint32_t PosixGameProcess::readUInt32(std::uint32_t address) const {
    const std::optional<pid_t> pid = findProcess();
    if (!pid) {
        return 0;
    }
    Word32 bytes{};
    if (!readThroughSystemCall(*pid, address, bytes) && !readThroughProcMem(*pid, address, bytes)) {
        return 0;
    }
    return fromLittleEndian(bytes);
}

const GameProcess& systemGameProcess() {
    static const PosixGameProcess game;
    return game;
}

}  // namespace qv
