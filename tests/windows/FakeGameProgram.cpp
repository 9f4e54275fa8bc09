// A stand-in for the game on Windows: a window titled "GTA: San Andreas" and, at the game's own
// addresses, the pointer chain of one scenario (FakeGameScenarios.h), until the window is
// closed. A drive moves the player in real time and closes the window when it is over. The program
// is linked at a fixed base below the game's addresses, so that the block below lies over them.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "FakeGameScenarios.h"

namespace {

// 4 MiB of the image's own data, placed by the linker over 0xB6F5F0 to 0xB7F41C.
unsigned char gameMemory[4 << 20];

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Moves the player of `drive` in the game's memory until the drive is over, then closes the
// window and ends.
int playDrive(const char* drive, qv::test::FakeGame& image, std::uint32_t blockAddress) {
    const auto start = std::chrono::steady_clock::now();
    while (true) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return 0;
            }
            DispatchMessageA(&message);
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const auto moment = qv::test::driveMoment(drive, seconds);
        if (!moment) {
            return 0;
        }
        qv::test::playMoment(*moment, image);
        image.copyTo(gameMemory, blockAddress, sizeof gameMemory);
        Sleep(5);
    }
}

}  // namespace

int main(int argc, char** argv) {
    qv::test::FakeGame image;
    if (argc != 2 || !qv::test::fillScenario(argv[1], image)) {
        std::fprintf(stderr, "usage: gta_sa SCENARIO\n");
        return 2;
    }
    const auto blockAddress = reinterpret_cast<std::uintptr_t>(gameMemory);
    if (blockAddress > UINT32_MAX ||
        !image.copyTo(gameMemory, static_cast<std::uint32_t>(blockAddress), sizeof gameMemory)) {
        std::fprintf(stderr, "the memory block lies at %p, not over the game's addresses\n",
                     static_cast<void*>(gameMemory));
        return 3;
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QuorvaneFakeGame";
    RegisterClassA(&windowClass);
    const std::string title(qv::GameWindowTitle);
    if (!CreateWindowExA(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0,
                         640, 480, nullptr, nullptr, windowClass.hInstance, nullptr)) {
        std::fprintf(stderr, "no window: error %lu\n", GetLastError());
        return 4;
    }
    if (qv::test::driveMoment(argv[1], 0)) {
        return playDrive(argv[1], image, static_cast<std::uint32_t>(blockAddress));
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
