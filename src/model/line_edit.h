#pragma once
// Opening, growing and removing lines. None of these redraws.

#include "state/numbers.h"

namespace vrex {

struct Editor;
struct PolylineStore;

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
// The same for a vertex at (x, y): the last line of the table is the one
// being digitised.
AppendOutcome AppendVertex(PolylineStore& store, Integer x, Integer y);
// Removes SelectedLine, frees its slots and closes the gap.
void DeleteSelectedLine(Editor& editor);
// Discards the line being digitised.
void CancelNewLine(Editor& editor);

} // namespace vrex
