#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "ErrorOf.h"
#include "FakeFileSystem.h"
#include "GameFixtures.h"
#include "gamedata/GameRoads.h"
#include "gamedata/NodeFile.h"
#include "gamedata/RoadNetwork.h"

namespace qv {
namespace {

using test::errorOf;
using test::FixtureNode;
using test::le32;

const std::string ArchivePath = test::native("/game/models/gta3.img");

bool hasLink(const RoadNetwork& roads, std::uint32_t a, std::uint32_t b) {
    for (const RoadLink& link : roads.links()) {
        if ((link.from == a && link.to == b) || (link.from == b && link.to == a)) {
            return true;
        }
    }
    return false;
}

TEST(Roads, CarNodesAndTheirLinksAreReadAndJoinedAcrossAreas) {
    // Area 0: three car nodes in a row, the last linked into area 1, and a pedestrian node.
    const std::string area0 = test::nodeFile(
        0,
        {{-2999.5, -2990.125, 12.25, {{0, 1}}},
         {-2900, -2990, -3.5, {{0, 0}, {0, 2}, {0, 3}}},  // and one to the pedestrian node
         {-2260, -2990, 4, {{0, 1}, {1, 0}, {1, 7}, {40, 0}, {99, 0}}}},
        {{-2950, -2950, 0, {{0, 1}}}}, 3);
    const std::string area1 = test::nodeFile(1, {{-2240, -2990, 5, {{0, 2}}}});

    const PathArea first = readNodeFile(area0);
    ASSERT_EQ(first.nodes.size(), 3u);
    EXPECT_EQ(first.nodes[0].x, -2999.5f);
    EXPECT_EQ(first.nodes[0].y, -2990.125f);
    EXPECT_EQ(first.nodes[0].z, 12.25f);
    EXPECT_EQ(first.nodes[1].z, -3.5f);
    EXPECT_EQ(first.links.size(), 9u);

    std::vector<std::optional<PathArea>> areas(PathAreaCount);
    areas[0] = first;
    areas[1] = readNodeFile(area1);
    const RoadNetwork roads = joinPathAreas(areas);
    ASSERT_EQ(roads.nodes().size(), 4u);
    EXPECT_EQ(roads.nodes()[3].x, -2240.f);
    // Each road once, the one into area 1 too; links to the pedestrian node, past area 1's
    // nodes, to an area not read and to no area at all are left out.
    EXPECT_EQ(roads.links().size(), 3u);
    EXPECT_TRUE(hasLink(roads, 0, 1));
    EXPECT_TRUE(hasLink(roads, 1, 2));
    EXPECT_TRUE(hasLink(roads, 2, 3));

    // Without area 1 its road goes, and nothing else.
    areas[1].reset();
    EXPECT_EQ(joinPathAreas(areas).links().size(), 2u);
}

TEST(Roads, DamagedNodeFilesAreRefusedWithTheirReason) {
    const std::string good = test::nodeFile(0, {{0, 0, 0, {{0, 1}}}, {8, 8, 0, {{0, 0}}}}, {}, 2);
    EXPECT_EQ(errorOf([&] { readNodeFile(good.substr(0, 19)); }), "файл короче заголовка");
    // Counts that do not add up.
    std::string counts = good;
    counts.replace(0, 4, le32(5));
    EXPECT_EQ(errorOf([&] { readNodeFile(counts); }), "узлов 5, а машин и пешеходов вместе 2");
    // Cut within the links; and counts no file can hold, refused before anything is made.
    const std::size_t linksEnd = 20 + 2 * 28 + 2 * 14 + 2 * 4;
    EXPECT_EQ(errorOf([&] { readNodeFile(good.substr(0, linksEnd - 1)); }),
              "файл обрывается: заголовок обещает 112 байт, а в файле 111");
    EXPECT_EQ(readNodeFile(good.substr(0, linksEnd)).links.size(), 2u);
    std::string huge = good;
    huge.replace(0, 8, le32(0xFFFFFFFF) + le32(0xFFFFFFFF));
    huge.replace(8, 4, le32(0));
    EXPECT_EQ(errorOf([&] { readNodeFile(huge); }),
              "файл обрывается: заголовок обещает 120259084316 байт, а в файле 888");
    // A node whose links run past the list.
    std::string links = good;
    links[20 + 28 + 16] = 1;     // the second node's first link
    links[20 + 28 + 24] = 0x32;  // and two of them
    EXPECT_EQ(errorOf([&] { readNodeFile(links); }), "ссылки узла 1 (1 … 3) за концом списка из 2");
}

TEST(Roads, AGameFolderKeepsEveryAreaThatReadsAndNamesTheOthers) {
    std::vector<std::pair<std::string, std::string>> files = test::syntheticNodeFiles(4);
    files[5].second.replace(16, 4, le32(100000));  // nodes5.dat promises more links than it has
    files.erase(files.begin() + 6);                // nodes6.dat missing
    test::FakeFileSystem disk;
    disk.files[ArchivePath] = test::imgArchive(files);
    std::vector<std::string> problems;
    const RoadNetwork roads = readGameRoads(ImgArchive(disk, ArchivePath), problems);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].rfind("nodes5.dat: файл обрывается", 0), 0u) << problems[0];
    EXPECT_EQ(problems[1], "nodes6.dat: нет в архиве");
    EXPECT_EQ(roads.nodes().size(), 62u * 16);
    // A lattice of 32 × 32 has 2 × 32 × 31 roads. The two areas are a block of 8 × 4 nodes on
    // the southern edge: its own 7 × 4 + 8 × 3 roads go, and the 4 + 4 + 8 into it.
    EXPECT_EQ(roads.links().size(), 2u * 32 * 31 - (7 * 4 + 8 * 3) - (4 + 4 + 8));
    // The nearest node to a point of the missing area lies in an area read.
    const RoadNode* near = roads.nearest(-3000 + 6 * 750 + 375, -3000 + 375, 1000);
    ASSERT_NE(near, nullptr);
    EXPECT_FALSE(near->x > -3000 + 6 * 750 && near->x < -3000 + 7 * 750 && near->y < -2250);
}

