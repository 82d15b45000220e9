// One frame of updates, and the loader, on every shipped level and on a
// level that fills every table.
#include <benchmark/benchmark.h>

#include "bench_levels.h"
#include "sim/frame.h"
#include "world/level_loader.h"
#include "world/world.h"

namespace {

void BM_FrameUpdates(benchmark::State& state) {
    const BenchLevel& level = bench_levels()[state.range(0)];
    load_bench_level(level);
    int64_t frames = 0;
    for (auto _ : state) {
        run_frame();
        // a level that ends (or a game over) starts again, as in play
        if (level_done && ++frames > 0) load_bench_level(level);
    }
    state.SetLabel(level.name);
}

void BM_LoadFullLevel(benchmark::State& state) {
    const BenchLevel& full = bench_levels().back();
    for (auto _ : state) load_bench_level(full);
}

void each_level(benchmark::internal::Benchmark* b) {
    for (size_t i = 0; i < bench_levels().size(); ++i) b->Arg(static_cast<int>(i));
}

}  // namespace

BENCHMARK(BM_FrameUpdates)->Apply(each_level);
BENCHMARK(BM_LoadFullLevel);
