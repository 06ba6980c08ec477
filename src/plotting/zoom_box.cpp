#include "plotting/zoom_box.h"

#include "plotting/view.h"
#include "state/editor.h"

namespace vrex {

void zoomInBox_8cbn_Click(Editor& editor)
{
    editor.zoom.ZoomArmed = true;
    editor.zoom.ZoomBoxVisible = false;
}

void ZoomOut_8cbn_Click(Editor&) {}

void ApplyOrCancelZoom(Editor& editor)
{
    ZoomState& z = editor.zoom;
    if (!z.ZoomArmed)
        return;
    switch (editor.mouse.MouseButton) {
    case 1:
        // The edges grow with every zoom until they leave the Integer range;
        // then the view stays as it is and the user is told.
        if (!RecomputeView(editor))
            editor.controls.UserMustSee = "Cannot zoom in any further";
        z.ZoomArmed = false;
        z.ZoomBoxVisible = false;
        break;
    case 2:
        z.ZoomArmed = false;
        z.ZoomBoxVisible = false;
        break;
    default: break; // still armed for the next click
    }
}

} // namespace vrex
