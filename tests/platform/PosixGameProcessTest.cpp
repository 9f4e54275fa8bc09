#include "platform/posix/PosixGameProcess.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "FakeGame.h"
#include "gamelink/GameMemoryLayout.h"
#include "gamelink/PositionCapture.h"

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

    std::string x, y, z, angle;
    const auto set = [](std::string& field) {
        return [&field](const std::string& t) { field = t; };
    };
    std::vector<std::string> warnings;
    const auto warn = [&](std::string_view text) { warnings.emplace_back(text); };
    getCoordinates(game, {set(x), set(y), set(z), set(angle)}, warn);
    EXPECT_EQ(x + " " + y + " " + z + " " + angle, "2488.56 -1666.84 13.38 270.00");
    EXPECT_TRUE(warnings.empty());

    process.stop();
    EXPECT_FALSE(game.gameWindowExists());
    EXPECT_EQ(game.readUInt32(layout::PlayerPointer), 0u);
    getCoordinates(game, {set(x), set(y), set(z), set(angle)}, warn);
    EXPECT_EQ(warnings, std::vector<std::string>{std::string(GameNotRunningWarning)});
}

TEST(PosixGameProcessTest, FindsNoGameWhenNoProcessHasItsName) {
    const PosixGameProcess game("no-such-game.exe");
    EXPECT_FALSE(game.gameWindowExists());
    EXPECT_EQ(game.readUInt32(layout::PlayerPointer), 0u);
}

}  // namespace
}  // namespace qv
