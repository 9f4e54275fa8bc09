#include "platform/posix/PosixGameMemory.h"

#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include "platform/posix/ProcessTable.h"

namespace qv {

std::unique_ptr<PosixGameMemory> PosixGameMemory::open(pid_t pid) {
    const std::optional<ProcessStat> stat = processStat(std::uint64_t(pid));
    if (!stat || stat->hasEnded()) {
        return nullptr;
    }
    return std::unique_ptr<PosixGameMemory>(new PosixGameMemory(pid, stat->started));
}

PosixGameMemory::~PosixGameMemory() {
    if (memoryFile_ >= 0) {
        ::close(memoryFile_);
    }
}

bool PosixGameMemory::read(std::uint32_t address, void* into, std::size_t size) {
    iovec local{into, size};
    iovec remote{reinterpret_cast<void*>(static_cast<std::uintptr_t>(address)), size};
    if (::process_vm_readv(pid_, &local, 1, &remote, 1, 0) == static_cast<ssize_t>(size)) {
        return true;
    }
    if (!memoryFileTried_) {
        memoryFileTried_ = true;
        const std::string path = "/proc/" + std::to_string(pid_) + "/mem";
        memoryFile_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    }
    return memoryFile_ >= 0 && ::pread(memoryFile_, into, size, static_cast<off_t>(address)) ==
                                   static_cast<ssize_t>(size);
}

bool PosixGameMemory::stillRunning() {
    const std::optional<ProcessStat> stat = processStat(std::uint64_t(pid_));
    return stat && !stat->hasEnded() && stat->started == started_;
}

PosixGameOpener::PosixGameOpener(std::string executableName)
    : executableName_(std::move(executableName)) {}

std::unique_ptr<GameMemory> PosixGameOpener::open() const {
    const std::optional<pid_t> pid = findProcessOf(executableName_);
    return pid ? PosixGameMemory::open(*pid) : nullptr;
}

const GameOpener& systemGameOpener() {
    static const PosixGameOpener opener;
    return opener;
}

}  // namespace qv
