// The Windows capture reading a separate fake game process, as it reads the real game.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "CapturedPosition.h"
#include "FakeDrive.h"
#include "gamelink/GameMemoryLayout.h"
#include "gamelink/PositionCapture.h"
#include "platform/GameMemory.h"
#include "platform/GameProcess.h"

namespace qv {
namespace {

HWND findGameWindow() {
    return FindWindowA(nullptr, std::string(GameWindowTitle).c_str());
}

// The fake game program (gta_sa.exe beside this test) running one scenario, closed at the end.
class RunningFakeGame {
  public:
    explicit RunningFakeGame(const std::string& scenario) {
        char self[MAX_PATH];
        const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string program(self, length);
        program.replace(program.find_last_of("\\/") + 1, std::string::npos, "gta_sa.exe");
        std::string commandLine = "gta_sa.exe " + scenario;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process_)) {
            ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
            return;
        }
        CloseHandle(process_.hThread);
        // The window appears once the memory is in place; wait for it, or for the program to
        // give up.
        while (!findGameWindow() && WaitForSingleObject(process_.hProcess, 50) == WAIT_TIMEOUT) {
        }
        started_ = findGameWindow() != nullptr;
    }
    RunningFakeGame(const RunningFakeGame&) = delete;
    RunningFakeGame& operator=(const RunningFakeGame&) = delete;
    ~RunningFakeGame() { close(); }

    bool started() const { return started_; }

    void close() {
        if (process_.hProcess == nullptr) {
            return;
        }
        if (const HWND window = findGameWindow()) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(process_.hProcess, 60000) != WAIT_OBJECT_0) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, INFINITE);
        }
        CloseHandle(process_.hProcess);
        process_.hProcess = nullptr;
    }

  private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

test::CapturedPosition capture() {
    return test::capturePosition(systemGameProcess());
}

TEST(Win32GameProcessTest, ReadsThePlayerOutOfTheGamesMemoryUntilTheGameCloses) {
    ASSERT_EQ(findGameWindow(), nullptr) << "a game window is open already";
    RunningFakeGame game("player");
    ASSERT_TRUE(game.started());
    EXPECT_TRUE(systemGameProcess().gameWindowExists());
    const test::CapturedPosition captured = capture();
    EXPECT_EQ(captured.fields(), "2488.56 -1666.84 13.38 270.00");
    EXPECT_TRUE(captured.warnings.empty());

    game.close();
    EXPECT_FALSE(systemGameProcess().gameWindowExists());
    EXPECT_EQ(systemGameProcess().readUInt32(game_memory::PlayerPointer), 0u);
    const test::CapturedPosition afterwards = capture();
    EXPECT_EQ(afterwards.fields(), "- - - -");
    EXPECT_EQ(afterwards.warnings, std::vector<std::string>{std::string(GameNotRunningWarning)});
}

TEST(Win32GameProcessTest, TakesThePositionFromTheFallbackObject) {
    RunningFakeGame game("fallback");
    ASSERT_TRUE(game.started());
    EXPECT_EQ(capture().fields(), "-2027.77 1420.50 15.99 270.00");
}

TEST(Win32GameProcessTest, WarnsWhenThePlayerIsNotInMemory) {
    for (const char* scenario : {"nothing", "unreadable"}) {
        RunningFakeGame game(scenario);
        ASSERT_TRUE(game.started()) << scenario;
        const test::CapturedPosition captured = capture();
        EXPECT_EQ(captured.fields(), "- - - -") << scenario;
        EXPECT_EQ(captured.warnings, std::vector<std::string>{std::string(MemorySearchWarning)})
            << scenario;
    }
}

TEST(Win32GameProcessTest, RecordsTheFakeGamesDriveThroughTheSessionUntilItEnds) {
    RunningFakeGame game("circuit");
    ASSERT_TRUE(game.started());
    EXPECT_EQ(test::recordedCircuitMismatch(systemGameOpener()), "");
}

}  // namespace
}  // namespace qv
