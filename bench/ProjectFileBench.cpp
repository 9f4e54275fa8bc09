#include <benchmark/benchmark.h>

#include "FakeFileSystem.h"
#include "LargestMission.h"
#include "model/ProjectFile.h"

namespace {

const std::string Project = "/bench/largest.qvnx";

// Saving over the project's own files: the INI file is read and updated in place.
void BM_SaveLargestProject(benchmark::State& state) {
    qv::Mission mission;
    qv::test::fillLargestMission(mission);
    qv::test::FakeFileSystem files;
    qv::saveProject(mission, Project, files);
    for (auto _ : state) {
        qv::saveProject(mission, Project, files);
    }
    std::size_t bytes = 0;
    for (const auto& [path, content] : files.files) {
        bytes += content.size();
    }
    state.counters["project_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveLargestProject)->Unit(benchmark::kMicrosecond);

void BM_LoadLargestProject(benchmark::State& state) {
    qv::Mission largest;
    qv::test::fillLargestMission(largest);
    qv::test::FakeFileSystem files;
    qv::saveProject(largest, Project, files);
    qv::Mission mission;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qv::loadProject(mission, Project, files));
    }
}
BENCHMARK(BM_LoadLargestProject)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
