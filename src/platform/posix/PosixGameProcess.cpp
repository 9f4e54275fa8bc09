#include "platform/posix/PosixGameProcess.h"

#include "platform/LittleEndian.h"
#include "platform/posix/ProcessTable.h"

#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <array>

namespace qv {
namespace {

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

}  // namespace

PosixGameProcess::PosixGameProcess(std::string executableName)
    : executableName_(std::move(executableName)) {}

std::optional<pid_t> PosixGameProcess::findProcess() const {
    return findProcessOf(executableName_);
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
