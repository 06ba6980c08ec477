#include "shell/mouse_input.h"

#include "model/line_edit.h"
#include "model/line_search.h"
#include "model/point_editing.h"
#include "plotting/scene.h"
#include "plotting/zoom_box.h"
#include "shell/limit_messages.h"
#include "shell/undo_commands.h"
#include "state/editor.h"

#include <utility>

namespace vrex {

namespace {

constexpr const char* StateMove = "MOVE";
constexpr const char* StateDown = "DOWN";
constexpr const char* SurfaceCanvas = "PIC";
constexpr const char* SurfaceWindow = "FORM";

void recordPointer(MouseRegisters& mouse, Single x, Single y)
{
    mouse.MouseX = roundToInteger(x);
    mouse.MouseY = roundToInteger(y);
}

} // namespace

void ClearResultFlags(Editor& editor)
{
    editor.modes.CandidateFound = false;
    editor.modes.NearestIsSegment = false;
}

void RedrawAfterClick(Editor& editor)
{
    BuildScene(editor);
    DrawScene(editor);
}

void CAD8pic_mousemove(Editor& editor, Integer Botton8iint, Integer /*shift8iint*/, Single MouseX8isng,
                       Single MouseY8isng)
{
    MouseRegisters& mouse = editor.mouse;
    mouse.MouseState = StateMove;
    recordPointer(mouse, MouseX8isng, MouseY8isng);
    mouse.MouseButton = Botton8iint;
    mouse.MouseSurface = SurfaceCanvas;
    editor.controls.ConcludingInfo = "  Move ";
    PacedMouseUpdate(editor);
}

void CAD8pic_mousedown(Editor& editor, Integer Botton8iint, Integer /*shift8iint*/, Single MouseX8isng,
                       Single MouseY8isng)
{
    MouseRegisters& mouse = editor.mouse;
    recordPointer(mouse, MouseX8isng, MouseY8isng);
    mouse.MouseButton = Botton8iint;
    // A press while another is still unanswered (no move or release since) is ignored.
    if (mouse.MouseState != StateMove)
        return;
    editor.controls.ConcludingInfo = "       down   wasMove";
    mouse.MouseState = StateDown;
    ClickChange change = beforeClick(editor);
    DispatchCanvasClick(editor);
    afterClick(editor, std::move(change));
}

void CAD8pic_mouseup(Editor& editor, Integer /*Botton8iint*/, Integer /*shift8iint*/, Single MouseX8isng,
                     Single MouseY8isng)
{
    MouseRegisters& mouse = editor.mouse;
    // First, so that a position that cannot be recorded still ends the press:
    // otherwise every later press would be ignored.
    mouse.MouseState = StateMove;
    recordPointer(mouse, MouseX8isng, MouseY8isng);
    editor.controls.ConcludingInfo = "   UP ";
}

void Form_MouseMove(Editor& editor, Integer Botton8iint, Integer /*Shift*/, Single MouseX8isng, Single MouseY8isng)
{
    MouseRegisters& mouse = editor.mouse;
    recordPointer(mouse, MouseX8isng, MouseY8isng);
    mouse.MouseButton = Botton8iint;
    // Only a move that changes both coordinates counts, so a path along a row
    // or a column of the window does nothing.
    if (mouse.MouseX == mouse.LastFormMouseX || mouse.MouseY == mouse.LastFormMouseY)
        return;
    mouse.LastFormMouseX = mouse.MouseX;
    mouse.LastFormMouseY = mouse.MouseY;
    if (mouse.MouseSurface != SurfaceCanvas)
        return;
    mouse.MouseSurface = SurfaceWindow;
    mouse.MouseState = StateMove;
    PacedMouseUpdate(editor);
    editor.controls.ConcludingInfo = "---off--";
}

void PacedMouseUpdate(Editor& editor)
{
    ClearResultFlags(editor);
    MouseRegisters& mouse = editor.mouse;
    const auto now = static_cast<Single>(editor.services.timeOfDay());
    const auto nextAllowed = static_cast<Single>(static_cast<double>(mouse.LastRedrawTime) + RedrawInterval);
    // A clock behind the last update has passed midnight: let the move through
    // rather than freeze the canvas until the clock catches up.
    const bool clockWentBack = now < mouse.LastRedrawTime;
    if (!clockWentBack && !(nextAllowed < now))
        return;
    mouse.LastRedrawTime = now;
    // The pointer over the window surface is in window pixels: a dragged
    // vertex only follows it over the canvas.
    if (editor.modes.DraggingPoint && mouse.MouseSurface == SurfaceCanvas)
        MoveSelectedPoint(editor);
    BuildScene(editor);
    DrawScene(editor);
}

void DispatchCanvasClick(Editor& editor)
{
    ModeFlags& m = editor.modes;
    ControlState& c = editor.controls;
    ClearResultFlags(editor);
    if (editor.zoom.ZoomArmed)
        ApplyOrCancelZoom(editor);
    if (m.AddingLine) {
        const AppendOutcome appended = AppendPoint(editor);
        if (appended == AppendOutcome::LineFull)
            c.UserMustSee = LineFullMessage;
        else if (appended == AppendOutcome::PoolFull)
            c.UserMustSee = PoolFullMessage;
    }
    if (m.SelectingLine) {
        // A search starts with no candidate, so a fault in it leaves the button off.
        if (m.SelectMode) {
            c.Button2.Enabled = false;
            c.Button2.Caption = " -- --- --";
        }
        FindCandidateLine(editor);
        m.EditOrDeletePending = false;
        if (m.CandidateFound) {
            m.LineChosen = true;
            c.Button2.Enabled = true;
            c.Button2.Caption = "Select this Line";
        } else {
            editor.store.SelectedLine = NoSelection;
            c.Button2.Enabled = false;
            c.Button3.Enabled = false;
            c.Button4.Enabled = false;
            c.Cancel.Enabled = true;
        }
    }
    if (m.PointEditing) {
        const PointEditOutcome edited = PointEditStep(editor);
        if (edited == PointEditOutcome::NoLineSelected)
            return; // no line to edit: no drop and no redraw
        if (edited == PointEditOutcome::PoolFull)
            c.UserMustSee = PoolFullMessage;
    }
    DropStep(editor);
    RedrawAfterClick(editor);
}

} // namespace vrex
