#pragma once
// Points and square-capped wide lines written straight into rows of 32-bit
// pixels, one span per pixel row, following a painter's rule for a square pen.

#include <cstddef>
#include <cstdint>

namespace vrex {

// Rows of pixels the caller owns: the first pixel, pixels per row, and the size.
struct PixelBuffer {
    std::uint32_t* bits = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
};

// Fills [left, right) x [top, bottom), cut at the buffer's edges.
void fillPixels(const PixelBuffer& buffer, int left, int top, int right, int bottom, std::uint32_t pixel);

// A line of the pen width (below 1 counts as 1) with square caps: the pixels
// whose centres lie in the rectangle half a pen width either side of the line
// and half a pen width beyond each end, with the line's points at pixel
// corners (pixel i's centre lies at i + 0.5). From a point to itself it is
// the pen's square.
void fillLine(const PixelBuffer& buffer, int x0, int y0, int x1, int y1, int penWidth, std::uint32_t pixel);

// A point is the pen's square. False, with nothing written, when the point or
// the pen is too far off for plain int arithmetic: the caller's painter clips it.
bool plotPoint(const PixelBuffer& buffer, int x, int y, int penWidth, std::uint32_t pixel);

// Lines along a row or a column, and wide lines at any slope. False, with
// nothing written, for what the caller's painter draws instead: slanted
// one-pixel lines, zero-length lines and lines far off the buffer.
bool plotLine(const PixelBuffer& buffer, int x0, int y0, int x1, int y1, int penWidth, std::uint32_t pixel);

// Call after the painter's own solid fill: its AVX2 code returns with the
// upper halves of the vector registers dirty, and until something clears them
// each SSE instruction after it, ours and the core's, runs several times
// slower (a pass of the full scene took over a tenth longer).
void settleVectorUnit();

} // namespace vrex
