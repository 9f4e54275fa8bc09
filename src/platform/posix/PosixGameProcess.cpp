#include "platform/posix/PosixGameProcess.h"

#include "platform/LittleEndian.h"
#include "platform/posix/PosixGameMemory.h"
#include "platform/posix/ProcessTable.h"

namespace qv {

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
    const std::unique_ptr<PosixGameMemory> memory = PosixGameMemory::open(*pid);
    Word32 bytes{};
    if (!memory || !memory->read(address, bytes.data(), bytes.size())) {
        return 0;
    }
    return fromLittleEndian(bytes);
}

const GameProcess& systemGameProcess() {
    static const PosixGameProcess game;
    return game;
}

}  // namespace qv
