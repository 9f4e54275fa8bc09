#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <filesystem>
#include <map>

#include "GameFixtures.h"
#include "LargestMission.h"
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

// One redraw of the map of the largest mission (100 cars, 100 checkpoints, 100 objects) at
// 1024 × 768, its marks spread over the whole state so that "Показать всё" shows it all and all
// 144 tiles are drawn.
void BM_RedrawLargestMission(benchmark::State& state) {
    qv::ui::MapBackground background;
    background.open(qv::systemFileSystem(), gameFolder());
    background.loadAll();
    qv::Mission mission;
    qv::test::fillLargestMission(mission);
    qv::ui::MapCanvas canvas(background, nullptr);
    canvas.resize(1024, 768);
    std::vector<qv::RouteMark> marks = qv::routeMarks(mission);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        marks[i].at = {-2900.0 + static_cast<double>(i * 383 % 5800),
                       -2900.0 + static_cast<double>(i * 611 % 5800)};
    }
    canvas.setScene({marks, true, 3});
    canvas.fitRace();
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        canvas.paintMap(painter);
    }
    state.counters["marks"] = static_cast<double>(canvas.scene().marks.size());
}
BENCHMARK(BM_RedrawLargestMission)->Unit(benchmark::kMillisecond);

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
