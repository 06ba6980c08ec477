#include "bench_scene.h"

#include "shell/command_buttons.h"
#include "shell/mouse_input.h"
#include "state/editor.h"
#include "state/numbers.h"

namespace vrex {

bool addBenchScene(Editor& editor)
{
    for (int l = 0; l < BenchLines; ++l) {
        Button1Pressed(editor);
        for (int i = 0; i < BenchPointsPerLine; ++i) {
            // Rows 40 px apart from y = 20, columns 180 px apart from x = 30,
            // every other vertex 12 px lower so the segments slant.
            const auto x = static_cast<Single>(30 + 180 * i);
            const auto y = static_cast<Single>(20 + 40 * l + (i % 2) * 12);
            CAD8pic_mousedown(editor, 1, 0, x, y);
            CAD8pic_mouseup(editor, 1, 0, x, y);
        }
        Button3Pressed(editor);
    }
    const PolylineStore& store = editor.store;
    if (store.CadLineCount != BenchLines)
        return false;
    for (int l = 1; l <= BenchLines; ++l)
        if (store.CadLines[l].PointCount != BenchPointsPerLine)
            return false;
    return true;
}

} // namespace vrex
