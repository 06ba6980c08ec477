#pragma once
// Opening, growing and removing lines. None of these redraws.

namespace vrex {

struct Editor;

// Opens an empty line at the end of the table and selects it; with 43 lines
// it returns to idle with the line-limit message.
void NewLine(Editor& editor);
// Appends (MouseX, MouseY) to the line being digitised, within the 20-vertex
// and 55-vertex limits.
void AppendPoint(Editor& editor);
// Removes SelectedLine, frees its slots and closes the gap.
void DeleteSelectedLine(Editor& editor);
// Discards the line being digitised.
void CancelNewLine(Editor& editor);

inline constexpr const char* PoolFullMessage = "Too many points in the drawing --- Max allowable is 55";

} // namespace vrex
