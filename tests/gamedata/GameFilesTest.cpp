#include <gtest/gtest.h>

#include "ErrorOf.h"
#include "FakeFileSystem.h"
#include "GameFixtures.h"
#include "NativePath.h"
#include "gamedata/GxtTable.h"
#include "gamedata/ImgArchive.h"
#include "gamedata/RadarTiles.h"
#include "gamedata/ZoneMap.h"

namespace qv {
namespace {

using test::errorOf;
using test::le32;

const std::string ArchivePath = test::native("/game/models/gta3.img");

class GameFiles : public ::testing::Test {
  protected:
    std::string errorOpening(std::string bytes) {
        files.files[ArchivePath] = std::move(bytes);
        return errorOf([&] { ImgArchive(files, ArchivePath); });
    }
    test::FakeFileSystem files;
};

TEST_F(GameFiles, AnImgDirectoryGivesEveryEntryWithItsPlaceAndSize) {
    files.files[ArchivePath] =
        test::imgArchive({{"Radar00.TXD", "first"}, {"other.dff", std::string(5000, 'o')}});
    const ImgArchive archive(files, ArchivePath);
    ASSERT_EQ(archive.entries().size(), 2u);
    EXPECT_EQ(archive.entries()[0].name, "Radar00.TXD");
    EXPECT_EQ(archive.entries()[0].offset, 2048u);
    EXPECT_EQ(archive.entries()[0].size, 2048u);
    EXPECT_EQ(archive.entries()[1].offset, 4096u);
    EXPECT_EQ(archive.entries()[1].size, 3 * 2048u);
    const ImgEntry* entry = archive.find("radar00.txd");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(archive.read(*entry, 1 << 20).substr(0, 6), std::string("first\0", 6));
    EXPECT_EQ(archive.find("radar01.txd"), nullptr);
    EXPECT_EQ(errorOf([&] { archive.read(archive.entries()[1], 4096); }),
              "«other.dff» слишком велик (6144 байт)");
}

TEST_F(GameFiles, DamagedArchivesAreRefusedWithTheirReason) {
    EXPECT_EQ(errorOpening("VER"), "не архив IMG версии 2: файл короче заголовка");
    EXPECT_EQ(errorOpening("VER1" + le32(0)), "не архив IMG версии 2: нет «VER2» в начале");
    // A count no archive has: refused before anything is read for it.
    EXPECT_EQ(errorOpening("VER2" + le32(0xFFFFFFFF)),
              "архив повреждён: в оглавлении 4294967295 записей");
    // A count larger than the directory that follows.
    EXPECT_EQ(errorOpening("VER2" + le32(3) + std::string(40, 'x')),
              "архив повреждён: оглавление обрывается");
    // An entry whose sectors lie past the end of the file.
    std::string archive = test::imgArchive({{"radar00.txd", "tile"}});
    archive.resize(2048 + 100);
    files.files[ArchivePath] = archive;
    const ImgArchive cut(files, ArchivePath);
    EXPECT_EQ(errorOf([&] { cut.read(cut.entries()[0], 1 << 20); }),
              "«radar00.txd» выходит за конец архива");
    files.unreadable.insert(ArchivePath);
    EXPECT_NE(errorOf([&] { ImgArchive(files, ArchivePath); }), "(no error)");
}

TEST_F(GameFiles, RadarTilesAreLaidOutTwelveByTwelveFromTheNorthWest) {
    const WorldRect first = radarTileRect(0);
    EXPECT_EQ(first.west, -3000);
    EXPECT_EQ(first.east, -2500);
    EXPECT_EQ(first.north, 3000);
    EXPECT_EQ(first.south, 2500);
    EXPECT_EQ(radarTileRect(11).east, 3000);
    EXPECT_EQ(radarTileRect(12).north, 2500);
    EXPECT_EQ(radarTileRect(12).west, -3000);
    const WorldRect last = radarTileRect(143);
    EXPECT_EQ(last.west, 2500);
    EXPECT_EQ(last.south, -3000);
    EXPECT_EQ(radarTileName(7), "radar07.txd");
    EXPECT_EQ(radarTileName(143), "radar143.txd");
}

TEST_F(GameFiles, TilesOfAGameFolderDecodeOneByOneAndAMissingOneSaysSo) {
    test::writeSyntheticGame(files, test::native("/game"));
    const RadarTiles tiles(files, test::native("/game/"));
    const Image land = tiles.load(5 * 12 + 5);
    EXPECT_EQ(land.width, 128);
    EXPECT_EQ(land.height, 128);
    EXPECT_NE(land.pixel(64, 20), tiles.load(0).pixel(64, 20));  // land differs from the sea

    files.files[ArchivePath] = test::imgArchive({{"radar01.txd", "garbage"}});
    const RadarTiles damaged(files, test::native("/game"));
    EXPECT_EQ(errorOf([&] { damaged.load(0); }), "в архиве нет «radar00.txd»");
    EXPECT_EQ(errorOf([&] { damaged.load(1); }),
              "radar01.txd: не словарь текстур RenderWare: нет словаря");
}

TEST_F(GameFiles, GxtKeysAreFoundByTheGamesHash) {
    // The CRC-32 check value of "123456789" is CBF43926; the game keeps it uninverted.
    EXPECT_EQ(gxtKeyHash("123456789"), 0x340BC6D9u);
    EXPECT_EQ(gxtKeyHash("strip"), gxtKeyHash("STRIP"));

    const GxtTable table(test::gxtFile({{"STRIP", "The Strip"}, {"ROY", "Royal \xC4"}}));
    EXPECT_EQ(table.find("STRIP"), "The Strip");
    EXPECT_EQ(table.find("ROY"), "Royal Д");  // 8-bit texts read as Windows-1251
    EXPECT_EQ(table.find("NONE"), std::nullopt);

    std::string wide = test::gxtFile({});
    wide[2] = 16;
    EXPECT_EQ(errorOf([&] { GxtTable{wide}; }),
              "текст игры в 16-битных символах не поддерживается");
    std::string broken = test::gxtFile({{"A", "text"}});
    broken[broken.size() - 13] = 'X';  // the TDAT tag
    EXPECT_EQ(errorOf([&] { GxtTable{broken}; }), "текст игры повреждён: нет блока TDAT");
    const std::string whole = test::gxtFile({{"A", "text"}});
    for (std::size_t size = 0; size + 5 < whole.size(); ++size) {
        EXPECT_NE(errorOf([&] { GxtTable{whole.substr(0, size)}; }), "(no error)") << size;
    }
}

TEST_F(GameFiles, AGxtTextThatNeverEndsIsNotReadAsAName) {
    // Damage that leaves no NUL for a long way: the key that points there finds nothing instead
    // of everything up to the end, and every key costs the same however far that is.
    const std::string endless(64 * GxtTable::MaxTextBytes, 'x');
    const std::string longest(GxtTable::MaxTextBytes, 'y');
    const GxtTable table(test::gxtFile(
        {{"ROY", "Royal"}, {"RUN", endless}, {"LONGEST", longest}, {"VE", "LV"}, {"roy", "Rex"}}));
    EXPECT_EQ(table.size(), 4u);  // a key given twice counts once, with its first text
    EXPECT_EQ(table.find("RUN"), std::nullopt);
    EXPECT_EQ(table.find("LONGEST"), longest);
    EXPECT_EQ(table.find("ROY"), "Royal");
    EXPECT_EQ(table.find("VE"), "LV");
}

TEST_F(GameFiles, ZonesNameTheSmallestBoxAroundAPointAndItsRegion) {
    const std::vector<Zone> zones = parseZones(
        "# comment\r\n"
        "zone\r\n"
        "BIG, 3, -100, -100, -10, 100, 100, 10, 1, CITY\r\n"
        "SMALL, 0, 10, 10, 0, -10, -10, 5, 1, PLAZA\r\n"
        "broken line\r\n"
        "NAN, 0, x, 0, 0, 1, 1, 1, 1, NAN\r\n"
        "end\r\n"
        "OUT, 0, 0, 0, 0, 1, 1, 1, 1, OUT\r\n");
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_EQ(zones[1].box.west, -10);  // corners in either order
    EXPECT_EQ(zones[1].box.north, 10);

    const ZoneMap named(zones, GxtTable(test::gxtFile({{"PLAZA", "Plaza"}, {"CITY", "City"}})));
    EXPECT_EQ(named.nameAt({0, 0}), "Plaza, City");
    EXPECT_EQ(named.nameAt({50, 50}), "City");
    EXPECT_EQ(named.nameAt({500, 0}), "");
    const ZoneMap keysOnly(zones, GxtTable{});
    EXPECT_EQ(keysOnly.nameAt({0, 0}), "PLAZA, CITY");
}

TEST_F(GameFiles, AGameFolderWithoutItsTextStillNamesZonesByKey) {
    test::writeSyntheticGame(files, test::native("/game"));
    files.files.erase(test::native("/game/text/american.gxt"));
    std::string problem;
    const ZoneMap zones = ZoneMap::read(files, test::native("/game"), problem);
    EXPECT_EQ(zones.nameAt({2050, 1000}), "STRIP, VE");
    EXPECT_NE(problem.find(test::native("/game/text/american.gxt")), std::string::npos);

    test::writeSyntheticGame(files, test::native("/game"));
    problem.clear();
    EXPECT_EQ(ZoneMap::read(files, test::native("/game"), problem).nameAt({2050, 1000}),
              "The Strip, Las Venturas");
    EXPECT_EQ(problem, "");
}

}  // namespace
}  // namespace qv
