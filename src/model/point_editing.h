#pragma once
// Moving, inserting and deleting the vertices of the selected line.

#include "model/numbers.h"

namespace vrex {

struct Editor;

struct PointEditState {
    // The vertex picked up, remembered at the pick so that paced moves and the
    // drop move that vertex whatever line a later search selects.
    Integer DragLine = 0;
    Integer DragPoint = 0;
    // Set by the click that picks a vertex up, so the same click does not drop it.
    bool JustPicked = false;
};

// Step 5 of the click dispatch. Returns false when the dispatch must end here
// (no line selected): no drop step and no redraw follow.
bool PointEditStep(Editor& editor);
// Step 6 of the click dispatch.
void DropStep(Editor& editor);
void MoveSelectedPoint(Editor& editor);
void InsertPointAfterFound(Editor& editor);
void DeleteFoundPoint(Editor& editor);

} // namespace vrex
