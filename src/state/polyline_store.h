#pragma once
// The drawing: a pool of vertices shared by all lines, the line table, the
// (never filled) group table and the selection registers. Coordinates are
// canvas pixels.

#include "state/numbers.h"

#include <string>

namespace vrex {

inline constexpr Integer NoSelection = -5435;
inline constexpr int MaxPoolPoints = 55;
inline constexpr int MaxLines = 43;
inline constexpr int MaxLinePoints = 20;

struct CadPoint {
    Integer X = 0;
    Integer Y = 0;
    bool InUse = false;
};

struct CadLine {
    FixedArray<Integer, 1, MaxLinePoints> PointIds; // pool slots, drawing order; stale above PointCount
    Integer PointCount = 0;
    bool Active = false;
    Integer LineNumber = 0;
    std::string LineType = "  "; // always exactly two characters
};

struct TrendGroup {
    std::string GroupName;
    std::string GroupSuffix;
    FixedArray<Integer, 1, 11> TrendLines;
    Integer TrendCount = 0;
    Integer ExtraLine1 = 0;
    Integer ExtraLine2 = 0;
    Long GroupSpare = 0;
};

struct PolylineStore {
    FixedArray<CadPoint, 1, MaxPoolPoints> CadPoints;
    Integer CadPointHighWater = 0;
    FixedArray<CadLine, 1, MaxLines> CadLines;
    Integer CadLineCount = 0;
    FixedArray<TrendGroup, 0, 9> TrendGroups;
    Integer TrendGroupCount = 0;
    Integer CurrentGroup = 0;

    Integer SelectedLine = 0;
    Integer SelectedPoint = 0;
    Integer FoundLine = 0;
    Integer FoundPoint = 0;
};

} // namespace vrex
