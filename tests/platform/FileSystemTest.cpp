#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"

// The same tests run against the POSIX implementation on Linux and the Win32 one under Wine.
namespace qv {
namespace {

class FileSystemTest : public testing::Test {
  protected:
    std::string contentOf(const std::string& path) {
        std::string bytes;
        EXPECT_TRUE(files.readFile(path, bytes)) << path;
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
    const IoStatus read = files.readFile(folder.file("missing"), bytes);
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

}  // namespace
}  // namespace qv
