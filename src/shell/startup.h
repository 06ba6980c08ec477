#pragma once
// Start-up of the main window, and the two ways the program ends.

namespace vrex {

struct Editor;

// The main window's Load event: view, palette, editor state (which shows the
// windows), then the idle command state.
void StartUpSequence(Editor& editor);
void InitialiseEditorState(Editor& editor);
// "END": ends the program at once, nothing written.
void END8cbn_Click(Editor& editor);
// "Write && End" on the cross-section panel.
void End8cbn_Click(Editor& editor);

// Show order of the top-level windows at start-up.
inline constexpr const char* StartUpShowOrder[] = {"XSpick8frm", "CADmap8frm", "CADlistof8frm", "CAD8frm"};

} // namespace vrex
