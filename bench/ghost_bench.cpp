// The time trial's ghost: one frame of its world beside the player's, which
// costs two swaps of the whole world and the ghost's own frame.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_levels.h"
#include "sim/ghost.h"
#include "world/snapshot.h"
#include "world/world.h"

namespace {

// Walking right and jumping: a ghost that keeps moving and rarely ends.
KeyScript restless_keys() {
    KeyScript script;
    for (int i = 0; i < 2000; ++i) script.runs.push_back({40, i % 2 == 0, false, true});
    return script;
}

void BM_GhostFrame(benchmark::State& state) {
    const BenchLevel& level = bench_levels()[state.range(0)];
    load_bench_level(level);  // the player's world, and the folder of level files
    const KeyScript keys = restless_keys();
    auto ghost = std::make_unique<Ghost>(level.number, keys);
    for (auto _ : state) {
        ghost->step();
        if (!ghost->robot().shown) ghost = std::make_unique<Ghost>(level.number, keys);
    }
    state.SetLabel(level.name);
}

// The swap alone: the player's world out and back, whatever the level.
void BM_WorldSwap(benchmark::State& state) {
    auto snapshot = std::make_unique<WorldSnapshot>();
    for (auto _ : state) {
        save_world(*snapshot);
        restore_world(*snapshot);
    }
    state.SetLabel(std::to_string(sizeof(WorldSnapshot)) + " bytes");
}

void shipped_levels(benchmark::internal::Benchmark* b) {
    for (size_t i = 0; i + 1 < bench_levels().size(); ++i) b->Arg(static_cast<int>(i));
}

}  // namespace

BENCHMARK(BM_GhostFrame)->Apply(shipped_levels);
BENCHMARK(BM_WorldSwap);
