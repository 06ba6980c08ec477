#pragma once
// Undo and Redo, and the hooks that make each edit one change of the history.
//
// The flow is this:
//  1. "Add a new line" opens a change. While the line is being added, Undo and
//     Redo take its last vertex back and put it back; a click that appends a
//     vertex forgets what could be put back.
//  2. The command reset closes the open change: a finished line is one change,
//     a cancelled one leaves the drawing as it was and so makes none.
//  3. A canvas click outside adding is bracketed: a click that picks a vertex
//     up opens a change that the drop (or the command reset) closes; anything
//     else a click alters is one change at once.
//  4. "Delete this Line" opens a change that its command reset closes.

#include "state/undo_history.h"

#include <optional>

namespace vrex {

struct Editor;

void UndoPressed(Editor& editor);
void RedoPressed(Editor& editor);

// Starts a change from the drawing as it stands; one still open is closed first.
void openChange(Editor& editor);
// Ends the open change, if any, and forgets the vertices the line being added
// could have got back.
void closeChange(Editor& editor);

// What a canvas click needs to know of the moment before it.
struct ClickChange {
    bool adding = false;
    int addingVertices = 0;
    std::optional<DrawingSnapshot> before; // when no change is open
};
ClickChange beforeClick(const Editor& editor);
void afterClick(Editor& editor, ClickChange click);

inline constexpr const char* UndoneMessage = "Undone";
inline constexpr const char* RedoneMessage = "Redone";
inline constexpr const char* NothingToUndoMessage = "Nothing to undo";
inline constexpr const char* NothingToRedoMessage = "Nothing to redo";

} // namespace vrex
