// A stand-in for the game, to be copied into a game folder as gta_sa.exe. On start it copies
// the main script it would load (data/script/main.scm of its working folder) to
// fakegame.loaded; then, as fakegame.mode in its working folder says, it either plays (the
// default: it runs until the file fakegame.quit appears) or vanishes at once ("vanish").
// On Windows it shows a window titled "GTA: San Andreas" while it plays; elsewhere the running
// process of this name is what tells that the game runs.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

std::string readAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool quitAsked() {
    return std::filesystem::exists("fakegame.quit");
}

#ifdef _WIN32
void playInWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"FakeGameWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"FakeGameWindow", L"GTA: San Andreas", WS_OVERLAPPEDWINDOW, 0, 0,
                                320, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    while (!quitAsked()) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(50);
    }
    DestroyWindow(window);
}
#endif

}  // namespace

int main() {
    std::ofstream("fakegame.loaded", std::ios::binary) << readAll("data/script/main.scm");
    std::string mode;
    std::istringstream(readAll("fakegame.mode")) >> mode;
    if (mode == "vanish") {
        return 0;
    }
#ifdef _WIN32
    playInWindow();
#else
    while (!quitAsked()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
#endif
    return 0;
}
