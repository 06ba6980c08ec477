#include "shell/undo_commands.h"

#include "model/line_edit.h"
#include "model/polyline_store.h"
#include "shell/command_buttons.h"
#include "shell/mouse_input.h"
#include "state/editor.h"

#include <utility>

namespace vrex {

namespace {

// The line being added is always the last one.
CadLine* lineBeingAdded(Editor& editor)
{
    PolylineStore& store = editor.store;
    if (!editor.modes.AddingLine || store.CadLineCount < 1)
        return nullptr;
    return &store.CadLines[store.CadLineCount];
}

bool takeBackLastVertex(Editor& editor)
{
    CadLine* line = lineBeingAdded(editor);
    if (!line || line->PointCount < 1)
        return false;
    PolylineStore& store = editor.store;
    const Integer slot = line->PointIds[line->PointCount];
    editor.history.pushUndoneVertex(store.CadPoints[slot]);
    ReleasePoint(store, slot);
    line->PointCount = subInteger(line->PointCount, 1);
    return true;
}

bool putBackVertex(Editor& editor)
{
    CadLine* line = lineBeingAdded(editor);
    if (!line)
        return false;
    const std::optional<CadPoint> vertex = editor.history.popUndoneVertex();
    if (!vertex)
        return false;
    // A vertex taken back freed its slot and no append came since, so both
    // limits have room; should they not, the vertex waits.
    if (AppendVertex(editor.store, vertex->X, vertex->Y) != AppendOutcome::Appended) {
        editor.history.pushUndoneVertex(*vertex);
        return false;
    }
    return true;
}

// Point editing goes on after a step, waiting for the next pick.
void endAnyDrag(Editor& editor)
{
    editor.modes.DraggingPoint = false;
    editor.modes.PointEditing = true;
    editor.pointEdit = {};
}

// Undo or Redo while a line is being added: one vertex taken back or put back.
void stepVertex(Editor& editor, bool (*step)(Editor&), const char* done, const char* nothing)
{
    if (!step(editor)) {
        editor.controls.ConcludingInfo = nothing;
        return;
    }
    editor.controls.ConcludingInfo = done;
    RedrawAfterClick(editor);
}

void finishStep(Editor& editor, bool pointEditing, const char* message)
{
    if (pointEditing)
        endAnyDrag(editor);
    else
        ResetCommandState(editor);
    editor.controls.ConcludingInfo = message;
    RedrawAfterClick(editor);
}

} // namespace

void UndoPressed(Editor& editor)
{
    ModeFlags& m = editor.modes;
    UndoHistory& history = editor.history;
    if (m.AddingLine) {
        stepVertex(editor, &takeBackLastVertex, UndoneMessage, NothingToUndoMessage);
        return;
    }
    const bool pointEditing = m.PointEditing || m.DraggingPoint;
    if (history.changeOpen()) {
        // A drag: the vertex goes back where it was picked up, an inserted one away.
        restoreSnapshot(editor.store, history.openStart());
        history.dropChange();
    } else if (!history.undo(editor.store)) {
        editor.controls.ConcludingInfo = NothingToUndoMessage;
        return;
    }
    finishStep(editor, pointEditing, UndoneMessage);
}

void RedoPressed(Editor& editor)
{
    ModeFlags& m = editor.modes;
    if (m.AddingLine) {
        stepVertex(editor, &putBackVertex, RedoneMessage, NothingToRedoMessage);
        return;
    }
    // The pick forgot what could be redone, so a drag goes on untouched.
    if (editor.history.changeOpen() || !editor.history.redo(editor.store)) {
        editor.controls.ConcludingInfo = NothingToRedoMessage;
        return;
    }
    finishStep(editor, m.PointEditing || m.DraggingPoint, RedoneMessage);
}

void openChange(Editor& editor)
{
    closeChange(editor);
    editor.history.openChange(takeSnapshot(editor.store));
}

void closeChange(Editor& editor)
{
    editor.history.forgetUndoneVertices();
    editor.history.closeChange(editor.store);
}

ClickChange beforeClick(const Editor& editor)
{
    ClickChange click;
    const PolylineStore& store = editor.store;
    if (editor.modes.AddingLine) {
        click.adding = true;
        if (store.CadLineCount >= 1)
            click.addingVertices = store.CadLines[store.CadLineCount].PointCount;
    } else if (!editor.history.changeOpen()) {
        click.before = takeSnapshot(store);
    }
    return click;
}

void afterClick(Editor& editor, ClickChange click)
{
    UndoHistory& history = editor.history;
    const PolylineStore& store = editor.store;
    if (click.adding) {
        if (store.CadLineCount >= 1 && store.CadLines[store.CadLineCount].PointCount > click.addingVertices)
            history.forgetUndoneVertices();
        return;
    }
    if (!click.before) {
        // A drag was going on: its drop ends the change.
        if (!editor.modes.DraggingPoint)
            history.closeChange(store);
        return;
    }
    if (editor.modes.DraggingPoint) {
        history.openChange(std::move(*click.before));
        history.forgetRedo();
        return;
    }
    history.record(std::move(*click.before), store);
}

} // namespace vrex
