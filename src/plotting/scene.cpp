#include "plotting/scene.h"

#include "plotting/canvas.h"
#include "plotting/primitives.h"
#include "state/editor.h"

namespace vrex {

namespace {

// Built once, so a pass copies the shape into each entry's own buffer
// instead of making a string per marker.
const std::string& squareShape()
{
    static const std::string shape = "Square";
    return shape;
}

// Adds one to a list count; past the end of the list the count is held at the
// last entry, which the new item then replaces.
Integer nextEntry(Integer& count, int capacity)
{
    count = addInteger(count, 1);
    if (count > capacity)
        count = static_cast<Integer>(capacity);
    return count;
}

} // namespace

void BuildScene(Editor& editor)
{
    DisplayLists& lists = editor.scene;
    lists.PlotSegmentCount = 0;
    lists.PlotMarkerCount = 0;
    Long color = 0; // black unless select mode colours the lines

    const PolylineStore& store = editor.store;
    const Integer lineCount = store.CadLineCount;
    for (int l = 1; l <= lineCount; ++l) {
        if (editor.modes.SelectMode)
            color = l == store.SelectedLine ? editor.palette.ColorNearBlack : editor.palette.ColorSilver;
        AddLineSegments(editor, static_cast<Integer>(l), color, 2);

        const CadLine& line = store.CadLines[l];
        const Integer pointCount = line.PointCount;
        for (int i = 1; i <= pointCount; ++i) {
            const CadPoint& p = store.CadPoints[line.PointIds[i]];
            AddMarker(editor, p.X, p.Y, squareShape(), color, 0.5f);
        }
    }
}

void AddLineSegments(Editor& editor, Integer line, Long color, Integer drawWidth)
{
    const PolylineStore& store = editor.store;
    const CadLine& l = store.CadLines[line];
    if (l.PointCount == 1)
        return;
    DisplayLists& lists = editor.scene;
    for (int i = 1; i <= l.PointCount - 1; ++i) {
        const CadPoint& from = store.CadPoints[l.PointIds[i]];
        const CadPoint& to = store.CadPoints[l.PointIds[i + 1]];
        PlotSegment& s = lists.PlotSegments[nextEntry(lists.PlotSegmentCount, MaxPlotSegments)];
        s.X1 = from.X;
        s.Y1 = from.Y;
        s.X2 = to.X;
        s.Y2 = to.Y;
        s.Color = color;
        s.DrawWidth = drawWidth;
    }
}

void AddMarker(Editor& editor, Single x, Single y, const std::string& shape, Long color, Single size)
{
    DisplayLists& lists = editor.scene;
    PlotMarker& m = lists.PlotMarkers[nextEntry(lists.PlotMarkerCount, MaxPlotMarkers)];
    m.X = roundToInteger(x);
    m.Y = roundToInteger(y);
    m.Shape = shape;
    m.Color = color;
    m.Size = size;
    m.DrawWidth = roundToInteger(size); // 0.5 gives 0, drawn as 1
}

void DrawScene(Editor& editor)
{
    Canvas& canvas = *editor.canvas;
    DisplayLists& lists = editor.scene;
    canvas.BeginPass();
    try {
        canvas.Cls();
        for (int i = 1; i <= lists.PlotSegmentCount; ++i) {
            const PlotSegment& s = lists.PlotSegments[i];
            DrawSegment(editor, s.X1, s.Y1, s.X2, s.Y2, s.Color, s.DrawWidth);
        }
        // Markers last, so they lie on top of the segments.
        for (int i = 1; i <= lists.PlotMarkerCount; ++i) {
            PlotMarker& m = lists.PlotMarkers[i];
            DrawMarker(editor, m.Shape, m.X, m.Y, m.Color, m.Size, m.DrawWidth);
        }
    } catch (...) {
        // The real canvas must still finish its painter and show what was drawn.
        canvas.EndPass();
        throw;
    }
    canvas.EndPass();
}

} // namespace vrex
