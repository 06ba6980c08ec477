#include "plotting/primitives.h"

#include "plotting/canvas.h"
#include "plotting/view.h"
#include "state/editor.h"

namespace vrex {

void MoveToPoint(Editor& editor, Integer x, Integer y)
{
    Canvas& canvas = *editor.canvas;
    // No colour: the fore colour and the current pen width apply.
    if (IsInsideCanvas(canvas, x, y))
        canvas.PSet(x, y);
}

void LineToPoint(Editor& editor, Integer x, Integer y, Long color, Integer drawWidth)
{
    Canvas& canvas = *editor.canvas;
    if (!IsInsideCanvas(canvas, x, y))
        return;
    // DrawMarker sets the pen without touching the cache; when none of a
    // marker's edges was drawn the cache is stale, so the canvas is asked too.
    Integer& last = editor.drawing.LastDrawWidth;
    if (last != drawWidth || canvas.DrawWidth() != drawWidth) {
        canvas.SetDrawWidth(drawWidth);
        last = drawWidth;
    }
    canvas.LineTo(x, y, color);
}

void DrawSegment(Editor& editor, Integer x1, Integer y1, Integer x2, Integer y2, Long color, Integer drawWidth)
{
    MoveToPoint(editor, x1, y1);
    LineToPoint(editor, x2, y2, color, drawWidth);
}

void DrawMarker(Editor& editor, const std::string& shape, Integer x, Integer y, Long color, Single size,
                Integer& drawWidth)
{
    if (drawWidth == 0)
        drawWidth = 1;
    editor.canvas->SetDrawWidth(drawWidth);
    // Exact names only; the scene builder uses "Square", nothing else is drawn.
    if (shape == "SQUARE" || shape == "Square")
        DrawSquareMarker(editor, x, y, size, drawWidth, color);
}

void DrawSquareMarker(Editor& editor, Integer x, Integer y, Single size, Integer drawWidth, Long color)
{
    const DrawingState& d = editor.drawing;
    const Integer hw = roundToInteger(static_cast<double>(d.MarkerUnitX) * size);
    const Integer hh = roundToInteger(static_cast<double>(d.MarkerUnitY) * size);
    // Corners in wider arithmetic: a vertex near the Integer limit has corners
    // beyond it, which lie off the canvas and are clipped like any other.
    const int left = x - hw;
    const int right = x + hw;
    const int top = y - hh;
    const int bottom = y + hh;
    const auto fits = [](int v) { return v >= IntegerMin && v <= IntegerMax; };
    const auto moveTo = [&](int cx, int cy) {
        if (fits(cx) && fits(cy))
            MoveToPoint(editor, static_cast<Integer>(cx), static_cast<Integer>(cy));
    };
    const auto lineTo = [&](int cx, int cy) {
        if (fits(cx) && fits(cy))
            LineToPoint(editor, static_cast<Integer>(cx), static_cast<Integer>(cy), color, drawWidth);
    };

    // Top-left corner, then clockwise on the screen (rows grow downward).
    moveTo(left, top);
    lineTo(right, top);
    lineTo(right, bottom);
    lineTo(left, bottom);
    lineTo(left, top);
    // The centre point is left as the current position.
    MoveToPoint(editor, x, y);
}

} // namespace vrex
