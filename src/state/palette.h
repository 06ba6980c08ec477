#pragma once
// The colours the lines are drawn in.

#include "state/numbers.h"

namespace vrex {

constexpr Long RGB(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

struct Palette {
    Long ColorNearBlack = 0; // the selected line while a line is being chosen
    Long ColorSilver = 0;    // every other line then
    Long ColorRed = 0;       // kept for the zoom box drawing
};

} // namespace vrex
