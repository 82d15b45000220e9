// Drawing a frame into memory bitmaps, beside the floor that no drawing can
// go below: clearing and copying a whole screen.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench_levels.h"
#include "render/asset_files.h"
#include "render/assets.h"
#include "render/render_frame.h"
#include "world/world.h"

namespace {

void BM_RenderFrame(benchmark::State& state) {
    const BenchLevel& level = bench_levels()[state.range(0)];
    load_bench_level(level);
    for (auto _ : state) render_frame();
    state.SetLabel(level.name);
}

void BM_FloorClearAndBlit(benchmark::State& state) {
    for (auto _ : state) {
        clear_bitmap(back_buffer);
        blit(back_buffer, screen, 0, 0, 0, 0, 640, 480);
    }
}

void BM_FloorMemcpy(benchmark::State& state) {
    std::vector<char> from(640 * 480 * 2, 1), to(640 * 480 * 2);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
    }
}

void each_level(benchmark::internal::Benchmark* b) {
    for (size_t i = 0; i < bench_levels().size(); ++i) b->Arg(static_cast<int>(i));
}

}  // namespace

BENCHMARK(BM_FloorClearAndBlit);
BENCHMARK(BM_FloorMemcpy);
BENCHMARK(BM_RenderFrame)->Apply(each_level);
