#include "gamelink/Settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "NativePath.h"
#include "gamelink/GameFolders.h"
#include "model/Error.h"

namespace qv {
namespace {

const std::string Path = test::native("/races/settings.ini");

TEST(Settings, LiveInTheWorkingFolder) {
    EXPECT_EQ(settingsPath(test::native("/races/")), Path);
    EXPECT_EQ(settingsPath(test::native("/races")), Path);
}

TEST(Settings, MissingFileOrKeysGiveTheDefaults) {
    test::FakeFileSystem files;
    EXPECT_EQ(readSettings(files, Path), Settings{});
    files.files[Path] = "[Other]\r\nMissionTest=1\r\n[Main]\r\nMissionTest=yes\r\n";
    EXPECT_EQ(readSettings(files, Path), Settings{});
    files.unreadable.insert(Path);
    EXPECT_EQ(readSettings(files, Path), Settings{});
}

TEST(Settings, AnyNonZeroIntegerIsOn) {
    test::FakeFileSystem files;
    files.files[Path] = "[main]\r\nmissiontest=-2\r\nGameDir=C:\\Games\\SA\\\r\n";
    const Settings settings = readSettings(files, Path);
    EXPECT_TRUE(settings.missionTest);
    EXPECT_EQ(settings.gameFolder, "C:\\Games\\SA\\");
}

TEST(Settings, FirstWriteCreatesTheThreeKeys) {
    test::FakeFileSystem files;
    writeSettings(files, Path, {});
    EXPECT_EQ(files.files[Path], "[Main]\r\nMissionTest=0\r\nGameDir=\r\nSBDir=\r\n");
}

TEST(Settings, WriteUpdatesKeysInPlaceInWindows1251) {
    test::FakeFileSystem files;
    files.files[Path] =
        "; mine\r\n[Main]\r\nSBDir=old\r\nExtra=kept\r\nMissionTest=0\r\n[Other]\r\nA=1\r\n";
    const Settings settings{true, "/игры/SA/", "/sb/"};
    writeSettings(files, Path, settings);
    EXPECT_EQ(files.files[Path],
              "; mine\r\n[Main]\r\nSBDir=/sb/\r\nExtra=kept\r\nMissionTest=1\r\n"
              "GameDir=/\xE8\xE3\xF0\xFB/SA/\r\n[Other]\r\nA=1\r\n");
    EXPECT_EQ(readSettings(files, Path), settings);
}

TEST(Settings, FileThatCannotBeWrittenOrReadFails) {
    test::FakeFileSystem files;
    files.readOnly.insert(Path + ".tmp");
    EXPECT_THROW(
        {
            try {
                writeSettings(files, Path, {});
            } catch (const Error& error) {
                EXPECT_EQ(error.message(), "Unable to write to " + Path);
                throw;
            }
        },
        Error);

    files.readOnly.clear();
    files.files[Path] = "[Keep]\r\nthis=1\r\n";
    files.unreadable.insert(Path);
    EXPECT_THROW(writeSettings(files, Path, {}), Error);
    EXPECT_EQ(files.files[Path], "[Keep]\r\nthis=1\r\n");
}

TEST(GameFolders, NeedTheirFiles) {
    test::FakeFileSystem files;
    files.files[test::native("/games/SA/gta_sa.exe")] = "";
    EXPECT_FALSE(isGameFolder(files, test::native("/games/SA/")));
    files.files[test::native("/games/SA/data/script/main.scm")] = "";
    EXPECT_TRUE(isGameFolder(files, test::native("/games/SA/")));
    EXPECT_TRUE(isGameFolder(files, test::native("/games/SA")));
    EXPECT_FALSE(isGameFolder(files, ""));

    EXPECT_FALSE(isCompilerFolder(files, test::native("/sb/")));
    files.files[test::native("/sb/sanny.exe")] = "";
    EXPECT_TRUE(isCompilerFolder(files, test::native("/sb")));
    EXPECT_FALSE(isCompilerFolder(files, ""));
}

TEST(Settings, AWindowPlacementKeepsItsOwnSectionBesideTheOthers) {
    test::FakeFileSystem files;
    EXPECT_EQ(readWindowPlacement(files, Path, "RouteMap"), std::nullopt);
    files.files[Path] = "[Main]\r\nGameDir=C:\\Games\\GTA\\\r\n; kept\r\n";
    writeWindowPlacement(files, Path, "RouteMap", {-10, 20, 800, 600});
    EXPECT_EQ(files.files[Path],
              "[Main]\r\nGameDir=C:\\Games\\GTA\\\r\n; kept\r\n[RouteMap]\r\nLeft=-10\r\n"
              "Top=20\r\nWidth=800\r\nHeight=600\r\n");
    EXPECT_EQ(readWindowPlacement(files, Path, "routemap"), (WindowPlacement{-10, 20, 800, 600}));
    EXPECT_EQ(readSettings(files, Path).gameFolder, "C:\\Games\\GTA\\");

    files.files[Path] = "[RouteMap]\r\nLeft=1\r\nTop=2\r\nWidth=0\r\nHeight=600\r\n";
    EXPECT_EQ(readWindowPlacement(files, Path, "RouteMap"), std::nullopt);
    files.unreadable.insert(Path);
    EXPECT_THROW(writeWindowPlacement(files, Path, "RouteMap", {0, 0, 1, 1}), Error);
}

}  // namespace
}  // namespace qv
