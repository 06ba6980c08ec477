// Points and square-capped lines written into a plain pixel buffer.

#include "plotting/span_raster.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vrex {
namespace {

constexpr std::uint32_t Paper = 0xFFFFFFFF;
constexpr std::uint32_t Ink = 0xFF000000;
constexpr std::uint32_t Guard = 0x12345678;

// A buffer with a guard band of two pixels on every side, so that a write
// outside it shows up in the guard instead of in someone else's memory.
class Pixels {
public:
    Pixels(int width, int height)
        : width_(width), height_(height), stride_(width + 4), cells_(std::size_t(stride_) * (height + 4), Guard)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                at(x, y) = Paper;
    }

    PixelBuffer buffer() { return {&at(0, 0), stride_, width_, height_}; }
    std::uint32_t& at(int x, int y) { return cells_[std::size_t((y + 2) * stride_ + x + 2)]; }

    // The inside, one text row per pixel row: '#' ink, '.' paper.
    std::string picture()
    {
        std::string out;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x)
                out += at(x, y) == Ink ? '#' : at(x, y) == Paper ? '.' : '?';
            out += '\n';
        }
        return out;
    }

    bool guardIntact()
    {
        for (int y = -2; y < height_ + 2; ++y)
            for (int x = -2; x < stride_ - 2; ++x)
                if ((x < 0 || y < 0 || x >= width_ || y >= height_) && at(x, y) != Guard)
                    return false;
        return true;
    }

private:
    int width_;
    int height_;
    std::ptrdiff_t stride_;
    std::vector<std::uint32_t> cells_;
};

std::string rows(std::initializer_list<const char*> lines)
{
    std::string out;
    for (const char* line : lines)
        out += std::string(line) + '\n';
    return out;
}

TEST(SpanRaster, PointsAreThePensSquareLeadingByHalfItsWidth)
{
    struct Case {
        int pen;
        int x, y;
        std::string expected;
    };
    const Case cases[] = {
        {1, 2, 1, rows({".....", "..#..", ".....", "....."})},
        {0, 2, 1, rows({".....", "..#..", ".....", "....."})}, // below 1 counts as 1
        {2, 2, 2, rows({".....", ".##..", ".##..", "....."})},
        {3, 2, 2, rows({".....", ".###.", ".###.", ".###."})},
        {3, 0, 0, rows({"##...", "##...", ".....", "....."})}, // cut at the corner
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("pen " + std::to_string(c.pen) + " at " + std::to_string(c.x) + "," + std::to_string(c.y));
        Pixels p(5, 4);
        EXPECT_TRUE(plotPoint(p.buffer(), c.x, c.y, c.pen, Ink));
        EXPECT_EQ(p.picture(), c.expected);
        EXPECT_TRUE(p.guardIntact());
    }
}

