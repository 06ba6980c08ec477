#pragma once
// "Zoom In Box": arming the next canvas click and applying it to the view.

#include "state/zoom_state.h"

namespace vrex {

struct Editor;

// "Zoom In Box" pressed.
void zoomInBox_8cbn_Click(Editor& editor);
// "Zoom Out x2" pressed: no behaviour.
void ZoomOut_8cbn_Click(Editor& editor);
// Left click applies the zoom box, right click disarms, any other keeps it armed.
void ApplyOrCancelZoom(Editor& editor);

} // namespace vrex
