// The route recorder on one hour of samples (72,000 at 20 a second): the time to turn them
// into a route, and the memory the recorder holds at the end.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "SyntheticDrive.h"
#include "gamelink/RouteRecorder.h"

namespace {

constexpr int HourOfSamples = 72000;

// An hour of driving at 30 m/s around a town of winding streets: a loop of 2 km radius whose
// edge swings 60 m in and out every 300 m, with a horn tap every minute.
const std::vector<qv::GameSample>& anHour() {
    static const std::vector<qv::GameSample> samples = [] {
        qv::test::SyntheticDrive drive({2000, 0, 20});
        for (int i = 1; drive.samples().size() < HourOfSamples; ++i) {
            const double along = i * 3.0;
            const double angle = along / 2000;
            const double radius = 2000 + 60 * std::sin(along / 300 * 2 * std::numbers::pi);
            drive.horn(i % 400 < 8);
            drive.to({static_cast<float>(radius * std::cos(angle)),
                      static_cast<float>(radius * std::sin(angle)), 20},
                     30);
        }
        std::vector<qv::GameSample> all = drive.samples();
        all.resize(HourOfSamples);
        return all;
    }();
    return samples;
}

qv::RecorderSettings unlimited() {
    qv::RecorderSettings settings;
    settings.checkpointRoom = 1'000'000;  // every checkpoint the hour needs is laid
    return settings;
}

void BM_RecordAnHour(benchmark::State& state) {
    const auto& samples = anHour();
    std::size_t checkpoints = 0;
    for (auto _ : state) {
        const qv::RecordedRoute route = qv::recordRoute(samples, unlimited());
        checkpoints = route.checkpoints.size();
        benchmark::DoNotOptimize(route);
    }
    state.counters["checkpoints"] = double(checkpoints);
}
BENCHMARK(BM_RecordAnHour)->Unit(benchmark::kMillisecond);

void BM_RecorderMemoryAfterAnHour(benchmark::State& state) {
    const auto& samples = anHour();
    std::size_t bytes = 0;
    for (auto _ : state) {
        qv::RouteRecorder recorder(unlimited());
        for (const qv::GameSample& sample : samples) {
            recorder.add(sample);
        }
        bytes = recorder.memoryUse();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_RecorderMemoryAfterAnHour)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
