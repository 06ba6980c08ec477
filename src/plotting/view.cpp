#include "plotting/view.h"

#include "plotting/canvas.h"
#include "state/editor.h"

#include <charconv>
#include <cmath>

namespace vrex {

namespace {

// A range or extent that is not positive falls back to 20, so no division by zero.
Integer positiveOr20(Integer v) { return v <= 0 ? Integer{20} : v; }

struct Edges {
    Single left;
    Single right;
    Single top;
    Single bottom;
};

// The four new edges, or a RuntimeFault once an edge no longer fits an Integer.
Edges computeEdges(const ViewState& v)
{
    const Integer boxLeft = subInteger(v.ZoomCenterX, v.ZoomHalfWidth);
    const Integer boxRight = addInteger(v.ZoomCenterX, v.ZoomHalfWidth);
    const Integer boxTop = subInteger(v.ZoomCenterY, v.ZoomHalfHeight);
    const Integer boxBottom = addInteger(v.ZoomCenterY, v.ZoomHalfHeight);

    // The range is the far edge value itself, not the difference of the two edges.
    const Integer xRange = positiveOr20(roundToInteger(v.WorldRight));
    const Integer pixWidth = positiveOr20(subInteger(v.PixRight, v.PixLeft));
    const Single unitsPerPixelX = static_cast<Single>(static_cast<double>(xRange) / pixWidth);
    Edges e{};
    e.left = static_cast<Single>(boxLeft * static_cast<double>(unitsPerPixelX) + v.WorldLeft);
    // Measured from the freshly moved near edge.
    e.right = static_cast<Single>(boxRight * static_cast<double>(unitsPerPixelX) + e.left);

    const Integer yRange = positiveOr20(roundToInteger(v.WorldBottom));
    const Integer pixHeight = positiveOr20(subInteger(v.PixBottom, v.PixTop));
    const Single unitsPerPixelY = static_cast<Single>(static_cast<double>(yRange) / pixHeight);
    e.top = static_cast<Single>(boxTop * static_cast<double>(unitsPerPixelY) + v.WorldTop);
    e.bottom = static_cast<Single>(boxBottom * static_cast<double>(unitsPerPixelY) + e.top);
    return e;
}

std::string edgeLabel(const ViewState& v, Single value)
{
    return FormatEdgeValue(static_cast<Single>(static_cast<double>(v.UnitFactor) * value)) + v.UnitSuffix;
}

} // namespace

void SetUpView(Editor& editor)
{
    ViewState& v = editor.view;
    v.WorldLeft = 1954;
    v.WorldBottom = -54.32f;
    v.WorldRight = 2017;
    v.WorldTop = 12.34f;

    const Canvas& canvas = *editor.canvas;
    const double left = canvas.ScaleLeft();
    const double top = canvas.ScaleTop();
    const double width = canvas.ScaleWidth();
    const double height = canvas.ScaleHeight();
    v.PixLeft = roundToInteger(left);
    v.PixRight = roundToInteger(width + left);
    v.PixTop = roundToInteger(top);
    v.PixBottom = roundToInteger(height + top);

    v.ZoomCenterX = roundToInteger(width / 2 + left);
    v.ZoomHalfWidth = roundToInteger(width / 4);
    v.ZoomCenterY = roundToInteger(height / 2 + top);
    v.ZoomHalfHeight = roundToInteger(height / 4);

    RecomputeView(editor);
}

bool RecomputeView(Editor& editor)
{
    ViewState& v = editor.view;
    Edges e{};
    try {
        e = computeEdges(v);
    } catch (const RuntimeFault&) {
        return false;
    }
    v.WorldLeft = e.left;
    v.WorldRight = e.right;
    v.WorldTop = e.top;
    v.WorldBottom = e.bottom;
    v.UnitFactor = 1;
    v.UnitSuffix = " ft";

    ControlState& c = editor.controls;
    c.CADleft = edgeLabel(v, v.WorldLeft);
    c.CADright = edgeLabel(v, v.WorldRight);
    c.CADtop = edgeLabel(v, v.WorldTop);
    c.CADbotton = edgeLabel(v, v.WorldBottom);
    return true;
}

std::string FormatEdgeValue(Single value)
{
    std::string s = defaultSingleText(value);
    const std::size_t p = s.find('.');
    // An exponent form has no three decimals to cut; it is shown as it is.
    if (p == std::string::npos || s.find('E') != std::string::npos)
        return s;
    const std::string f = (s + "000").substr(p, 4);
    if (f == ".000")
        return defaultSingleText(static_cast<Single>(std::trunc(static_cast<double>(value))));
    if (f == ".999") {
        // Away from zero on both sides, so -1.9995 reads -2 as 1.9995 reads 2.
        const double nudge = value < 0 ? -0.01 : 0.01;
        return defaultSingleText(static_cast<Single>(std::trunc(static_cast<double>(value) + nudge)));
    }
    return s.substr(0, p) + f;
}

std::string defaultSingleText(Single value)
{
    if (value == 0)
        return "0"; // also for -0
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";

    // to_chars ignores the C locale, which a GUI toolkit may switch to a
    // decimal comma; the text must always use ".".
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::general, 7);
    std::string s(buffer, result.ptr);
    const std::size_t e = s.find('e');
    if (e != std::string::npos)
        s[e] = 'E';
    return s;
}

bool IsInsideCanvas(const Canvas& canvas, Integer x, Integer y)
{
    const Canvas::Scale area = canvas.ScaleArea();
    return area.left <= x && x <= area.left + area.width && area.top <= y && y <= area.top + area.height;
}

} // namespace vrex
