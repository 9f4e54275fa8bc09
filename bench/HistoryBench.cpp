#include <benchmark/benchmark.h>
#include <malloc.h>

#include "LargestMission.h"
#include "model/Mission.h"

namespace {

using qv::MissionPart;

// One step of each kind in turn, on the largest mission: a car with its ten components
// changed, a checkpoint changed, an event rebuilt, a car moved across all hundred (every row
// renumbered), an object removed and a parameter typed.
void doStep(qv::Mission& mission, int step) {
    switch (step % 6) {
        case 0: {
            qv::CarEntry car = mission.car(1 + step % 100);
            car.X = std::to_string(step);
            mission.changeCar(1 + step % 100, car);
            break;
        }
        case 1: {
            qv::CheckpointEntry checkpoint = mission.checkpoint(1 + step % 100);
            checkpoint.Speed = 1 + step % 100;
            mission.changeCheckpoint(1 + step % 100, checkpoint, "Гоночный ");
            break;
        }
        case 2: {
            qv::EventEntry event = mission.event(1 + step % 200);
            event.Actions.front() = "wait " + std::to_string(step);
            mission.changeEvent(1 + step % 200, event);
            break;
        }
        case 3:
            mission.moveRow(MissionPart::Cars, 1, mission.carCount());
            break;
        case 4:
            mission.removeRow(MissionPart::Objects, 1);
            break;
        default: {
            qv::MissionParameters p = mission.parameters();
            p.AMoneyPrize = step;
            mission.setParameters(p);
            break;
        }
    }
}

// One undo and one redo of the costliest step: a car moved from the first place to the last.
void BM_UndoAndRedoOnTheLargestMission(benchmark::State& state) {
    qv::Mission mission;
    qv::test::fillLargestMission(mission);
    mission.moveRow(MissionPart::Cars, 1, mission.carCount());
    for (auto _ : state) {
        mission.undo();
        mission.redo();
    }
}
BENCHMARK(BM_UndoAndRedoOnTheLargestMission)->Unit(benchmark::kMicrosecond);

// What 200 steps of every kind keep on the heap (counted by glibc's allocator, so meaningful in
// a build without sanitizers).
void BM_MemoryOf200Steps(benchmark::State& state) {
    for (auto _ : state) {
        qv::Mission mission;
        qv::test::fillLargestMission(mission);
        const size_t before = mallinfo2().uordblks;
        const int stepsBefore = mission.historySize();
        for (int step = 0; step < 200; ++step) {
            doStep(mission, step);
        }
        state.counters["history_bytes"] = static_cast<double>(mallinfo2().uordblks - before);
        state.counters["steps"] = mission.historySize() - stepsBefore;
    }
}
BENCHMARK(BM_MemoryOf200Steps)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