double brute(const std::vector<RoadNode>& nodes, double x, double y) {
    double best = std::numeric_limits<double>::infinity();
    for (const RoadNode& node : nodes) {
        best = std::min(best, std::hypot(node.x - x, node.y - y));
    }
    return best;
}

TEST(Roads, TheNearestNodeIsTheOneAllNodesWouldGive) {
    std::mt19937 random(20);
    for (const int count : {1, 7, 3000}) {
        std::vector<RoadNode> nodes;
        std::uniform_real_distribution<float> spread(-3000, 3000);
        std::normal_distribution<float> town(1500, 40);
        for (int i = 0; i < count; ++i) {
            // Most in one dense town, the rest spread thin, as the game's roads are.
            nodes.push_back(i % 3 ? RoadNode{town(random), town(random), 0}
                                  : RoadNode{spread(random), spread(random), 0});
        }
        const RoadNetwork roads(nodes, {});
        std::uniform_real_distribution<double> point(-4000, 4000);
        std::uniform_real_distribution<double> radius(0, 600);
        for (int i = 0; i < 2000; ++i) {
            const double x = i % 50 == 0 ? point(random) * 1e6 : point(random);
            const double y = point(random);
            const double r = i % 10 == 0 ? 1e12 : radius(random);
            const double expected = brute(nodes, x, y);
            const RoadNode* found = roads.nearest(x, y, r);
            if (expected > r) {
                EXPECT_EQ(found, nullptr) << x << ", " << y << " within " << r;
            } else {
                ASSERT_NE(found, nullptr) << x << ", " << y << " within " << r;
                EXPECT_DOUBLE_EQ(std::hypot(found->x - x, found->y - y), expected);
            }
        }
    }
    const RoadNetwork none;
    EXPECT_EQ(none.nearest(0, 0, 1e9), nullptr);
    const RoadNetwork one({{5, 5, 0}}, {});
    EXPECT_EQ(one.nearest(std::nan(""), 0, 1e9), nullptr);
    EXPECT_EQ(one.nearest(5, 5, -1), nullptr);
    EXPECT_NE(one.nearest(5, 5, 0), nullptr);
}

}  // namespace
}  // namespace qv
