#include "recording_canvas.h"

#include "plotting/primitives.h"
#include "state/editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vrex {
namespace {

using Log = std::vector<std::string>;

constexpr Long Blue = 16711680;

// The real drawing area, 785 x 442, with the start-up marker units (7.85).
class Primitives : public ::testing::Test {
protected:
    Primitives()
    {
        editor.drawing.MarkerUnitX = static_cast<Single>(0.01 * canvas.ScaleWidth());
        editor.drawing.MarkerUnitY = editor.drawing.MarkerUnitX;
    }

    long countOf(const std::string& call) const { return std::count(canvas.calls.begin(), canvas.calls.end(), call); }

    testing::RecordingCanvas canvas;
    Editor editor{canvas};
};

TEST_F(Primitives, SegmentEndingOnTheFarBoundIsDrawnOnePixelFurtherIsSkipped)
{
    const struct {
        int x2, y2;
        bool drawn;
    } cases[] = {
        {785, 100, true}, {786, 100, false}, {100, 442, true}, {100, 443, false}, {785, 442, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("end (" + std::to_string(c.x2) + ", " + std::to_string(c.y2) + ")");
        canvas.SetDrawWidth(2);
        editor.drawing.LastDrawWidth = 2;
        canvas.clearLog();
        DrawSegment(editor, 10, 10, static_cast<Integer>(c.x2), static_cast<Integer>(c.y2), Blue, 2);
        Log expected{"PSet 10,10 w2"};
        if (c.drawn)
            expected.push_back("Line 10,10-" + std::to_string(c.x2) + "," + std::to_string(c.y2) + " c16711680 w2");
        EXPECT_EQ(canvas.calls, expected);
        EXPECT_EQ(canvas.currentX, c.drawn ? c.x2 : 10);
    }
}

TEST_F(Primitives, OffCanvasStartDrawsFromWhereThePreviousDrawingEnded)
{
    canvas.Cls();
    DrawSegment(editor, -5, 10, 50, 60, Blue, 2);  // first after the clear: from the top-left corner
    DrawSegment(editor, 10, 500, 70, 80, Blue, 2); // from the end of the one before
    EXPECT_EQ(canvas.calls,
              (Log{"Cls", "DrawWidth 2", "Line 0,0-50,60 c16711680 w2", "Line 50,60-70,80 c16711680 w2"}));
}

TEST_F(Primitives, SquareMarkerOfSizeHalfHasCornersFourPixelsFromTheCentre)
{
    // 7.85 x 0.5 = 3.925 rounds to 4.
    //   (96,96) ---> (104,96)
    //      ^            |
    //      |   (100,100)v
    //   (96,104) <-- (104,104)
    Integer width = 1;
    DrawMarker(editor, "Square", 100, 100, Blue, 0.5f, width);
    EXPECT_EQ(canvas.calls, (Log{"DrawWidth 1", "PSet 96,96 w1", "DrawWidth 1", "Line 96,96-104,96 c16711680 w1",
                                 "Line 104,96-104,104 c16711680 w1", "Line 104,104-96,104 c16711680 w1",
                                 "Line 96,104-96,96 c16711680 w1", "PSet 100,100 w1"}));
    EXPECT_EQ(canvas.currentX, 100);
    EXPECT_EQ(canvas.currentY, 100);
}

TEST_F(Primitives, SquareMarkerWithLeftCornersOffCanvasDrawsOnlyTheEdgesEndingOnIt)
{
    DrawSegment(editor, 10, 10, 50, 60, Blue, 2);
    canvas.clearLog();
    Integer width = 1;
    DrawMarker(editor, "Square", 2, 100, Blue, 0.5f, width); // left corners at column -2
    EXPECT_EQ(canvas.calls, (Log{"DrawWidth 1", "DrawWidth 1", "Line 50,60-6,96 c16711680 w1",
                                 "Line 6,96-6,104 c16711680 w1", "PSet 2,100 w1"}));
}

TEST_F(Primitives, MarkerAtTheIntegerLimitIsClippedInsteadOfOverflowing)
{
    // Corners at 32771 and -32772 lie past the Integer range: off the canvas.
    const struct {
        Integer x, y;
    } centres[] = {{32767, 100}, {100, 32767}, {-32768, 100}, {32767, -32768}};
    for (const auto& c : centres) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        DrawSegment(editor, 10, 10, 50, 60, Blue, 2);
        canvas.clearLog();
        Integer width = 1;
        EXPECT_NO_THROW(DrawMarker(editor, "Square", c.x, c.y, Blue, 0.5f, width));
        EXPECT_EQ(canvas.calls, Log{"DrawWidth 1"}); // nothing drawn
        EXPECT_EQ(canvas.currentX, 50);
    }
}

TEST_F(Primitives, MarkerWidthZeroIsDrawnWithOneAndTheEntryKeepsOne)
{
    Integer width = 0;
    DrawMarker(editor, "SQUARE", 100, 100, Blue, 0.5f, width);
    EXPECT_EQ(width, 1);
    EXPECT_EQ(canvas.calls.front(), "DrawWidth 1");
    EXPECT_EQ(canvas.calls.back(), "PSet 100,100 w1");
    EXPECT_EQ(countOf("Line 96,96-104,96 c16711680 w1"), 1);
}

TEST_F(Primitives, OnlyTheExactSquareNamesAreDrawn)
{
    const struct {
        const char* shape;
        bool drawn;
    } cases[] = {{"Square", true},   {"SQUARE", true},  {"square", false}, {"sQUARE", false},
                 {"Square ", false}, {"CIRCLE", false}, {"", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("shape \"") + c.shape + "\"");
        canvas.clearLog();
        Integer width = 1;
        DrawMarker(editor, c.shape, 100, 100, Blue, 0.5f, width);
        const bool anyDrawing = std::any_of(canvas.calls.begin(), canvas.calls.end(), [](const std::string& call) {
            return call.rfind("Line", 0) == 0 || call.rfind("PSet", 0) == 0;
        });
        EXPECT_EQ(anyDrawing, c.drawn);
    }
}

TEST_F(Primitives, LineToWritesThePenWidthOnlyWhenItChanges)
{
    DrawSegment(editor, 10, 10, 20, 20, Blue, 2);
    DrawSegment(editor, 20, 20, 30, 30, Blue, 2);
    DrawSegment(editor, 30, 30, 40, 40, Blue, 2);
    EXPECT_EQ(countOf("DrawWidth 2"), 1);
    DrawSegment(editor, 40, 40, 50, 50, Blue, 3);
    DrawSegment(editor, 50, 50, 60, 60, Blue, 3);
    EXPECT_EQ(countOf("DrawWidth 3"), 1);
    EXPECT_EQ(editor.drawing.LastDrawWidth, 3);
    EXPECT_EQ(canvas.calls.back(), "Line 50,50-60,60 c16711680 w3");
}

TEST_F(Primitives, SegmentAfterAWhollyClippedMarkerStillGetsItsOwnPenWidth)
{
    DrawSegment(editor, 10, 10, 20, 20, Blue, 2);
    Integer width = 1;
    DrawMarker(editor, "Square", -50, -50, Blue, 0.5f, width); // sets the pen to 1, draws nothing
    DrawSegment(editor, 20, 20, 30, 30, Blue, 2);
    EXPECT_EQ(canvas.calls.back(), "Line 20,20-30,30 c16711680 w2");
}

TEST_F(Primitives, OffCanvasMoveLeavesTheCurrentPosition)
{
    DrawSegment(editor, 10, 10, 20, 20, Blue, 2);
    canvas.clearLog();
    MoveToPoint(editor, 786, 20);
    MoveToPoint(editor, 20, -1);
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(canvas.currentX, 20);
    EXPECT_EQ(canvas.currentY, 20);
}

} // namespace
} // namespace vrex
