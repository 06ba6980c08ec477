#pragma once
// Opening, growing and removing lines. None of these redraws.

namespace vrex {

struct Editor;

enum class NewLineOutcome {
    Opened,
    TableFull, // 43 lines already: nothing changed
};

// Opens an empty line at the end of the table and selects it, unless the
// table is full.
NewLineOutcome NewLine(Editor& editor);

enum class AppendOutcome {
    Appended,
    NoOpenLine,
    LineFull, // the line has its 20 vertices
    PoolFull, // the drawing has its 55 vertices
};

// Appends (MouseX, MouseY) to the line being digitised, within the 20-vertex
// and 55-vertex limits; a refused vertex changes nothing.
AppendOutcome AppendPoint(Editor& editor);
// Removes SelectedLine, frees its slots and closes the gap.
void DeleteSelectedLine(Editor& editor);
// Discards the line being digitised.
void CancelNewLine(Editor& editor);

} // namespace vrex
