#pragma once
// The edit mode, held as flags; see command_buttons.h for the transitions.

namespace vrex {

struct ModeFlags {
    bool ReadyForCommand = false;
    bool AddingLine = false;
    bool SelectingLine = false;
    bool SelectMode = false;
    bool AllLinesCandidates = false;
    bool LineChosen = false;
    bool EditOrDeletePending = false;
    bool PointEditing = false;
    bool DraggingPoint = false;
    bool InsertAllowed = false;
    // results of the last searches
    bool CandidateFound = false;
    bool NearestIsSegment = false;

    bool operator==(const ModeFlags&) const = default;
};

} // namespace vrex
