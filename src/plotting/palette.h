#pragma once
// The colours the scene is drawn in, set once at start-up.

namespace vrex {

struct Editor;

void DefinePalette(Editor& editor);

} // namespace vrex