//  A row or a column is one rectangle: the pen's square at each end and
//  everything between.
TEST(SpanRaster, LinesAlongRowsAndColumnsAreOneRectangleCutAtTheEdges)
{
    struct Case {
        const char* what;
        int pen;
        int x0, y0, x1, y1;
        std::string expected;
    };
    const Case cases[] = {
        {"one pixel along a row", 1, 1, 1, 4, 1, rows({"......", ".####.", "......", "......"})},
        {"two pixels up a column", 2, 3, 3, 3, 1, rows({"..##..", "..##..", "..##..", "..##.."})},
        {"three pixels leftwards", 3, 4, 2, 1, 2, rows({"......", "######", "######", "######"})},
        {"running off to the right", 2, 3, 1, 900, 1, rows({"..####", "..####", "......", "......"})},
        {"wholly above the buffer", 2, 1, -9, 5, -9, rows({"......", "......", "......", "......"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pixels p(6, 4);
        EXPECT_TRUE(plotLine(p.buffer(), c.x0, c.y0, c.x1, c.y1, c.pen, Ink));
        EXPECT_EQ(p.picture(), c.expected);
        EXPECT_TRUE(p.guardIntact());
    }
}

// What the caller's painter draws instead is left alone.
TEST(SpanRaster, SlantedThinZeroLengthAndFarOffLinesAreLeftToThePainter)
{
    struct Case {
        const char* what;
        int pen;
        int x0, y0, x1, y1;
    };
    const Case cases[] = {
        {"slanted, one pixel", 1, 0, 0, 5, 3},
        {"slanted, pen 0", 0, 0, 0, 5, 3},
        {"zero length", 2, 2, 2, 2, 2},
        {"one end far off", 2, 1, 1, 1, 100000},
        {"pen wider than the reach", 20000, 1, 1, 4, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pixels p(6, 4);
        EXPECT_FALSE(plotLine(p.buffer(), c.x0, c.y0, c.x1, c.y1, c.pen, Ink));
        EXPECT_EQ(p.picture(), rows({"......", "......", "......", "......"}));
    }
    Pixels p(6, 4);
    EXPECT_FALSE(plotPoint(p.buffer(), 100000, 1, 2, Ink));
    EXPECT_EQ(p.picture(), rows({"......", "......", "......", "......"}));
}

// The rule, pixel by pixel, in exact integer arithmetic: with the centre at
// (i + 0.5, j + 0.5), doubled to stay whole, against the rectangle of the pen.
// A centre exactly on the rectangle's edge may fall either way.
enum class Place { Inside, Edge, Outside };

Place placeOf(int pen, int x0, int y0, int x1, int y1, int i, int j)
{
    const long long size = pen < 1 ? 1 : pen;
    const long long dx = x1 - x0, dy = y1 - y0;
    const long long cx = 2LL * i + 1 - 2LL * x0, cy = 2LL * j + 1 - 2LL * y0;
    const long long reach = size * size * (dx * dx + dy * dy); // (size * length)^2
    const long long lengthSquared = dx * dx + dy * dy;
    // Squared distances beyond each side, doubled and times the length;
    // positive past a side, zero on it.
    const long long cross = dx * cy - dy * cx;
    const long long dot = dx * cx + dy * cy;
    const long long beyond = dot - 2 * lengthSquared;
    const long long over[] = {cross * cross - reach, dot < 0 ? dot * dot - reach : -reach,
                              beyond > 0 ? beyond * beyond - reach : -reach};
    Place place = Place::Inside;
    for (long long o : over) {
        if (o > 0)
            return Place::Outside;
        if (o == 0)
            place = Place::Edge;
    }
    return place;
}

TEST(SpanRaster, SlantedWideLinesFillThePixelsWhoseCentresLieInThePen)
{
    std::mt19937 random(7);
    long wrong = 0;
    long inked = 0;
    std::string first;
    for (int n = 0; n < 600; ++n) {
        const int pen = 2 + n % 3;
        const int x0 = int(random() % 40) - 5, y0 = int(random() % 30) - 5;
        const int x1 = int(random() % 40) - 5, y1 = int(random() % 30) - 5;
        if (x0 == x1 || y0 == y1)
            continue;
        Pixels p(30, 20);
        ASSERT_TRUE(plotLine(p.buffer(), x0, y0, x1, y1, pen, Ink));
        ASSERT_TRUE(p.guardIntact());
        for (int j = 0; j < 20; ++j)
            for (int i = 0; i < 30; ++i) {
                const Place place = placeOf(pen, x0, y0, x1, y1, i, j);
                const bool ink = p.at(i, j) == Ink;
                inked += place == Place::Inside;
                if (place == Place::Edge || ink == (place == Place::Inside))
                    continue;
                if (wrong++ == 0)
                    first = "pen " + std::to_string(pen) + " " + std::to_string(x0) + "," + std::to_string(y0) +
                            " to " + std::to_string(x1) + "," + std::to_string(y1) + " at " + std::to_string(i) + "," +
                            std::to_string(j);
            }
    }
    EXPECT_GT(inked, 10000);
    EXPECT_EQ(wrong, 0) << "first: " << first;
}

} // namespace
} // namespace vrex
