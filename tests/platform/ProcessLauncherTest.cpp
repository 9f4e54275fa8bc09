// The launcher of this machine starting the compiler's stand-in (tests/fakes): the same tests
// run against fork and exec on Linux and against the Windows shell under Wine.
#include "platform/ProcessLauncher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LaunchedProgram.h"
#include "NativePath.h"

#ifdef _WIN32
#include "platform/win32/ProcessOpenError.h"
#endif

namespace qv {
namespace {

using test::ends;
using test::readAll;

class ProcessLauncherTest : public testing::Test {
  protected:
    ProcessLauncherTest() {
        std::filesystem::create_directories(test::TempFolder::native(folder.file("Папка 1")));
        std::filesystem::copy_file(std::filesystem::path(QV_FAKE_SANNY).make_preferred(),
                                   test::TempFolder::native(program));
    }

    test::TempFolder folder;
    std::string workingFolder = test::native(folder.file("Папка 1"));
    std::string program = test::native(folder.file("sanny.exe"));
};

TEST_F(ProcessLauncherTest, StartsInTheWorkingFolderWithTheParametersSplit) {
    StartOutcome started = systemProcessLauncher().start(
        {program, R"(\compile "C:\A B\TempScript" plain)", workingFolder, WindowShow::Minimized});
    ASSERT_TRUE(started.process) << started.failure;
    ASSERT_TRUE(ends(*started.process));
    EXPECT_EQ(readAll(folder.file("Папка 1/fakesanny.args")),
              "\\compile\nC:\\A B\\TempScript\nplain\n");
}

TEST_F(ProcessLauncherTest, ProgramThatRunsOnCanBeEnded) {
    std::ofstream(test::TempFolder::native(folder.file("Папка 1/fakesanny.mode"))) << "hang";
    StartOutcome started = systemProcessLauncher().start({program, {}, workingFolder});
    ASSERT_TRUE(started.process) << started.failure;
    EXPECT_FALSE(started.process->hasExited());
    started.process->terminate();
    EXPECT_TRUE(started.process->hasExited());
}

TEST_F(ProcessLauncherTest, AProcessRunsByItsIdentityUntilItHasEndedAndIsGone) {
    std::ofstream(test::TempFolder::native(folder.file("Папка 1/fakesanny.mode"))) << "hang";
    StartOutcome started = systemProcessLauncher().start({program, {}, workingFolder});
    ASSERT_TRUE(started.process) << started.failure;
    const ProcessIdentity identity = started.process->identity();
    EXPECT_TRUE(systemProcessLauncher().isRunning(identity));
    started.process->terminate();
    ASSERT_TRUE(started.process->hasExited());
    started.process.reset();
    EXPECT_FALSE(systemProcessLauncher().isRunning(identity));
}

#ifdef _WIN32
// A process the system will not open for this account may be another account's compiler still
// writing the game's script; only an id that names nothing means it is gone.
TEST(Win32ProcessLauncher, OnlyAnIdOfNoProcessMeansGone) {
    EXPECT_FALSE(mayStillRunAfterOpenFailed(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(mayStillRunAfterOpenFailed(ERROR_ACCESS_DENIED));
}
#endif

TEST_F(ProcessLauncherTest, MissingProgramOrFolderIsAFailureWithTheSystemsReason) {
    StartOutcome started =
        systemProcessLauncher().start({folder.file("nothing.exe"), {}, workingFolder});
    EXPECT_FALSE(started.process);
    EXPECT_FALSE(started.failure.empty());

    started = systemProcessLauncher().start({program, {}, folder.file("no such folder")});
    EXPECT_FALSE(started.process);
    EXPECT_FALSE(started.failure.empty());
}

}  // namespace
}  // namespace qv
