#pragma once
// The pen width last set and the size of a marker's unit.

#include "state/numbers.h"

namespace vrex {

struct DrawingState {
    Integer LastDrawWidth = 0; // pen width LineToPoint last set on the canvas
    Single MarkerScale = 0;
    Single MarkerUnitX = 0; // pixels per unit of marker size
    Single MarkerUnitY = 0;
};

} // namespace vrex
