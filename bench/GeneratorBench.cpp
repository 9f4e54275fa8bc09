// The script of the largest mission, beside a baseline measured in the same run: the same text
// copied into a fresh string. Absolute times drift between machines; the ratio of the two,
// printed after the table, is the figure to compare.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "LargestMission.h"
#include "generator/ScriptGenerator.h"

namespace {

const char* const Timestamp = "07.12.2026 12:00:00";
const char* const Copy = "BM_CopyLargestScript";

const qv::Mission& largestMission() {
    static const std::unique_ptr<qv::Mission> mission = [] {
        auto filled = std::make_unique<qv::Mission>();
        qv::test::fillLargestMission(*filled);
        return filled;
    }();
    return *mission;
}

void BM_GenerateLargestMission(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string script = qv::generateScript(largestMission(), Timestamp);
        bytes = script.size();
        benchmark::DoNotOptimize(script.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["script_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_GenerateLargestMission)->Unit(benchmark::kMicrosecond);

// The lines the editor and the command-line tool take, one string each.
void BM_GenerateLargestMissionLines(benchmark::State& state) {
    for (auto _ : state) {
        const std::vector<std::string> lines = qv::generateScriptLines(largestMission(), Timestamp);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_GenerateLargestMissionLines)->Unit(benchmark::kMicrosecond);

void BM_CopyLargestScript(benchmark::State& state) {
    const std::string script = qv::generateScript(largestMission(), Timestamp);
    for (auto _ : state) {
        std::string copy(script);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * script.size()));
}
BENCHMARK(BM_CopyLargestScript)->Unit(benchmark::kMicrosecond);

// The console table, then each benchmark's best processor time per iteration as a multiple of
// the copy's.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0) {
                continue;
            }
            // Processor time: on a shared machine the clock also counts other programs' turns.
            const double time = run.GetAdjustedCPUTime();
            const auto [it, added] = best_.emplace(run.run_name.function_name, time);
            if (!added && time < it->second) {
                it->second = time;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto copy = best_.find(Copy);
        if (copy == best_.end()) {
            return;
        }
        for (const auto& [name, time] : best_) {
            if (name != Copy) {
                std::printf("%s: %.1f x the copy (best of the repetitions)\n", name.c_str(),
                            time / copy->second);
            }
        }
    }

  private:
    std::map<std::string, double> best_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
