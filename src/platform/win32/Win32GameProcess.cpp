#include <windows.h>

#include <memory>
#include <string>

#include "platform/GameProcess.h"
#include "platform/LittleEndian.h"
#include "platform/win32/Win32GameMemory.h"

namespace qv {
namespace {

// Each call finds the window and opens the process anew (read rights only) and closes it
// before returning.
class Win32GameProcess final : public GameProcess {
  public:
    bool gameWindowExists() const override {
        return FindWindowA(nullptr, std::string(GameWindowTitle).c_str()) != nullptr;
    }

    std::uint32_t readUInt32(std::uint32_t address) const override {
        const std::unique_ptr<GameMemory> memory = openWin32Game();
        Word32 bytes{};
        if (!memory || !memory->read(address, bytes.data(), bytes.size())) {
            return 0;
        }
        return fromLittleEndian(bytes);
    }
};

}  // namespace

const GameProcess& systemGameProcess() {
    static const Win32GameProcess game;
    return game;
}

}  // namespace qv
