#pragma once
// Clipped move-to and line-to on the canvas's current position, segments and
// markers. Clipping is by single points: an off-canvas target does nothing.

#include "state/drawing_state.h"

#include <string>

namespace vrex {

struct Editor;

void MoveToPoint(Editor& editor, Integer x, Integer y);
void LineToPoint(Editor& editor, Integer x, Integer y, Long color, Integer drawWidth);
void DrawSegment(Editor& editor, Integer x1, Integer y1, Integer x2, Integer y2, Long color, Integer drawWidth);
void DrawMarker(Editor& editor, const std::string& shape, Integer x, Integer y, Long color, Single size,
                Integer& drawWidth);
void DrawSquareMarker(Editor& editor, Integer x, Integer y, Single size, Integer drawWidth, Long color);

} // namespace vrex
