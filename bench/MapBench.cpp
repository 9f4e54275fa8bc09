#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <filesystem>

#include "GameFixtures.h"
#include "LargestMission.h"
#include "ui/map/MapBackground.h"
#include "ui/map/MapCanvas.h"

namespace {

// A synthetic game folder (144 radar tiles of 128 × 128 in DXT1, as the game's own) on the disk,
// made once.
const std::string& gameFolder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "quorvane-map-bench";
        for (const char* sub : {"models", "data", "text"}) {
            std::filesystem::create_directories(path / sub);
        }
        qv::test::writeSyntheticGame(qv::systemFileSystem(), path.string());
        return path.string() + "/";
    }();
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

}  // namespace
