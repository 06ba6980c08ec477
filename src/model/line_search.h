#pragma once
// Picking a line by clicking inside its box, and the vertex nearest a click.

#include "state/line_search_state.h"

namespace vrex {

struct Editor;
struct MouseRegisters;
struct PolylineStore;

struct Vertex {
    Integer X = 0;
    Integer Y = 0;
};

Vertex GetVertex(const PolylineStore& store, Integer line, Integer position);
// Strictly inside the line's vertex bounding box.
bool LineBoxContainsMouse(const PolylineStore& store, const MouseRegisters& mouse, Integer line);
// In select mode, selects the next line whose box holds the click and sets
// CandidateFound; outside it, changes nothing.
void FindCandidateLine(Editor& editor);
// Writes NearestIsSegment, FoundLine and FoundPoint. lineFilter NoSelection means all lines.
void FindNearestVertex(Editor& editor, Integer lineFilter, bool insertFlag);

} // namespace vrex
