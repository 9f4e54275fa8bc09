#include "platform/posix/PosixProcessLauncher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LaunchedProgram.h"

namespace qv {
namespace {

using test::ends;
using test::readAll;

// The compiler's stand-in plays Wine here: it writes down the arguments it was given.
class WineRoutingTest : public testing::Test {
  protected:
    WineRoutingTest() {
        std::filesystem::copy_file(QV_FAKE_SANNY, recorder);
        std::ofstream(windowsProgram, std::ios::binary) << "MZ\x90";
    }

    test::TempFolder folder;
    std::string recorder = folder.file("wine");
    std::string windowsProgram = folder.file("gta_sa.EXE");
};

TEST_F(WineRoutingTest, WindowsProgramsRunThroughWineWithTheirPathsOnDriveZ) {
    PosixProcessLauncher launcher(recorder);
    StartOutcome started = launcher.start(
        {windowsProgram, "\\compile \"/home/u/My Work/Tempscript\" c", folder.file("")});
    ASSERT_TRUE(started.process) << started.failure;
    ASSERT_TRUE(ends(*started.process));
    EXPECT_EQ(readAll(folder.file("fakesanny.args")),
              windowsProgram + "\n\\compile\nZ:\\home\\u\\My Work\\Tempscript\nc\n");
}

TEST_F(WineRoutingTest, NativeProgramsRunAsTheyAreWhateverTheirName) {
    const std::string native = folder.file("sanny.exe");
    std::filesystem::copy_file(QV_FAKE_SANNY, native);
    PosixProcessLauncher launcher(folder.file("no-wine-here"));
    StartOutcome started = launcher.start({native, "x", folder.file("")});
    ASSERT_TRUE(started.process) << started.failure;
    ASSERT_TRUE(ends(*started.process));
    EXPECT_EQ(readAll(folder.file("fakesanny.args")), "x\n");
}

TEST_F(WineRoutingTest, WindowsProgramWithoutWineCannotStart) {
    PosixProcessLauncher launcher(std::nullopt);
    const StartOutcome started = launcher.start({windowsProgram, {}, folder.file("")});
    EXPECT_FALSE(started.process);
    EXPECT_FALSE(started.failure.empty());
}

}  // namespace
}  // namespace qv
