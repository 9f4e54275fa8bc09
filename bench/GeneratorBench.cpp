#include <benchmark/benchmark.h>

#include "LargestMission.h"
#include "generator/ScriptGenerator.h"

namespace {

void BM_GenerateLargestMission(benchmark::State& state) {
    qv::Mission mission;
    qv::test::fillLargestMission(mission);
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string script = qv::generateScript(mission, "07.12.2026 12:00:00");
        bytes = script.size();
        benchmark::DoNotOptimize(script.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["script_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_GenerateLargestMission)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
