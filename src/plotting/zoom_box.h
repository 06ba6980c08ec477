#pragma once

namespace vrex {

struct Editor;

struct ZoomState {
    bool ZoomArmed = false;      // the next canvas click is a zoom click
    bool ZoomBoxVisible = false; // the box is never shown; nothing sets this
};

// "Zoom In Box" pressed.
void zoomInBox_8cbn_Click(Editor& editor);
// "Zoom Out x2" pressed: no behaviour.
void ZoomOut_8cbn_Click(Editor& editor);
// Left click applies the zoom box, right click disarms, any other keeps it armed.
void ApplyOrCancelZoom(Editor& editor);

} // namespace vrex
