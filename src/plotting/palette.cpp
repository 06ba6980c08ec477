#include "plotting/palette.h"

#include "state/editor.h"

namespace vrex {

void DefinePalette(Editor& editor)
{
    Palette& p = editor.palette;
    // One unit off black, so the chosen line differs from a line drawn outside select mode.
    p.ColorNearBlack = RGB(1, 1, 1);
    p.ColorSilver = RGB(192, 192, 192);
    p.ColorRed = RGB(255, 0, 0);
}

} // namespace vrex
