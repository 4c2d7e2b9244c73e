// quillmoss-bench: the cost of every scene's draw step and init step, with
// the offscreen display, beside a plain 20480-byte frame copy as the floor.
// `make bench` runs it and prints the table (bench/report.sh).
#include <benchmark/benchmark.h>

#include <cstring>

#include "gfx/frame.h"
#include "scenes/scenes.h"
#include "shell/timeline.h"

namespace {

// One draw step, at 64 times spread evenly over [first, last].
void BM_draw(benchmark::State &state, void (*draw)(int32_t), int32_t first, int32_t last)
{
    static bool ready = false;
    if (!ready)
        run_scene_inits();
    ready = true;
    int64_t k = 0;
    for (auto _ : state) {
        draw(static_cast<int32_t>(first + (last - first) * (k & 63) / 63));
        benchmark::ClobberMemory();
        k++;
    }
}

BENCHMARK_CAPTURE(BM_draw, plasma, plasma_draw, 0, 15339);
BENCHMARK_CAPTURE(BM_draw, flower_tunnel, flower_tunnel_draw, 0, 15339);
BENCHMARK_CAPTURE(BM_draw, bars, bars_draw, 0, 15339);
BENCHMARK_CAPTURE(BM_draw, rotozoom, rotozoom_draw, 0, 15339);
BENCHMARK_CAPTURE(BM_draw, trails, trails_draw, 0, 30679);
BENCHMARK_CAPTURE(BM_draw, twister, twister_draw, 0, 15339);
BENCHMARK_CAPTURE(BM_draw, dots, dots_draw, 0, 30679);
BENCHMARK_CAPTURE(BM_draw, halfres_tunnel, halfres_tunnel_draw, 0, 15339);
BENCHMARK_CAPTURE(BM_draw, credits, credits_draw, 0, 15339);

// The init steps build tables and text bitmaps; the bitmaps of repeated runs
// are kept (the show never frees them), so the runs are few.
void BM_init(benchmark::State &state, void (*init)())
{
    for (auto _ : state) {
        init();
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(BM_init, plasma, plasma_init)->Iterations(30);
BENCHMARK_CAPTURE(BM_init, flower_tunnel, flower_tunnel_init)->Iterations(30);
BENCHMARK_CAPTURE(BM_init, bars, bars_init)->Iterations(30);
BENCHMARK_CAPTURE(BM_init, rotozoom, rotozoom_init)->Iterations(30);
BENCHMARK_CAPTURE(BM_init, trails, trails_init)->Iterations(30);
BENCHMARK_CAPTURE(BM_init, twister, twister_init)->Iterations(30);
BENCHMARK_CAPTURE(BM_init, dots, dots_init)->Iterations(30);
BENCHMARK_CAPTURE(BM_init, halfres_tunnel, halfres_tunnel_init)->Iterations(30);
BENCHMARK_CAPTURE(BM_init, credits, credits_init)->Iterations(30);
BENCHMARK_CAPTURE(BM_init, all_nine, run_scene_inits)->Iterations(30);

// The floor: what presenting a frame costs at the least.
void BM_copy_frame(benchmark::State &state)
{
    static Frame a, b;
    uint8_t *src = a.pixels, *dst = b.pixels;
    for (auto _ : state) {
        benchmark::DoNotOptimize(src);
        benchmark::DoNotOptimize(dst);
        std::memcpy(dst, src, FRAME_SIZE);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_copy_frame);

}  // namespace

BENCHMARK_MAIN();
