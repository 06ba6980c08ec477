#include "model/line_edit.h"

#include "model/polyline_store.h"
#include "state/editor.h"

namespace vrex {

NewLineOutcome NewLine(Editor& editor)
{
    PolylineStore& store = editor.store;
    if (store.CadLineCount >= MaxLines)
        return NewLineOutcome::TableFull;
    store.CadLineCount = addInteger(store.CadLineCount, 1);
    const Integer n = store.CadLineCount;
    CadLine& line = store.CadLines[n];
    line.LineNumber = n;
    line.Active = true;
    line.PointCount = 0;
    line.LineType = "UN";
    store.SelectedLine = n;
    return NewLineOutcome::Opened;
}

AppendOutcome AppendPoint(Editor& editor)
{
    return AppendVertex(editor.store, editor.mouse.MouseX, editor.mouse.MouseY);
}

AppendOutcome AppendVertex(PolylineStore& store, Integer x, Integer y)
{
    if (store.CadLineCount < 1)
        return AppendOutcome::NoOpenLine;
    CadLine& line = store.CadLines[store.CadLineCount];
    if (line.PointCount >= MaxLinePoints)
        return AppendOutcome::LineFull;
    Integer slot = 0;
    if (!AllocatePoint(store, slot))
        return AppendOutcome::PoolFull;
    line.PointCount = addInteger(line.PointCount, 1);
    line.PointIds[line.PointCount] = slot;
    CadPoint& point = store.CadPoints[slot];
    point.X = x;
    point.Y = y;
    point.InUse = true;
    return AppendOutcome::Appended;
}

void DeleteSelectedLine(Editor& editor)
{
    PolylineStore& store = editor.store;
    if (store.CadLineCount < 1) {
        store.CadLineCount = 0;
        return;
    }
    const Integer s = store.SelectedLine;
    const Integer n = store.CadLineCount;
    // A register naming no line of the drawing (NoSelection, 0, a stale
    // number) must not release another line's slots.
    if (s < 1 || s > n)
        return;

    CadLine& doomed = store.CadLines[s];
    doomed.Active = false;
    for (int k = 1; k <= doomed.PointCount; ++k)
        ReleasePoint(store, doomed.PointIds[k]);

    for (int j = s + 1; j <= n; ++j) {
        const CadLine& from = store.CadLines[j];
        CadLine& to = store.CadLines[j - 1];
        to.PointCount = from.PointCount;
        for (int k = 1; k <= from.PointCount; ++k)
            to.PointIds[k] = from.PointIds[k];
    }
    store.CadLineCount = subInteger(n, 1);
    store.SelectedLine = NoSelection;
    store.SelectedPoint = NoSelection;

    // A remembered drag vertex follows its line down, or goes with it.
    PointEditState& drag = editor.pointEdit;
    if (drag.DragLine == s) {
        drag.DragLine = 0;
        drag.DragPoint = 0;
    } else if (drag.DragLine > s) {
        drag.DragLine = subInteger(drag.DragLine, 1);
    }
}

void CancelNewLine(Editor& editor)
{
    if (editor.store.SelectedLine == NoSelection)
        return;
    editor.store.SelectedLine = editor.store.CadLineCount;
    DeleteSelectedLine(editor);
}

} // namespace vrex
