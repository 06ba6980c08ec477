#pragma once
// The drawing surface the program draws on, with a picture box's semantics:
// a current position, a pen width and a fore colour live in the canvas.

#include "state/numbers.h"

namespace vrex {

class Canvas {
public:
    virtual ~Canvas() = default;

    // Clears to the back colour; the current position goes to the top-left corner.
    virtual void Cls() = 0;
    // One point in the fore colour at the current pen width; it becomes the current position.
    virtual void PSet(int x, int y) = 0;
    // A line from the current position in the given colour; (x, y) becomes the current position.
    virtual void LineTo(int x, int y, Long color) = 0;
    virtual void SetDrawWidth(int width) = 0;
    virtual int DrawWidth() const = 0;

    // Drawing area in pixels.
    virtual double ScaleLeft() const = 0;
    virtual double ScaleTop() const = 0;
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    // All four at once: every primitive asks, so a canvas may answer in one call.
    struct Scale {
        double left;
        double top;
        double width;
        double height;
    };
    virtual Scale ScaleArea() const { return {ScaleLeft(), ScaleTop(), ScaleWidth(), ScaleHeight()}; }
    // Outer size of the control, border included, in the window's pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // A drawing pass is bracketed so that a real canvas paints with one
    // painter and repaints the screen once.
    virtual void BeginPass() {}
    virtual void EndPass() {}
};

} // namespace vrex
