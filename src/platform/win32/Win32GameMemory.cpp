#include "platform/win32/Win32GameMemory.h"

#include <windows.h>

#include <string>

#include "platform/GameProcess.h"
#include "platform/win32/UniqueHandle.h"

namespace qv {
namespace {

// Reading its memory and asking whether it has ended (GetExitCodeProcess) is all the program
// does with the game.
constexpr DWORD ReadRights = PROCESS_VM_READ | PROCESS_QUERY_LIMITED_INFORMATION;

// The handle keeps the process object, so its id cannot pass to another process while open.
class Win32GameMemory final : public GameMemory {
  public:
    explicit Win32GameMemory(HANDLE process) : process_(process) {}

    bool read(std::uint32_t address, void* into, std::size_t size) override {
        SIZE_T read = 0;
        const void* remote = reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address));
        return ReadProcessMemory(process_.get(), remote, into, size, &read) && read == size;
    }

    // A game that ends with exit code 259 would pass for running; the game does not.
    bool stillRunning() override {
        DWORD exitCode = 0;
        return GetExitCodeProcess(process_.get(), &exitCode) && exitCode == STILL_ACTIVE;
    }

  private:
    UniqueHandle process_;
};

class Win32GameOpener final : public GameOpener {
  public:
    std::unique_ptr<GameMemory> open() const override { return openWin32Game(); }
};

}  // namespace

std::unique_ptr<GameMemory> openWin32Game() {
    const HWND window = FindWindowA(nullptr, std::string(GameWindowTitle).c_str());
    if (window == nullptr) {
        return nullptr;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0) {
        return nullptr;
    }
    const HANDLE process = OpenProcess(ReadRights, FALSE, processId);
    if (process == nullptr) {
        return nullptr;
    }
    return std::make_unique<Win32GameMemory>(process);
}

const GameOpener& systemGameOpener() {
    static const Win32GameOpener opener;
    return opener;
}

}  // namespace qv
