#pragma once
// Moving, inserting and deleting the vertices of the selected line.

#include "state/point_edit_state.h"

namespace vrex {

struct Editor;

enum class PointEditOutcome {
    NoLineSelected, // the dispatch ends here: no drop step and no redraw follow
    Edited,
    PoolFull, // a vertex to insert found no free slot; the click picked one up instead
};

// Step 5 of the click dispatch.
PointEditOutcome PointEditStep(Editor& editor);
// Step 6 of the click dispatch.
void DropStep(Editor& editor);
void MoveSelectedPoint(Editor& editor);

enum class InsertOutcome {
    Inserted,
    Refused, // no segment there, or the line has its 20 vertices
    PoolFull,
};

InsertOutcome InsertPointAfterFound(Editor& editor);
void DeleteFoundPoint(Editor& editor);

} // namespace vrex
