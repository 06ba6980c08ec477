#include "plotting/span_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace vrex {

namespace {

// Points and lines far off the buffer go to the caller's painter, which
// clips them without any risk of overflow.
constexpr int DirectReach = 1 << 14;

bool nearBuffer(int x, int y) { return -DirectReach <= x && x <= DirectReach && -DirectReach <= y && y <= DirectReach; }

// Rounding for the small values of pixel geometry, without a library call.
int floorToInt(double value)
{
    const auto truncated = static_cast<int>(value);
    return truncated - (value < truncated ? 1 : 0);
}

int ceilToInt(double value) { return -floorToInt(-value); }

} // namespace

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
namespace {
__attribute__((target("avx"))) void clearUpperVectorHalves() { __builtin_ia32_vzeroupper(); }
} // namespace

void settleVectorUnit()
{
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        clearUpperVectorHalves();
}
#else
void settleVectorUnit() {}
#endif

bool plotPoint(const PixelBuffer& buffer, int x, int y, int penWidth, std::uint32_t pixel)
{
    if (!nearBuffer(x, y) || penWidth > DirectReach)
        return false;
    fillLine(buffer, x, y, x, y, penWidth, pixel);
    return true;
}

bool plotLine(const PixelBuffer& buffer, int x0, int y0, int x1, int y1, int penWidth, std::uint32_t pixel)
{
    if ((x0 == x1 && y0 == y1) || !nearBuffer(x0, y0) || !nearBuffer(x1, y1) || penWidth > DirectReach)
        return false;
    if (penWidth <= 1 && x0 != x1 && y0 != y1)
        return false;
    fillLine(buffer, x0, y0, x1, y1, penWidth, pixel);
    return true;
}

// Along a row or a column the line is one rectangle. The rectangle is convex,
// so a slanted line is one span on each pixel line across its longer axis.
void fillLine(const PixelBuffer& buffer, int x0, int y0, int x1, int y1, int penWidth, std::uint32_t pixel)
{
    const int size = std::max(penWidth, 1);
    if (x0 == x1 || y0 == y1) {
        const int lead = size / 2; // the pen's square starts this far before its point
        fillPixels(buffer, std::min(x0, x1) - lead, std::min(y0, y1) - lead, std::max(x0, x1) - lead + size,
                   std::max(y0, y1) - lead + size, pixel);
        return;
    }

    // The spans run along the major axis, one per pixel line of the minor axis.
    const bool alongRows = std::abs(x1 - x0) >= std::abs(y1 - y0);
    const int major0 = alongRows ? x0 : y0;
    const int minor0 = alongRows ? y0 : x0;
    const int majorSpan = (alongRows ? x1 : y1) - major0;
    const int minorSpan = (alongRows ? y1 : x1) - minor0;
    const double length = std::sqrt(double(majorSpan) * majorSpan + double(minorSpan) * minorSpan);
    const double u = majorSpan / length; // the line's direction; neither part is 0
    const double v = minorSpan / length;
    const double perU = 1 / u;
    const double perV = 1 / v;
    const double half = size / 2.0;

    // For a pixel centre at minor offset n = k + 0.5 from the start, the major
    // offsets inside: at most half from the line, (n u -+ half) / v, and from
    // -half to length + half along it, (-half - n v) / u and (length + half - n v) / u.
    // Each bound is linear in k, and which one is the lower is fixed by the signs.
    struct Bound {
        double at0;
        double perK;
    };
    const auto bound = [](double atHalf, double perN) { return Bound{atHalf + 0.5 * perN, perN}; };
    Bound nearSide = bound(-half * perV, u * perV);
    Bound farSide = bound(half * perV, u * perV);
    if (v < 0)
        std::swap(nearSide, farSide);
    Bound start = bound(-half * perU, -v * perU);
    Bound end = bound((length + half) * perU, -v * perU);
    if (u < 0)
        std::swap(start, end);

    const int minorLow = std::min(0, minorSpan) - size;
    const int minorHigh = std::max(0, minorSpan) + size;
    for (int k = minorLow; k <= minorHigh; ++k) {
        const double low = std::max(nearSide.at0 + k * nearSide.perK, start.at0 + k * start.perK);
        const double high = std::min(farSide.at0 + k * farSide.perK, end.at0 + k * end.perK);
        // Pixel i's centre lies at major offset i + 0.5.
        const int first = major0 + ceilToInt(low - 0.5);
        const int last = major0 + floorToInt(high - 0.5);
        if (first > last)
            continue;
        const int minor = minor0 + k;
        if (alongRows)
            fillPixels(buffer, first, minor, last + 1, minor + 1, pixel);
        else
            fillPixels(buffer, minor, first, minor + 1, last + 1, pixel);
    }
}

void fillPixels(const PixelBuffer& buffer, int left, int top, int right, int bottom, std::uint32_t pixel)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, buffer.width);
    bottom = std::min(bottom, buffer.height);
    if (left >= right || top >= bottom)
        return;
    const int width = right - left;
    std::uint32_t* start = buffer.bits + top * buffer.stride + left;
    // Short runs, the common case, without a vectorised loop's set-up.
    if (width <= 4) {
        for (int row = top; row < bottom; ++row, start += buffer.stride)
            for (int i = 0; i < width; ++i)
                start[i] = pixel;
        return;
    }
    for (int row = top; row < bottom; ++row, start += buffer.stride)
        std::fill(start, start + width, pixel);
}

} // namespace vrex
