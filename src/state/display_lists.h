#pragma once
// Display lists: the segments and markers of one drawing pass.

#include "state/numbers.h"
#include "state/polyline_store.h"

#include <string>

namespace vrex {

struct PlotSegment {
    Integer X1 = 0;
    Integer Y1 = 0;
    Integer X2 = 0;
    Integer Y2 = 0;
    Long Color = 0;
    Integer DrawWidth = 0;
};

struct PlotMarker {
    Integer X = 0;
    Integer Y = 0;
    std::string Shape;
    Long Color = 0;
    Single Size = 0;
    Integer DrawWidth = 0; // 0 means 1
};

inline constexpr int MaxPlotSegments = 102;
// One marker per pool slot, so every vertex keeps its marker.
inline constexpr int MaxPlotMarkers = MaxPoolPoints;

struct DisplayLists {
    FixedArray<PlotSegment, 1, MaxPlotSegments> PlotSegments;
    Integer PlotSegmentCount = 0;
    FixedArray<PlotMarker, 1, MaxPlotMarkers> PlotMarkers;
    Integer PlotMarkerCount = 0;
};

} // namespace vrex
