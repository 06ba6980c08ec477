// A whole drawing pass on the real QImage canvas, against the clear that
// every pass starts with: what the scene itself adds to a redraw.

#include "bench_scene.h"

#include "plotting/scene.h"
#include "qt/picture_canvas.h"
#include "shell/startup.h"
#include "state/editor.h"

#include <benchmark/benchmark.h>

namespace vrex {
namespace {

// The canvas at the main window's size (drawing area 785 x 442) with the
// benchmark scene on a started editor.
struct PassSetUp {
    PassSetUp()
    {
        canvas.resize(789, 446);
        StartUpSequence(editor);
        ready = canvas.image().size() == QSize(785, 442) && addBenchScene(editor);
    }

    qt::PictureCanvas canvas;
    Editor editor{canvas};
    bool ready = false;
};

void BM_ScenePass(benchmark::State& state)
{
    PassSetUp s;
    if (!s.ready) {
        state.SkipWithError("the canvas or the scene is not as intended");
        return;
    }
    for (auto _ : state) {
        BuildScene(s.editor);
        DrawScene(s.editor);
        benchmark::DoNotOptimize(s.canvas.image().constBits());
    }
    state.counters["markers"] = s.editor.scene.PlotMarkerCount;
    state.counters["segments"] = s.editor.scene.PlotSegmentCount;
}
BENCHMARK(BM_ScenePass)->Unit(benchmark::kMicrosecond);

void BM_CanvasClear(benchmark::State& state)
{
    PassSetUp s;
    if (!s.ready) {
        state.SkipWithError("the canvas or the scene is not as intended");
        return;
    }
    for (auto _ : state) {
        s.canvas.BeginPass();
        s.canvas.Cls();
        s.canvas.EndPass();
        benchmark::DoNotOptimize(s.canvas.image().constBits());
    }
}
BENCHMARK(BM_CanvasClear)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vrex
