// Pointer registers, the status line and the pacing of redraws.

#include "editor_fixture.h"

#include <algorithm>

namespace vrex {
namespace {

class MouseInput : public testing::EditorTest {
protected:
    // Each pass starts with one clear of the canvas.
    long redraws() const { return std::count(canvas.calls.begin(), canvas.calls.end(), "Cls"); }
};

TEST_F(MouseInput, FirstMoveRedrawsThenMovesWithinTheIntervalAreDropped)
{
    const long atStart = redraws();
    move(10.5, 11.5); // halves to even: 10, 12
    EXPECT_EQ(redraws(), atStart + 1);
    EXPECT_EQ(editor.mouse.MouseX, 10);
    EXPECT_EQ(editor.mouse.MouseY, 12);
    EXPECT_EQ(editor.controls.ConcludingInfo, "  Move ");

    clock += 0.05;
    move(20, 30);
    EXPECT_EQ(redraws(), atStart + 1);
    EXPECT_EQ(editor.mouse.MouseX, 20);

    clock += 0.05; // 0.10 after the update: still inside the interval
    move(21, 31);
    EXPECT_EQ(redraws(), atStart + 1);

    clock += 0.03;
    move(22, 32);
    EXPECT_EQ(redraws(), atStart + 2);
}

TEST_F(MouseInput, AClockPastMidnightLetsTheMoveThrough)
{
    move(10, 10);
    const long before = redraws();
    clock = 0.01; // the time of day fell back to 0
    move(11, 11);
    EXPECT_EQ(redraws(), before + 1);
    clock = 0.05;
    move(12, 12);
    EXPECT_EQ(redraws(), before + 1);
}

TEST_F(MouseInput, APressWhileAnotherIsUnansweredIsIgnored)
{
    Button1Pressed(editor);
    CAD8pic_mousedown(editor, 1, 0, 10, 10);
    editor.controls.ConcludingInfo = "marker";
    CAD8pic_mousedown(editor, 2, 0, 20, 20);
    EXPECT_EQ(editor.store.CadLines[1].PointCount, 1);
    EXPECT_EQ(editor.controls.ConcludingInfo, "marker");
    EXPECT_EQ(editor.mouse.MouseButton, 2); // the registers still follow the pointer
    EXPECT_EQ(editor.mouse.MouseX, 20);

    CAD8pic_mouseup(editor, 2, 0, 20, 20);
    CAD8pic_mousedown(editor, 1, 0, 30, 30);
    EXPECT_EQ(editor.store.CadLines[1].PointCount, 2);
    EXPECT_EQ(editor.controls.ConcludingInfo, "       down   wasMove");
}

TEST_F(MouseInput, AReleaseNeitherRedrawsNorRecordsItsButton)
{
    CAD8pic_mousedown(editor, 1, 0, 10, 10);
    const long before = redraws();
    CAD8pic_mouseup(editor, 4, 0, 12, 14);
    EXPECT_EQ(redraws(), before);
    EXPECT_EQ(editor.mouse.MouseButton, 1);
    EXPECT_EQ(editor.mouse.MouseX, 12);
    EXPECT_EQ(editor.mouse.MouseState, "MOVE");
    EXPECT_EQ(editor.controls.ConcludingInfo, "   UP ");
}

TEST_F(MouseInput, AReleaseThatCannotBeRecordedStillEndsThePress)
{
    Button1Pressed(editor);
    CAD8pic_mousedown(editor, 1, 0, 10, 10);
    EXPECT_THROW(CAD8pic_mouseup(editor, 1, 0, 40000, 10), RuntimeFault);
    EXPECT_EQ(editor.mouse.MouseState, "MOVE");
    CAD8pic_mousedown(editor, 1, 0, 30, 30); // answered, not ignored
    EXPECT_EQ(editor.store.CadLines[1].PointCount, 2);
}

TEST_F(MouseInput, AVertexAtTheIntegerLimitKeepsEveryRedrawWorking)
{
    addLine({{32767, 10}, {100, 100}});
    clock += 1;
    EXPECT_NO_THROW(move(200, 200));
    // The pass goes on to the marker of the vertex after it, whose top edge lies 4 pixels out.
    EXPECT_NE(std::find(canvas.calls.begin(), canvas.calls.end(), "Line 96,96-104,96 c0 w1"), canvas.calls.end());
}

TEST_F(MouseInput, OnlyAWindowMoveThatChangesBothCoordinatesLeavesTheCanvas)
{
    Form_MouseMove(editor, 0, 0, 40, 50); // never over the canvas yet: nothing but the registers
    EXPECT_EQ(editor.controls.ConcludingInfo, "Concluding info  for user...");
    move(100, 100);
    clock += 1;
    const long before = redraws();
    Form_MouseMove(editor, 0, 0, 40, 60); // same x as the last recorded window position
    Form_MouseMove(editor, 0, 0, 45, 50); // same y
    EXPECT_EQ(editor.mouse.MouseSurface, "PIC");
    EXPECT_EQ(redraws(), before);
    EXPECT_EQ(editor.controls.ConcludingInfo, "  Move ");

    Form_MouseMove(editor, 0, 0, 46, 51);
    EXPECT_EQ(editor.mouse.MouseSurface, "FORM");
    EXPECT_EQ(redraws(), before + 1);
    EXPECT_EQ(editor.controls.ConcludingInfo, "---off--");

    clock += 1;
    Form_MouseMove(editor, 0, 0, 47, 52); // already off the canvas
    EXPECT_EQ(redraws(), before + 1);
}

TEST_F(MouseInput, ADraggedVertexFollowsPacedMovesButNeverTheWindowCoordinates)
{
    addLine({{100, 100}, {200, 150}, {300, 120}});
    Button2Pressed(editor);
    tap(195, 145);
    Button2Pressed(editor);
    Button3Pressed(editor);
    tap(195, 145); // nearest is vertex 2: picked up
    ASSERT_TRUE(editor.modes.DraggingPoint);

    clock += 1;
    move(210, 140);
    EXPECT_EQ(lineVertices(1)[1], (std::pair<int, int>{210, 140}));
    clock += 0.05;
    move(220, 141); // paced away
    EXPECT_EQ(lineVertices(1)[1], (std::pair<int, int>{210, 140}));

    clock += 1;
    Form_MouseMove(editor, 0, 0, 500, 20); // the leaving move redraws only
    EXPECT_EQ(lineVertices(1)[1], (std::pair<int, int>{210, 140}));
}

} // namespace
} // namespace vrex
