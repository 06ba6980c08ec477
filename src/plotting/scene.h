#pragma once
// Display lists rebuilt from the store on every pass, then drawn whole.

#include "state/display_lists.h"

#include <string>

namespace vrex {

struct Editor;

void BuildScene(Editor& editor);
void AddLineSegments(Editor& editor, Integer line, Long color, Integer drawWidth);
void AddMarker(Editor& editor, Single x, Single y, const std::string& shape, Long color, Single size);
void DrawScene(Editor& editor);

} // namespace vrex
