#include "model/line_search.h"

#include "state/editor.h"

#include <algorithm>
#include <climits>

namespace vrex {

Vertex GetVertex(const PolylineStore& store, Integer line, Integer position)
{
    const CadPoint& point = store.CadPoints[store.CadLines[line].PointIds[position]];
    return {point.X, point.Y};
}

bool LineBoxContainsMouse(const PolylineStore& store, const MouseRegisters& mouse, Integer line)
{
    // Start outside the Integer range, so a vertex at an extreme pixel still
    // narrows the box and a line without vertices never contains anything.
    int minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
    const Integer count = store.CadLines[line].PointCount;
    for (Integer k = 1; k <= count; ++k) {
        const Vertex v = GetVertex(store, line, k);
        minX = std::min<int>(minX, v.X);
        maxX = std::max<int>(maxX, v.X);
        minY = std::min<int>(minY, v.Y);
        maxY = std::max<int>(maxY, v.Y);
    }
    const int x = mouse.MouseX;
    const int y = mouse.MouseY;
    return minX < x && x < maxX && minY < y && y < maxY;
}

void FindCandidateLine(Editor& editor)
{
    if (!editor.modes.SelectMode)
        return;
    editor.modes.CandidateFound = false;

    FixedArray<Integer, 1, 88> candidates;
    Integer candidateCount = 0;
    const Integer lineCount = editor.store.CadLineCount;
    for (Integer line = 1; line <= lineCount; ++line) {
        if (editor.modes.AllLinesCandidates && LineBoxContainsMouse(editor.store, editor.mouse, line)) {
            candidateCount = addInteger(candidateCount, 1);
            candidates[candidateCount] = line;
        }
    }

    if (candidateCount >= 1) {
        Integer& cycle = editor.search.CandidateCycle;
        cycle = addInteger(cycle, 1);
        if (cycle > candidateCount)
            cycle = 1;
        editor.modes.CandidateFound = true;
        editor.store.SelectedLine = candidates[cycle];
    } else {
        editor.modes.CandidateFound = false;
        editor.store.SelectedLine = NoSelection;
    }
}

void FindNearestVertex(Editor& editor, Integer lineFilter, bool insertFlag)
{
    PolylineStore& store = editor.store;
    const long long mouseX = editor.mouse.MouseX;
    const long long mouseY = editor.mouse.MouseY;
    const auto squared = [](long long v) { return v * v; };

    long long best = 1000000000;
    store.FoundPoint = NoSelection;
    editor.modes.NearestIsSegment = false;

    for (Integer i = 1; i <= store.CadLineCount; ++i) {
        if (lineFilter != NoSelection && i != lineFilter)
            continue;
        const Integer count = store.CadLines[i].PointCount;
        for (Integer j = 1; j <= count; ++j) {
            const Vertex v = GetVertex(store, i, j);
            const long long d = squared(mouseX - v.X) + squared(mouseY - v.Y);
            // Only a strictly smaller distance wins: ties go to the earlier candidate.
            if (d < best) {
                best = d;
                store.FoundLine = i;
                store.FoundPoint = j;
                editor.modes.NearestIsSegment = false;
            }
            if (insertFlag && j < count) {
                const Vertex w = GetVertex(store, i, static_cast<Integer>(j + 1));
                const Single midX = static_cast<Single>(v.X + (w.X - v.X) / 2.0);
                const Single midY = static_cast<Single>(v.Y + (w.Y - v.Y) / 2.0);
                const long long ex = roundToInteger(static_cast<double>(mouseX) - midX);
                const long long ey = roundToInteger(static_cast<double>(mouseY) - midY);
                const long long d2 = squared(ex) + squared(ey);
                if (d2 < best) {
                    best = d2;
                    store.FoundLine = i;
                    store.FoundPoint = j; // the segment's first vertex
                    editor.modes.NearestIsSegment = true;
                }
            }
        }
    }
}

} // namespace vrex
