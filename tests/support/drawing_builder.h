#pragma once
// Builds drawings through the real line operations, as clicks would.

#include "model/line_edit.h"
#include "state/editor.h"

#include <utility>
#include <vector>

namespace vrex::testing {

using Points = std::vector<std::pair<int, int>>;

inline void clickAt(Editor& editor, int x, int y, int button = 1)
{
    editor.mouse.MouseX = static_cast<Integer>(x);
    editor.mouse.MouseY = static_cast<Integer>(y);
    editor.mouse.MouseButton = static_cast<Integer>(button);
}

inline void addLine(Editor& editor, const Points& points)
{
    NewLine(editor);
    for (const auto& [x, y] : points) {
        clickAt(editor, x, y);
        AppendPoint(editor);
    }
}

// n vertices on a row, 10 pixels apart, starting at (x0, y0).
inline Points row(int n, int x0 = 10, int y0 = 10)
{
    Points points;
    for (int k = 0; k < n; ++k)
        points.emplace_back(x0 + 10 * k, y0);
    return points;
}

inline Points vertices(const Editor& editor, int line)
{
    Points points;
    const CadLine& l = editor.store.CadLines[line];
    for (int k = 1; k <= l.PointCount; ++k) {
        const CadPoint& p = editor.store.CadPoints[l.PointIds[k]];
        points.emplace_back(p.X, p.Y);
    }
    return points;
}

inline int slotsInUse(const PolylineStore& store)
{
    int n = 0;
    for (int s = 1; s <= MaxPoolPoints; ++s)
        n += store.CadPoints[s].InUse ? 1 : 0;
    return n;
}

} // namespace vrex::testing
