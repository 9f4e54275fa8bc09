#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>
#include <chrono>
#include <filesystem>
#include <map>
#include <random>

#include "GameFixtures.h"
#include "LargestMission.h"
#include "gamedata/GameRoads.h"
#include "gamedata/RadarTiles.h"
#include "ui/map/MapBackground.h"
#include "ui/map/MapCanvas.h"

namespace {

// A synthetic game folder on the disk, made once for each size: 144 radar tiles of `side` × `side`
// in DXT1 (the game's own are 128; HD radar mods have 1024 or 2048).
const std::string& gameFolder(int side = 128) {
    static std::map<int, std::string> folders;
    std::string& folder = folders[side];
    if (folder.empty()) {
        const auto path =
            std::filesystem::temp_directory_path() / ("quorvane-map-bench-" + std::to_string(side));
        for (const char* sub : {"models", "data", "text"}) {
            std::filesystem::create_directories(path / sub);
        }
        qv::test::writeSyntheticGame(qv::systemFileSystem(), path.string(), side);
        folder = path.string() + "/";
    }
    return folder;
}

// Opening the game folder and reading and decoding all 144 tiles, as the map does when the whole
// state is in view; the counter is the memory the decoded tiles take.
void BM_LoadRadarTiles(benchmark::State& state) {
    gameFolder();
    std::size_t bytes = 0;
    for (auto _ : state) {
        qv::ui::MapBackground background;
        background.open(qv::systemFileSystem(), gameFolder());
        background.loadAll();
        if (!background.note().isEmpty()) {
            state.SkipWithError(qPrintable(background.note()));
        }
        bytes = background.tileBytes();
    }
    state.counters["tile_megabytes"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_LoadRadarTiles)->Unit(benchmark::kMillisecond);

// Reading the game's roads from all 64 node files of the archive (its directory read first),
// as opening the map does. The synthetic game's areas hold a lattice of 24 × 24 car nodes and as
// many pedestrian nodes each: 36,864 car nodes and 73,000 roads, about the game's own.
void BM_ReadGameRoads(benchmark::State& state) {
    const std::string archive = qv::radarArchivePath(gameFolder());
    std::size_t nodes = 0;
    std::size_t links = 0;
    for (auto _ : state) {
        std::vector<std::string> problems;
        const qv::RoadNetwork roads =
            qv::readGameRoads(qv::ImgArchive(qv::systemFileSystem(), archive), problems);
        if (!problems.empty()) {
            state.SkipWithError(problems.front().c_str());
        }
        nodes = roads.nodes().size();
        links = roads.links().size();
    }
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["roads"] = static_cast<double>(links);
}
BENCHMARK(BM_ReadGameRoads)->Unit(benchmark::kMillisecond);

// The road node nearest to a point anywhere on the map, within 10 units (argument 10, as a
// snap to the road looks) or anywhere (argument 0).
void BM_NearestRoadNode(benchmark::State& state) {
    std::vector<std::string> problems;
    const qv::RoadNetwork roads = qv::readGameRoads(
        qv::ImgArchive(qv::systemFileSystem(), qv::radarArchivePath(gameFolder())), problems);
    std::mt19937 random(1);
    std::uniform_real_distribution<double> anywhere(-3000, 3000);
    const double radius = state.range(0) > 0 ? static_cast<double>(state.range(0)) : 1e9;
    std::size_t found = 0;
    for (auto _ : state) {
        found += roads.nearest(anywhere(random), anywhere(random), radius) != nullptr;
    }
    benchmark::DoNotOptimize(found);
}
BENCHMARK(BM_NearestRoadNode)->Arg(10)->Arg(0)->Unit(benchmark::kMicrosecond);

// The map of the largest mission (100 cars, 100 checkpoints, 100 objects) at 1024 × 768, its
// marks spread over the whole state so that "Показать всё" shows it all and all 144 tiles are
// drawn, with its tiles read and decoded.
struct LargestMap {
    qv::ui::MapBackground background;
    qv::ui::MapCanvas canvas{background, nullptr};
    std::vector<qv::RouteMark> marks;
    QImage image{1024, 768, QImage::Format_ARGB32_Premultiplied};

    explicit LargestMap(bool roads) {
        background.open(qv::systemFileSystem(), gameFolder());
        background.loadAll();
        qv::Mission mission;
        qv::test::fillLargestMission(mission);
        canvas.resize(1024, 768);
        marks = qv::routeMarks(mission);
        for (std::size_t i = 0; i < marks.size(); ++i) {
            marks[i].at = {-2900.0 + static_cast<double>(i * 383 % 5800),
                           -2900.0 + static_cast<double>(i * 611 % 5800)};
        }
        canvas.setShowRoads(roads);
        canvas.setScene({marks, true, 3});
        canvas.fitRace();
        // From here on the view stays as it is when the race changes, as after the wheel.
        wheel(0);
        paint();
    }
    void wheel(int delta) {
        QWheelEvent event(QPointF(512, 384), QPointF(512, 384), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&canvas, &event);
    }
    void paint() {
        QPainter painter(&image);
        canvas.paintMap(painter);
    }
};

// One redraw of that map, as while a mark is dragged: the race moved (one checkpoint a little
// further each time), the view as it was. Argument: the roads shown (1) or not (0).
void BM_RedrawLargestMission(benchmark::State& state) {
    LargestMap map(state.range(0) != 0);
    int step = 0;
    for (auto _ : state) {
        map.marks[150].at.x += (++step % 2 != 0) ? 3 : -3;
        map.canvas.setScene({map.marks, true, 3});
        map.paint();
    }
    state.counters["marks"] = static_cast<double>(map.canvas.scene().marks.size());
}
BENCHMARK(BM_RedrawLargestMission)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One redraw of that map in a new view, as while the map is dragged or zoomed: everything is
// drawn again, the tiles, the grid and the roads (argument 1) too.
void BM_RedrawLargestMissionNewView(benchmark::State& state) {
    LargestMap map(state.range(0) != 0);
    int step = 0;
    for (auto _ : state) {
        map.wheel((++step % 2 != 0) ? 1 : -1);
        map.paint();
    }
}
BENCHMARK(BM_RedrawLargestMissionNewView)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The first view of the whole state on a game with tiles of the argument's size: from opening
// the folder to the map painted (without the tiles still on their way). The counter
// "all_tiles_ms" is the time from then until every tile has come in and is drawn.
void BM_FirstViewOfLargeTiles(benchmark::State& state) {
    const std::string& folder = gameFolder(static_cast<int>(state.range(0)));
    double allTiles = 0;
    for (auto _ : state) {
        qv::ui::MapBackground background;
        background.open(qv::systemFileSystem(), folder);
        qv::ui::MapCanvas canvas(background, nullptr);
        canvas.resize(1024, 768);
        canvas.fitRace();
        QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&image);
            canvas.paintMap(painter);
        }
        state.PauseTiming();
        const auto start = std::chrono::steady_clock::now();
        while (background.loading()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QPainter painter(&image);
        canvas.paintMap(painter);
        allTiles +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        if (!background.note().isEmpty()) {
            state.SkipWithError(qPrintable(background.note()));
        }
        state.ResumeTiming();
    }
    state.counters["all_tiles_ms"] =
        benchmark::Counter(allTiles, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FirstViewOfLargeTiles)
    ->Arg(128)
    ->Arg(1024)
    ->Arg(2048)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
