#pragma once
// Picking a line by clicking inside its box, and the vertex nearest a click.

#include "model/numbers.h"

namespace vrex {

struct Editor;
struct PolylineStore;

struct LineSearchState {
    // Position in the candidate list the last successful search selected;
    // never reset, so the cycle carries over to clicks elsewhere.
    Integer CandidateCycle = 0;
};

struct Vertex {
    Integer X = 0;
    Integer Y = 0;
};

Vertex GetVertex(const PolylineStore& store, Integer line, Integer position);
// Strictly inside the line's vertex bounding box.
bool LineBoxContainsMouse(const Editor& editor, Integer line);
void FindCandidateLine(Editor& editor);
// Writes NearestIsSegment, FoundLine and FoundPoint. lineFilter NoSelection means all lines.
void FindNearestVertex(Editor& editor, Integer lineFilter, bool insertFlag);

} // namespace vrex
