#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "TempFolder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

// The same tests run against the POSIX implementation on Linux and the Win32 one under Wine.
namespace qv {
namespace {

class FileSystemTest : public testing::Test {
  protected:
    std::string contentOf(const std::string& path) {
        std::string bytes;
        EXPECT_TRUE(files.readFile(path, bytes, AnySize)) << path;
        return bytes;
    }

    FileSystem& files = systemFileSystem();
    test::TempFolder folder;
};

TEST_F(FileSystemTest, WritesAndReadsBackEveryByteUnderACyrillicName) {
    const std::string path = folder.file("Гонка по Лос-Сантосу.qvnx.cars");
    const std::string bytes("\xCC\xE0\xF8\xE8\xED\xFB\r\n\t\0\xFF end", 16);
    ASSERT_TRUE(files.writeFile(path, bytes));
    EXPECT_TRUE(std::filesystem::exists(test::TempFolder::native(path)));
    EXPECT_TRUE(files.fileExists(path));
    EXPECT_FALSE(files.isDirectory(path));
    EXPECT_EQ(contentOf(path), bytes);
}

TEST_F(FileSystemTest, WriteReplacesTheWholeContentOfAnOlderFile) {
    const std::string path = folder.file("race.qvnx");
    ASSERT_TRUE(files.writeFile(path, "a much longer older content\r\n"));
    ASSERT_TRUE(files.writeFile(path, "new"));
    EXPECT_EQ(contentOf(path), "new");
    ASSERT_TRUE(files.writeFile(path, ""));
    EXPECT_EQ(contentOf(path), "");
}

TEST_F(FileSystemTest, ReadsAPartOfALargeFileAndNoMore) {
    const std::string path = folder.file("gta3.img");
    std::string bytes(200'000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 7 % 251);
    }
    ASSERT_TRUE(files.writeFile(path, bytes));
    std::string part;
    ASSERT_TRUE(files.readFilePart(path, 70'001, 100'000, part));
    EXPECT_EQ(part, bytes.substr(70'001, 100'000));
    ASSERT_TRUE(files.readFilePart(path, 199'990, 1u << 30, part));  // fewer where it ends
    EXPECT_EQ(part, bytes.substr(199'990));
    ASSERT_TRUE(files.readFilePart(path, 1ull << 40, 16, part));  // nothing past the end
    EXPECT_EQ(part, "");
    EXPECT_FALSE(files.readFilePart(folder.file("missing"), 0, 16, part));
}

// Whether a whole read of `path` (`limit` bytes at most) and a part read are both refused.
void expectRefused(const FileSystem& files, const std::string& path, std::uint64_t limit) {
    std::string bytes = "kept";
    const IoStatus whole = files.readFile(path, bytes, limit);
    EXPECT_FALSE(whole) << path;
    EXPECT_FALSE(whole.reason.empty()) << path;
    EXPECT_FALSE(files.readFilePart(path, 0, 16, bytes)) << path;
    EXPECT_EQ(bytes, "kept") << path;
}

TEST_F(FileSystemTest, ReadsOnlyARegularFileWithinItsLimitAndRefusesTheRestBeforeReading) {
    const std::string path = folder.file("race.qvnx.cars");
    ASSERT_TRUE(files.writeFile(path, std::string(1000, 'x')));
    std::string bytes;
    EXPECT_TRUE(files.readFile(path, bytes, 1000));
    EXPECT_EQ(bytes.size(), 1000u);
    const IoStatus larger = files.readFile(path, bytes, 999);
    EXPECT_FALSE(larger);
    EXPECT_NE(larger.reason.find("1000"), std::string::npos) << larger.reason;

    const std::string sub = folder.file("race.qvnx.events");
    std::filesystem::create_directory(test::TempFolder::native(sub));
    expectRefused(files, sub, AnySize);

    // What no reader may wait on or read without end: nothing is read from them, at once.
#ifdef _WIN32
    expectRefused(files, "NUL", AnySize);
    expectRefused(files, folder.file("NUL"), AnySize);
    const std::string pipe = "\\\\.\\pipe\\quorvane-test-" + std::to_string(GetCurrentProcessId());
    const HANDLE server = CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1,
                                           4096, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    expectRefused(files, pipe, AnySize);
    CloseHandle(server);
#else
    const std::string zeros = folder.file("zeros.cars");
    std::filesystem::create_symlink("/dev/zero", test::TempFolder::native(zeros));
    expectRefused(files, zeros, AnySize);
    const std::string fifo = folder.file("race.fifo.events");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    expectRefused(files, fifo, AnySize);
#endif
}

TEST_F(FileSystemTest, TellsFoldersFromFiles) {
    const std::string sub = folder.file("папка");
    std::filesystem::create_directory(test::TempFolder::native(sub));
    EXPECT_TRUE(files.isDirectory(sub));
    EXPECT_FALSE(files.fileExists(sub));
    EXPECT_FALSE(files.fileExists(folder.file("missing")));
    EXPECT_FALSE(files.isDirectory(folder.file("missing")));
}

TEST_F(FileSystemTest, ReportsTheSystemsReasonWhenAFileCannotBeUsed) {
    std::string bytes = "kept";
    const IoStatus read = files.readFile(folder.file("missing"), bytes, AnySize);
    EXPECT_FALSE(read);
    EXPECT_FALSE(read.reason.empty());
    EXPECT_EQ(bytes, "kept");

    const IoStatus write = files.writeFile(folder.file("no such folder/race.qvnx"), "x");
    EXPECT_FALSE(write);
    EXPECT_FALSE(write.reason.empty());
    EXPECT_FALSE(files.removeFile(folder.file("missing")));
}

TEST_F(FileSystemTest, MoveRenamesButNeverReplaces) {
    const std::string script = folder.file("main.scm");
    const std::string backup = folder.file("main.BAK");
    ASSERT_TRUE(files.writeFile(script, "user's script"));
    ASSERT_TRUE(files.moveFile(script, backup));
    EXPECT_FALSE(files.fileExists(script));
    EXPECT_EQ(contentOf(backup), "user's script");

    ASSERT_TRUE(files.writeFile(script, "compiled test"));
    EXPECT_FALSE(files.moveFile(script, backup));
    EXPECT_EQ(contentOf(script), "compiled test");
    EXPECT_EQ(contentOf(backup), "user's script");

    EXPECT_FALSE(files.moveFile(folder.file("missing"), folder.file("other")));
    EXPECT_FALSE(files.fileExists(folder.file("other")));
}

TEST_F(FileSystemTest, ReplaceRenamesOverAnExistingFile) {
    const std::string target = folder.file("race.qvnx");
    const std::string temporary = folder.file("race.qvnx.tmp");
    ASSERT_TRUE(files.writeFile(target, "old"));
    ASSERT_TRUE(files.writeFile(temporary, "new"));
    ASSERT_TRUE(files.replaceFile(temporary, target));
    EXPECT_FALSE(files.fileExists(temporary));
    EXPECT_EQ(contentOf(target), "new");
}

// As a virus scanner does with a file just written, or another copy of the program with the
// test run's journal.
TEST_F(FileSystemTest, ReplaceWaitsOutAReaderThatHoldsTheFileForAMoment) {
    const std::string target = folder.file("testrun.journal");
    const std::string temporary = folder.file("testrun.journal.tmp");
    ASSERT_TRUE(files.writeFile(target, "old"));
    ASSERT_TRUE(files.writeFile(temporary, "new"));
    auto reader = std::make_unique<std::ifstream>(test::TempFolder::native(target));
    ASSERT_TRUE(*reader);
    std::thread closer([&reader] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        reader.reset();
    });
    EXPECT_TRUE(files.replaceFile(temporary, target));
    closer.join();
    EXPECT_EQ(contentOf(target), "new");
}

TEST_F(FileSystemTest, RemovesFiles) {
    const std::string path = folder.file("Tempscript");
    ASSERT_TRUE(files.writeFile(path, "x"));
    ASSERT_TRUE(files.removeFile(path));
    EXPECT_FALSE(files.fileExists(path));
}

TEST_F(FileSystemTest, GivesTheCurrentFolder) {
    const std::u8string expected = std::filesystem::current_path().u8string();
    EXPECT_EQ(files.currentFolder(), std::string(expected.begin(), expected.end()));
}

TEST_F(FileSystemTest, AtomicWriteCreatesAndReplacesWithoutLeavingTheTemporaryFile) {
    const std::string path = folder.file("Проект.qvnx");
    ASSERT_TRUE(writeFileAtomically(files, path, "first"));
    ASSERT_TRUE(writeFileAtomically(files, path, "second"));
    EXPECT_EQ(contentOf(path), "second");
    EXPECT_EQ(std::distance(
                  std::filesystem::directory_iterator(test::TempFolder::native(folder.file(""))),
                  std::filesystem::directory_iterator()),
              1);
}

TEST_F(FileSystemTest, FailedAtomicWriteRemovesTheTemporaryFile) {
    // A folder stands where the file should go, so the final rename fails.
    const std::string path = folder.file("race.qvnx");
    std::filesystem::create_directory(test::TempFolder::native(path));
    EXPECT_FALSE(writeFileAtomically(files, path, "content"));
    EXPECT_TRUE(files.isDirectory(path));
    EXPECT_FALSE(files.fileExists(path + ".tmp"));
}

TEST_F(FileSystemTest, LockKeepsEveryOtherHoldOutUntilItIsLetGo) {
    const std::string path = folder.file("testrun.lock");
    LockOutcome first = files.lockFile(path);
    ASSERT_TRUE(first.lock) << first.failure;
    const LockOutcome second = files.lockFile(path);
    EXPECT_FALSE(second.lock);
    EXPECT_TRUE(second.heldElsewhere);
    first.lock.reset();
    EXPECT_FALSE(files.fileExists(path));
    EXPECT_TRUE(files.lockFile(path).lock);

    const LockOutcome nowhere = files.lockFile(folder.file("no such folder/testrun.lock"));
    EXPECT_FALSE(nowhere.lock);
    EXPECT_FALSE(nowhere.heldElsewhere);
    EXPECT_FALSE(nowhere.failure.empty());
}

#ifndef _WIN32
TEST_F(FileSystemTest, LockOfAKilledProcessIsLetGo) {
    const std::string path = folder.file("testrun.lock");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const LockOutcome held = files.lockFile(path);
        const char taken = held.lock ? 'y' : 'n';
        (void)!::write(ready[1], &taken, 1);
        for (;;) {
            ::pause();
        }
    }
    char taken = 0;
    ASSERT_EQ(::read(ready[0], &taken, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(taken, 'y');
    EXPECT_TRUE(files.lockFile(path).heldElsewhere);

    ::kill(holder, SIGKILL);
    int status = 0;
    ::waitpid(holder, &status, 0);
    EXPECT_TRUE(files.lockFile(path).lock);
}
#endif

}  // namespace
}  // namespace qv
