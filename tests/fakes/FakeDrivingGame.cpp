// A stand-in for the game running under Wine, for the route recorder: a process named
// gta_sa.exe that holds, at the game's own addresses, the player's vehicle of a scripted drive
// (tests/support/FakeDrive.h) and moves it in real time. It ends when the drive is over.
// Usage: qv_fake_driving_game DRIVE
#include <sys/mman.h>
#include <sys/prctl.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <thread>

#include "FakeDrive.h"

namespace {

constexpr std::uintptr_t BlockAddress = 0xB6F000;
constexpr std::size_t BlockSize = 0x11000;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || !qv::test::driveMoment(argv[1], 0)) {
        std::fprintf(stderr, "usage: qv_fake_driving_game circuit|parked\n");
        return 2;
    }
    ::prctl(PR_SET_NAME, "gta_sa.exe");
    void* block = ::mmap(reinterpret_cast<void*>(BlockAddress), BlockSize, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
    if (block == MAP_FAILED) {
        std::perror("mmap");
        return 3;
    }
    qv::test::FakeGame image;
    const auto start = std::chrono::steady_clock::now();
    while (true) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const auto moment = qv::test::driveMoment(argv[1], seconds);
        if (!moment) {
            return 0;
        }
        qv::test::playMoment(*moment, image);
        if (!image.copyTo(static_cast<unsigned char*>(block), BlockAddress, BlockSize)) {
            return 4;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
