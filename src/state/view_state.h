#pragma once
// World values (feet) at the canvas edges and the zoom box that moves them.

#include "state/numbers.h"

#include <string>

namespace vrex {

struct ViewState {
    Single WorldLeft = 0;
    Single WorldRight = 0;
    Single WorldTop = 0;
    Single WorldBottom = 0;
    Integer PixLeft = 0;
    Integer PixRight = 0;
    Integer PixTop = 0;
    Integer PixBottom = 0;
    Integer ZoomCenterX = 0;
    Integer ZoomCenterY = 0;
    Integer ZoomHalfWidth = 0;
    Integer ZoomHalfHeight = 0;
    std::string UnitSuffix;
    Single UnitFactor = 0;
};

} // namespace vrex
