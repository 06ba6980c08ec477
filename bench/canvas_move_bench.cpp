// One pointer move over the canvas, end to end: the Qt event into the
// front, the paced update that lets it through, the redraw, and the repaint
// of the widget it asks for.

#include "bench_scene.h"

#include "qt/front.h"
#include "qt/platform_services.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace vrex {
namespace {

void BM_CanvasMove(benchmark::State& state)
{
    double clock = 36000;
    Services services = qt::makePlatformServices();
    services.timeOfDay = [&clock] { return clock; };
    qt::Front front(std::move(services));
    front.start();
    if (!addBenchScene(front.editor())) {
        state.SkipWithError("the scene is not as intended");
        return;
    }
    QCoreApplication::processEvents();

    qt::PictureCanvas& canvas = front.canvas();
    const QPointF at = QPointF(canvas.drawingArea().topLeft()) + QPointF(400, 200);
    const QPointF global = canvas.mapToGlobal(at);
    std::int64_t passed = 0;
    for (auto _ : state) {
        clock += 1; // well past the pacing interval, so every move redraws
        QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &move);
        QCoreApplication::processEvents();
        if (front.editor().mouse.LastRedrawTime == static_cast<Single>(clock))
            ++passed;
    }
    if (passed != state.iterations())
        state.SkipWithError("a move did not pass the pacing");
}
BENCHMARK(BM_CanvasMove)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vrex
