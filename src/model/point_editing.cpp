#include "model/point_editing.h"

#include "model/line_edit.h"
#include "model/line_search.h"
#include "model/polyline_store.h"
#include "state/editor.h"

namespace vrex {

namespace {

bool namesVertex(const PolylineStore& store, Integer line, Integer position)
{
    return line >= 1 && line <= store.CadLineCount && position >= 1 && position <= store.CadLines[line].PointCount;
}

} // namespace

PointEditOutcome PointEditStep(Editor& editor)
{
    PolylineStore& store = editor.store;
    ModeFlags& modes = editor.modes;
    modes.PointEditing = false;
    if (store.SelectedLine == NoSelection)
        return PointEditOutcome::NoLineSelected;

    FindNearestVertex(editor, store.SelectedLine, modes.InsertAllowed);
    const Integer button = editor.mouse.MouseButton;

    if (!namesVertex(store, store.FoundLine, store.FoundPoint)) {
        // The selected line has no vertex to pick or delete; keep waiting.
        modes.PointEditing = (button == 1 || button == 2);
        return PointEditOutcome::Edited;
    }

    PointEditOutcome outcome = PointEditOutcome::Edited;
    if (button == 1) {
        store.SelectedLine = store.FoundLine;
        store.SelectedPoint = store.FoundPoint;
        if (modes.InsertAllowed && modes.NearestIsSegment && InsertPointAfterFound(editor) == InsertOutcome::PoolFull)
            outcome = PointEditOutcome::PoolFull;
        modes.DraggingPoint = true;
        editor.pointEdit.DragLine = store.SelectedLine;
        editor.pointEdit.DragPoint = store.SelectedPoint;
        editor.pointEdit.JustPicked = true;
    } else if (button == 2) {
        DeleteFoundPoint(editor);
        modes.PointEditing = true;
    }
    return outcome;
}

void DropStep(Editor& editor)
{
    PointEditState& drag = editor.pointEdit;
    if (drag.JustPicked) {
        drag.JustPicked = false;
        return;
    }
    if (!editor.modes.DraggingPoint)
        return;
    editor.modes.DraggingPoint = false;
    editor.modes.PointEditing = true;
    MoveSelectedPoint(editor);
    drag.DragLine = 0;
    drag.DragPoint = 0;
}

void MoveSelectedPoint(Editor& editor)
{
    PolylineStore& store = editor.store;
    const PointEditState& drag = editor.pointEdit;
    // Entries above PointCount are stale and may name another line's slot.
    if (!namesVertex(store, drag.DragLine, drag.DragPoint))
        return;
    CadPoint& point = store.CadPoints[store.CadLines[drag.DragLine].PointIds[drag.DragPoint]];
    point.X = editor.mouse.MouseX;
    point.Y = editor.mouse.MouseY;
}

InsertOutcome InsertPointAfterFound(Editor& editor)
{
    PolylineStore& store = editor.store;
    const Integer f = store.FoundLine;
    const Integer p = store.FoundPoint;
    // Only a segment p..p+1 of an existing line can take a vertex.
    if (!namesVertex(store, f, p) || p >= store.CadLines[f].PointCount)
        return InsertOutcome::Refused;
    CadLine& line = store.CadLines[f];
    const Integer old = line.PointCount;
    if (old >= MaxLinePoints)
        return InsertOutcome::Refused; // silently; the click picks vertex p
    Integer slot = 0;
    if (!AllocatePoint(store, slot))
        return InsertOutcome::PoolFull;
    for (int k = old; k >= p + 1; --k)
        line.PointIds[k + 1] = line.PointIds[k];
    line.PointIds[p + 1] = slot;
    line.PointCount = addInteger(old, 1);
    CadPoint& point = store.CadPoints[slot];
    point.X = editor.mouse.MouseX;
    point.Y = editor.mouse.MouseY;
    point.InUse = true;
    store.FoundPoint = addInteger(p, 1);
    store.SelectedPoint = store.FoundPoint;
    return InsertOutcome::Inserted;
}

void DeleteFoundPoint(Editor& editor)
{
    PolylineStore& store = editor.store;
    const Integer f = store.FoundLine;
    const Integer p = store.FoundPoint;
    if (!namesVertex(store, f, p))
        return;
    CadLine& line = store.CadLines[f];
    if (line.PointCount == 1) {
        store.SelectedLine = f;
        DeleteSelectedLine(editor);
        return;
    }
    ReleasePoint(store, line.PointIds[p]);
    for (int k = p + 1; k <= line.PointCount; ++k)
        line.PointIds[k - 1] = line.PointIds[k];
    line.PointCount = subInteger(line.PointCount, 1);

    // Editing can be turned on again during a drag; the remembered vertex
    // must keep naming the vertex picked up, or be forgotten with it.
    PointEditState& drag = editor.pointEdit;
    if (drag.DragLine == f) {
        if (drag.DragPoint == p) {
            drag.DragLine = 0;
            drag.DragPoint = 0;
        } else if (drag.DragPoint > p) {
            drag.DragPoint = subInteger(drag.DragPoint, 1);
        }
    }
}

} // namespace vrex
