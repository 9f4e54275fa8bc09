#include "platform/posix/PosixGameProcess.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "CapturedPosition.h"
#include "Environment.h"
#include "FakeGame.h"
#include "gamelink/GameMemoryLayout.h"
#include "gamelink/PositionCapture.h"

extern char** environ;

namespace qv {
namespace {

namespace layout = game_memory;

constexpr const char* FakeExecutable = "qv-fake-sa.exe";
constexpr std::uint32_t BlockAddress = 0xB6F000;
constexpr std::size_t BlockSize = 0x11000;

// A child process that calls itself FakeExecutable and holds the memory image of `game` at the
// game's own addresses until it is released.
class FakeGameProcess {
  public:
    explicit FakeGameProcess(const test::FakeGame& game) {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(hold_) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(hold_[1]);
            ::prctl(PR_SET_NAME, FakeExecutable);
            void* block = ::mmap(reinterpret_cast<void*>(std::uintptr_t{BlockAddress}), BlockSize,
                                 PROT_READ | PROT_WRITE,
                                 MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
            const char state =
                block != MAP_FAILED &&
                        game.copyTo(static_cast<unsigned char*>(block), BlockAddress, BlockSize)
                    ? 'y'
                    : 'n';
            (void)!::write(ready[1], &state, 1);
            char ignored;
            (void)!::read(hold_[0], &ignored, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(hold_[0]);
        char state = 'n';
        started_ = ::read(ready[0], &state, 1) == 1 && state == 'y';
        ::close(ready[0]);
    }
    FakeGameProcess(const FakeGameProcess&) = delete;
    FakeGameProcess& operator=(const FakeGameProcess&) = delete;
    ~FakeGameProcess() { stop(); }

    bool started() const { return started_; }
    pid_t pid() const { return pid_; }

    void stop() {
        if (pid_ > 0) {
            ::close(hold_[1]);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

  private:
    int hold_[2] = {-1, -1};
    pid_t pid_ = -1;
    bool started_ = false;
};

// Whether this kernel lets us read the child's memory at all (ptrace restrictions).
bool kernelAllowsReading(pid_t pid) {
    std::uint32_t value = 0;
    iovec local{&value, sizeof value};
    iovec remote{reinterpret_cast<void*>(std::uintptr_t{layout::PlayerPointer}), sizeof value};
    return ::process_vm_readv(pid, &local, 1, &remote, 1, 0) == sizeof value || errno != EPERM;
}

TEST(PosixGameProcessTest, CapturesThePositionFromAnotherProcessAndNoticesItsEnd) {
    test::FakeGame image;
    image.placePlayer(2488.5601f, -1666.84f, 13.38f, -1.5707964f);
    FakeGameProcess process(image);
    ASSERT_TRUE(process.started()) << "the fake game could not map its memory";
    if (!kernelAllowsReading(process.pid())) {
        GTEST_SKIP() << "this kernel does not let a process read another one's memory";
    }

    const PosixGameProcess game(FakeExecutable);
    EXPECT_EQ(game.findProcess(), process.pid());
    EXPECT_TRUE(game.gameWindowExists());
    EXPECT_EQ(game.readUInt32(layout::PlayerPointer), test::FakeGame::PlayerObject);
    EXPECT_EQ(game.readUInt32(0x1000), 0u);  // not mapped in the game

    const test::CapturedPosition captured = test::capturePosition(game);
    EXPECT_EQ(captured.fields(), "2488.56 -1666.84 13.38 270.00");
    EXPECT_TRUE(captured.warnings.empty());

    process.stop();
    EXPECT_FALSE(game.gameWindowExists());
    EXPECT_EQ(game.readUInt32(layout::PlayerPointer), 0u);
    EXPECT_EQ(test::capturePosition(game).warnings,
              std::vector<std::string>{std::string(GameNotRunningWarning)});
}

// The case this implementation is for: the game running under Wine. The Windows build's fake
// game program (gta_sa.exe) is named in QV_WINE_FAKE_GAME when that build exists.
TEST(PosixGameProcessTest, ReadsTheGameRunningUnderWine) {
    const std::optional<std::string> fakeGame = test::environmentVariable("QV_WINE_FAKE_GAME");
    if (!fakeGame) {
        GTEST_SKIP() << "QV_WINE_FAKE_GAME does not name the fake game of a Windows build";
    }
    const std::string wine = test::environmentVariable("QV_WINE").value_or("/usr/lib/wine/wine64");
    char* arguments[] = {const_cast<char*>(wine.c_str()), const_cast<char*>(fakeGame->c_str()),
                         const_cast<char*>("player"), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, wine.c_str(), nullptr, nullptr, arguments, environ), 0);

    // Wine takes a while to start; until the program has written its memory the capture finds
    // nothing.
    const PosixGameProcess game;
    test::CapturedPosition captured;
    bool ended = false;
    for (int attempt = 0; attempt < 1200 && !ended; ++attempt) {
        captured = test::capturePosition(game);
        if (captured.warnings.empty()) {
            break;
        }
        ::usleep(100000);
        ended = ::waitpid(pid, nullptr, WNOHANG) == pid;
    }
    if (!ended) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    EXPECT_EQ(captured.fields(), "2488.56 -1666.84 13.38 270.00");
    EXPECT_TRUE(captured.warnings.empty());
}

TEST(PosixGameProcessTest, FindsNoGameWhenNoProcessHasItsName) {
    const PosixGameProcess game("no-such-game.exe");
    EXPECT_FALSE(game.gameWindowExists());
    EXPECT_EQ(game.readUInt32(layout::PlayerPointer), 0u);
}

}  // namespace
}  // namespace qv
