#include "shell/command_buttons.h"

#include "model/line_edit.h"
#include "shell/limit_messages.h"
#include "shell/mouse_input.h"
#include "shell/undo_commands.h"
#include "state/editor.h"

namespace vrex {

namespace {

void setButton(ButtonState& button, bool enabled) { button.Enabled = enabled; }

void setButton(ButtonState& button, bool enabled, const char* caption)
{
    button.Enabled = enabled;
    button.Caption = caption;
}

} // namespace

void ResetCommandState(Editor& editor)
{
    // A finished line or a drag cut short is one change; a cancelled line left nothing to keep.
    closeChange(editor);
    ModeFlags& m = editor.modes;
    ClearResultFlags(editor);
    m.ReadyForCommand = true;
    m.EditOrDeletePending = false;
    m.SelectingLine = false;
    m.AddingLine = false;
    m.SelectMode = false;
    m.LineChosen = false;
    // Ending point editing and any drag here keeps a later click in another
    // mode from editing the last selected line.
    m.PointEditing = false;
    m.DraggingPoint = false;
    editor.pointEdit = {};

    ControlState& c = editor.controls;
    c.UserMustSee = "waiting for your next activity";
    setButton(c.Button1, true, "Add a new line");
    if (editor.store.CadLineCount >= 1)
        setButton(c.Button2, true, "Modify a Line");
    else
        setButton(c.Button2, false);
    setButton(c.Button3, false);
    setButton(c.Button4, false);
    setButton(c.Cancel, false);
}

void BeginAddingLine(Editor& editor)
{
    editor.modes.AddingLine = true;
    ControlState& c = editor.controls;
    c.UserMustSee = std::string("Generating a new Line - ") + "click to add line points --> " +
                    "To finalize push 'Done adding Line`";
    setButton(c.Button1, false);
    setButton(c.Button2, false);
    setButton(c.Button3, true, "Done adding Line");
    setButton(c.Button4, false);
    setButton(c.Cancel, true);
}

void BeginSelectingLine(Editor& editor)
{
    editor.modes.SelectingLine = true;
    editor.modes.SelectMode = true;
    editor.modes.AllLinesCandidates = true;
    ControlState& c = editor.controls;
    c.UserMustSee =
        std::string("Click repeatedly in line area to find Line --> ") + "to finalize push `Select This line` button";
    setButton(c.Button1, false);
    setButton(c.Button2, false, "Select This Line");
    setButton(c.Button3, false);
    setButton(c.Button4, false);
    setButton(c.Cancel, true);
}

void OfferEditOrDelete(Editor& editor)
{
    editor.modes.EditOrDeletePending = true;
    ControlState& c = editor.controls;
    c.UserMustSee = std::string("Push `Edit a Point` button ") + "  OR  `Delete this Line` button";
    setButton(c.Button1, false);
    setButton(c.Button2, false);
    setButton(c.Button3, true, "Edit a line point");
    setButton(c.Button4, true, "Delete this Line");
    setButton(c.Cancel, true);
}

void BeginPointEditing(Editor& editor)
{
    editor.modes.PointEditing = true;
    editor.modes.InsertAllowed = true;
    ControlState& c = editor.controls;
    c.UserMustSee = std::string("Move Pt: LEFT_CLICK, release, move, reclick ---- ") +
                    "New Pt: LEFT_CLICK Between pts ---- " + "Delete Pt: RIGHT_CLICK ----- and  `done`";
    setButton(c.Button1, false);
    setButton(c.Button2, false);
    setButton(c.Button3, true, "Done point editing");
    setButton(c.Button4, false);
    setButton(c.Cancel, true);
}

void FinishAddingLine(Editor& editor)
{
    ResetCommandState(editor);
    editor.controls.ConcludingInfo = std::string("Action completed...") + " Done with creating a new Line";
}

void FinishDeletingLine(Editor& editor)
{
    ResetCommandState(editor);
    editor.controls.UserMustSee = "Done Deleting a Line";
}

void Button1Pressed(Editor& editor)
{
    if (!editor.modes.ReadyForCommand)
        return;
    editor.modes.ReadyForCommand = false;
    openChange(editor);
    BeginAddingLine(editor);
    if (NewLine(editor) == NewLineOutcome::TableFull) {
        ResetCommandState(editor);
        editor.controls.UserMustSee = LineTableFullMessage;
    }
}

void Button2Pressed(Editor& editor)
{
    if (editor.modes.ReadyForCommand) {
        editor.modes.ReadyForCommand = false;
        BeginSelectingLine(editor);
    }
    if (editor.modes.LineChosen)
        OfferEditOrDelete(editor);
}

void Button3Pressed(Editor& editor)
{
    ModeFlags& m = editor.modes;
    if (m.AddingLine)
        FinishAddingLine(editor);
    if (m.EditOrDeletePending) {
        m.EditOrDeletePending = false;
        BeginPointEditing(editor);
    } else if (m.PointEditing) {
        m.PointEditing = false;
        ResetCommandState(editor);
        editor.controls.UserMustSee = "Done with Pointing Editing";
    }
}

void Button4Pressed(Editor& editor)
{
    if (!editor.modes.EditOrDeletePending)
        return;
    openChange(editor); // closed by the command reset below
    DeleteSelectedLine(editor);
    RedrawAfterClick(editor); // still with the selecting flags set
    FinishDeletingLine(editor);
}

void CancelPressed(Editor& editor)
{
    if (editor.modes.AddingLine)
        CancelNewLine(editor);
    ResetCommandState(editor);
}

} // namespace vrex
