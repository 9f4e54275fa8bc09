#include <windows.h>

#include <string>

#include "platform/GameProcess.h"
#include "platform/LittleEndian.h"
#include "platform/win32/UniqueHandle.h"

namespace qv {
namespace {

// Every access right, as the game's memory has always been opened.
constexpr DWORD ProcessAllAccess = 0x1F0FFF;

HWND findGameWindow() {
    return FindWindowA(nullptr, std::string(GameWindowTitle).c_str());
}

// Each call finds the window and opens the process anew and closes it before returning.
class Win32GameProcess final : public GameProcess {
  public:
    bool gameWindowExists() const override { return findGameWindow() != nullptr; }

    std::uint32_t readUInt32(std::uint32_t address) const override {
        const HWND window = findGameWindow();
        if (window == nullptr) {
            return 0;
        }
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId == 0) {
            return 0;
        }
        UniqueHandle process(OpenProcess(ProcessAllAccess, FALSE, processId));
        if (!process.valid()) {
            return 0;
        }
        Word32 bytes{};
        SIZE_T read = 0;
        const void* remote = reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address));
        if (!ReadProcessMemory(process.get(), remote, bytes.data(), bytes.size(), &read) ||
            read != bytes.size()) {
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
