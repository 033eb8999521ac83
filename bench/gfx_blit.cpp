// A full-window copy, as every paint of the main window ends: the largest DPI band's skin size, and the
// smallest for comparison. Also the stretch of the background skin over the client area.
#include <benchmark/benchmark.h>

#include "platform/gfx/canvas.h"

namespace {

void Args(benchmark::internal::Benchmark* b) {
    b->Args({2544, 1352})->Args({1272, 676});
}

gfx::Bitmap Source(int w, int h) {
    gfx::Bitmap src(w, h);
    gfx::Canvas c(src);
    c.FillRect({0, 0, w, h}, gfx::Rgb(0x21, 0x2C, 0x3D));
    c.FillRect({w / 4, h / 4, w / 2, h / 2}, gfx::Rgb(200, 40, 40));
    return src;
}

void BM_BitBltFullWindow(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const gfx::Bitmap src = Source(w, h);
    gfx::Bitmap dst(w, h);
    gfx::Canvas canvas(dst);
    for (auto _ : state) {
        canvas.BitBlt({0, 0}, src);
        benchmark::DoNotOptimize(dst.Surface());
    }
    state.SetBytesProcessed(state.iterations() * int64_t{w} * h * 4);
}
BENCHMARK(BM_BitBltFullWindow)->Apply(Args)->Unit(benchmark::kMicrosecond);

void BM_StretchBltSkinOverClient(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const gfx::Bitmap src = Source(w, h);
    gfx::Bitmap dst(w, h);
    gfx::Canvas canvas(dst);
    for (auto _ : state) {
        canvas.StretchBlt({0, 0, w, h}, src, {0, 0, w, h});
        benchmark::DoNotOptimize(dst.Surface());
    }
    state.SetBytesProcessed(state.iterations() * int64_t{w} * h * 4);
}
BENCHMARK(BM_StretchBltSkinOverClient)->Apply(Args)->Unit(benchmark::kMicrosecond);

}  // namespace
