#pragma once
// Reads an export file back into its lines and vertices, and compares them
// with the store, so a test can check what the file says, not how it is spelt.

#include "state/polyline_store.h"

#include <string>
#include <vector>

namespace vrex::testing {

struct ExportedLine {
    int number = 0;
    int declaredPoints = 0;
    struct Point {
        int x;
        int y;
        std::string type;
    };
    std::vector<Point> points;
};

struct ExportedDrawing {
    int declaredLines = 0;
    std::vector<ExportedLine> lines;
};

// Reads the whole file back; returns what is malformed, or "".
std::string readExport(const std::string& text, ExportedDrawing& out);

// Whether the file says exactly what the store holds; returns the difference, or "".
std::string compareWithStore(const ExportedDrawing& file, const PolylineStore& store);

} // namespace vrex::testing
