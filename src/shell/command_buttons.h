#pragma once
// The five command buttons and the edit modes they switch.

namespace vrex {

struct Editor;

void Button1Pressed(Editor& editor);
void Button2Pressed(Editor& editor);
void Button3Pressed(Editor& editor);
void Button4Pressed(Editor& editor);
void CancelPressed(Editor& editor);

// The one way back to idle. It also ends point editing and a drag, so that no
// later click edits the last selected line.
void ResetCommandState(Editor& editor);
void BeginAddingLine(Editor& editor);
void BeginSelectingLine(Editor& editor);
void OfferEditOrDelete(Editor& editor);
void BeginPointEditing(Editor& editor);
void FinishAddingLine(Editor& editor);
void FinishDeletingLine(Editor& editor);

} // namespace vrex
