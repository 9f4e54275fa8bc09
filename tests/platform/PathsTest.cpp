#include "platform/Paths.h"

#include <gtest/gtest.h>

#include "NativePath.h"

namespace qv {
namespace {

using test::native;

TEST(Paths, FoldersEndWithOneSeparator) {
    EXPECT_EQ(asFolder(native("/games/SA")), native("/games/SA/"));
    EXPECT_EQ(asFolder(native("/games/SA/")), native("/games/SA/"));
    EXPECT_EQ(asFolder(""), "");
}

TEST(Paths, NamesJoinWithTheNativeSeparator) {
    EXPECT_EQ(joinPath(native("/games/SA/"), "data/script/main.scm"),
              native("/games/SA/data/script/main.scm"));
    EXPECT_EQ(joinPath(native("/games/SA"), "gta_sa.exe"), native("/games/SA/gta_sa.exe"));
    EXPECT_EQ(joinPath("", "settings.ini"), "settings.ini");
#ifdef _WIN32
    EXPECT_EQ(joinPath("C:\\Work", "TempScript"), "C:\\Work\\TempScript");
    EXPECT_EQ(joinPath("C:/Races/", "TempScript"), "C:/Races/TempScript");
#endif
}

TEST(Paths, ExtensionOfTheFileNameIsReplaced) {
    EXPECT_EQ(replaceExtension(native("/g/data/script/main.scm"), ".BAK"),
              native("/g/data/script/main.BAK"));
    EXPECT_EQ(replaceExtension(native("/g.v2/data/main"), ".BAK"), native("/g.v2/data/main.BAK"));
    EXPECT_EQ(replaceExtension(native("/g/.hidden"), ".BAK"), native("/g/.hidden.BAK"));
    EXPECT_EQ(replaceExtension("main.tar.scm", ".BAK"), "main.tar.BAK");
}

TEST(Paths, APathIsAbsoluteByItsTextAlone) {
    EXPECT_TRUE(isAbsolutePath(native("/races/race.qvnx")));
    EXPECT_FALSE(isAbsolutePath("race.qvnx"));
    EXPECT_FALSE(isAbsolutePath(native("races/race.qvnx")));
    EXPECT_FALSE(isAbsolutePath(""));
#ifdef _WIN32
    EXPECT_TRUE(isAbsolutePath("C:\\races\\race.qvnx"));
    EXPECT_TRUE(isAbsolutePath("C:/races"));
    EXPECT_FALSE(isAbsolutePath("C:race.qvnx"));
#endif
}

}  // namespace
}  // namespace qv
