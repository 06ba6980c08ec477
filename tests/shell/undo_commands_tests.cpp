// Undo and Redo as the user meets them: what comes back, where the editor is
// afterwards, and what the status line says.

#include "editor_fixture.h"

#include "model/polyline_store.h"
#include "plotting/zoom_box.h"
#include "shell/undo_commands.h"

namespace vrex {
namespace {

using testing::Points;

class Undo : public testing::EditorTest {
protected:
    std::vector<Points> drawing() const
    {
        std::vector<Points> lines;
        for (int i = 1; i <= editor.store.CadLineCount; ++i)
            lines.push_back(lineVertices(i));
        return lines;
    }

    const std::string& status() const { return editor.controls.ConcludingInfo; }

    // Chooses the line whose box holds (x, y) and starts point editing on it.
    void editPointsOf(double x, double y)
    {
        Button2Pressed(editor);
        tap(x, y);
        Button2Pressed(editor);
        Button3Pressed(editor);
        ASSERT_TRUE(editor.modes.PointEditing);
    }

    void expectSound() const { EXPECT_EQ(checkStoreInvariants(editor.store), ""); }
};

//  line 1: (100,100)-----(200,150)-----(300,120)
const Points Line1 = {{100, 100}, {200, 150}, {300, 120}};
//  line 2: (400,300)-----(500,350)
const Points Line2 = {{400, 300}, {500, 350}};

TEST_F(Undo, WithNothingDoneBothSayNothingAndChangeNothingElse)
{
    const ControlState idle = editor.controls;
    canvas.clearLog();
    UndoPressed(editor);
    EXPECT_EQ(status(), "Nothing to undo");
    RedoPressed(editor);
    EXPECT_EQ(status(), "Nothing to redo");
    ControlState expected = idle;
    expected.ConcludingInfo = "Nothing to redo";
    EXPECT_EQ(editor.controls, expected);
    EXPECT_TRUE(canvas.calls.empty()) << "no redraw";
}

// While adding, the steps are the vertices of the new line; the lines before
// it are out of reach, and the editor stays in adding.
TEST_F(Undo, WhileAddingUndoAndRedoTakeBackAndPutBackTheLastVertex)
{
    addLine(Line1);
    Button1Pressed(editor);
    const ControlState adding = editor.controls;
    tap(400, 300);
    tap(500, 350);
    tap(450, 400);

    UndoPressed(editor);
    UndoPressed(editor);
    EXPECT_EQ(lineVertices(2), (Points{{400, 300}}));
    EXPECT_EQ(status(), "Undone");
    RedoPressed(editor);
    EXPECT_EQ(lineVertices(2), (Points{{400, 300}, {500, 350}}));
    EXPECT_EQ(status(), "Redone");
    expectSound();

    UndoPressed(editor);
    UndoPressed(editor);
    UndoPressed(editor);
    EXPECT_EQ(status(), "Nothing to undo");
    EXPECT_EQ(drawing(), (std::vector<Points>{Line1, {}}));
    EXPECT_TRUE(editor.modes.AddingLine);
    EXPECT_EQ(editor.controls.UserMustSee, adding.UserMustSee);
    EXPECT_EQ(editor.controls.Button3, adding.Button3);
    EXPECT_EQ(editor.controls.Cancel, adding.Cancel);
    EXPECT_EQ(testing::slotsInUse(editor.store), 3);

    // An appended vertex forgets the two that could have come back.
    RedoPressed(editor);
    tap(420, 320);
    RedoPressed(editor);
    EXPECT_EQ(status(), "Nothing to redo");
    EXPECT_EQ(lineVertices(2), (Points{{400, 300}, {420, 320}}));
}

TEST_F(Undo, AFinishedLineIsOneChangeAndACancelledOneNone)
{
    addLine(Line1);
    Button1Pressed(editor);
    tap(400, 300);
    CancelPressed(editor);
    Button1Pressed(editor);
    Button3Pressed(editor); // a line with no vertex is a change too

    UndoPressed(editor);
    EXPECT_EQ(drawing(), (std::vector<Points>{Line1}));
    UndoPressed(editor);
    EXPECT_EQ(drawing(), std::vector<Points>{});
    EXPECT_EQ(editor.controls.UserMustSee, "waiting for your next activity");
    EXPECT_FALSE(editor.controls.Button2.Enabled) << "no line to modify";
    UndoPressed(editor);
    EXPECT_EQ(status(), "Nothing to undo");

    RedoPressed(editor);
    EXPECT_EQ(drawing(), (std::vector<Points>{Line1}));
    EXPECT_TRUE(editor.controls.Button2.Enabled);
    expectSound();
}

// Undo in a mode other than adding and point editing ends with the command reset.
TEST_F(Undo, OutsideAddingAndPointEditingAStepReturnsToIdle)
{
    addLine(Line1);
    addLine(Line2);
    Button2Pressed(editor);
    tap(150, 130);
    Button2Pressed(editor);
    Button4Pressed(editor); // deletes line 1
    EXPECT_EQ(drawing(), (std::vector<Points>{Line2}));
    Button2Pressed(editor);
    tap(450, 320); // selecting, line 1 (the former line 2) on offer

    canvas.clearLog();
    UndoPressed(editor);
    EXPECT_EQ(drawing(), (std::vector<Points>{Line1, Line2}));
    EXPECT_TRUE(editor.modes.ReadyForCommand);
    EXPECT_FALSE(editor.modes.SelectingLine);
    EXPECT_EQ(editor.controls.UserMustSee, "waiting for your next activity");
    EXPECT_EQ(status(), "Undone");
    EXPECT_FALSE(canvas.calls.empty()) << "redrawn at once";
    expectSound();
}

// A pick with its drop is one change; the editor stays in point editing.
TEST_F(Undo, InPointEditingAMoveIsTakenBackAndPointEditingGoesOn)
{
    addLine(Line1);
    editPointsOf(150, 130);
    tap(199, 149); // picks (200,150)
    move(220, 160);
    clock += 1;
    move(230, 170);
    tap(240, 140); // drops, inside the box: the line stays selected
    EXPECT_EQ(lineVertices(1), (Points{{100, 100}, {240, 140}, {300, 120}}));
    ControlState editing = editor.controls;

    UndoPressed(editor);
    EXPECT_EQ(lineVertices(1), Line1);
    EXPECT_TRUE(editor.modes.PointEditing);
    editing.ConcludingInfo = "Undone";
    EXPECT_EQ(editor.controls, editing) << "prompt and buttons as they were";
    RedoPressed(editor);
    EXPECT_EQ(lineVertices(1), (Points{{100, 100}, {240, 140}, {300, 120}}));
    EXPECT_TRUE(editor.modes.PointEditing);
    EXPECT_EQ(status(), "Redone");
}

// Undo during a drag ends it and removes the vertex the pick inserted; the
// pick forgot what could be redone, and the next click picks again.
TEST_F(Undo, DuringADragUndoPutsThePickBackAndRedoHasNothing)
{
    addLine(Line1);
    editPointsOf(150, 130);
    tap(150, 126); // nearest the middle of segment 1-2: inserts there
    move(160, 140);
    UndoPressed(editor); // takes the insert back
    tap(199, 149);       // picks (200,150)
    ASSERT_TRUE(editor.modes.DraggingPoint);
    clock += 1;
    move(210, 160);
    EXPECT_EQ(lineVertices(1), (Points{{100, 100}, {210, 160}, {300, 120}}));

    UndoPressed(editor);
    EXPECT_EQ(lineVertices(1), Line1);
    EXPECT_FALSE(editor.modes.DraggingPoint);
    EXPECT_TRUE(editor.modes.PointEditing);
    RedoPressed(editor);
    EXPECT_EQ(status(), "Nothing to redo");

    tap(299, 121); // inside the box, nearest (300,120): picked
    EXPECT_TRUE(editor.modes.DraggingPoint);
    RedoPressed(editor);
    EXPECT_EQ(status(), "Nothing to redo");
    EXPECT_TRUE(editor.modes.DraggingPoint) << "the drag goes on";
    tap(290, 130);
    EXPECT_EQ(lineVertices(1), (Points{{100, 100}, {200, 150}, {290, 130}}));
    UndoPressed(editor);
    EXPECT_EQ(lineVertices(1), Line1) << "the insert taken back was never a change";
    expectSound();
}

TEST_F(Undo, PickingAVertexUpForgetsWhatCouldBeRedone)
{
    addLine(Line1);
    addLine(Line2);
    UndoPressed(editor); // line 2 could be redone
    editPointsOf(150, 130);
    tap(199, 149);
    UndoPressed(editor);
    RedoPressed(editor);
    EXPECT_EQ(status(), "Nothing to redo");
    EXPECT_EQ(drawing(), (std::vector<Points>{Line1}));
}

TEST_F(Undo, CancelDuringADragMakesTheEditSoFarOneChange)
{
    addLine(Line1);
    editPointsOf(150, 130);
    tap(199, 149);
    clock += 1;
    move(210, 170);
    CancelPressed(editor);
    EXPECT_EQ(lineVertices(1), (Points{{100, 100}, {210, 170}, {300, 120}}));

    UndoPressed(editor);
    EXPECT_EQ(lineVertices(1), Line1);
    EXPECT_TRUE(editor.modes.ReadyForCommand);
    EXPECT_FALSE(editor.modes.PointEditing);
}

//  line 1: (100,100)-(200,150)-(300,120)   line 2: (600,50)-(620,70)
//  line 3: (400,300)-(500,350)
// A right click in point editing that takes line 2 with its only vertex comes
// back at its place; the editor still edits it.
// "Select this Line" during a drag offers the line again; deleting it cuts
// the drag short, which is a change of its own before the delete.
TEST_F(Undo, DeletingTheLineDuringADragMakesTwoChanges)
{
    addLine(Line1);
    editPointsOf(150, 130);
    tap(199, 149);
    clock += 1;
    move(210, 140);
    Button2Pressed(editor);
    Button4Pressed(editor);
    EXPECT_EQ(drawing(), std::vector<Points>{});

    UndoPressed(editor);
    EXPECT_EQ(drawing(), (std::vector<Points>{{{100, 100}, {210, 140}, {300, 120}}}));
    UndoPressed(editor);
    EXPECT_EQ(drawing(), (std::vector<Points>{Line1}));
    expectSound();
}

TEST_F(Undo, ALineTakenWithItsLastVertexComesBackAtItsPlace)
{
    addLine(Line1);
    addLine({{600, 50}, {620, 70}});
    addLine(Line2);
    editPointsOf(610, 60);
    ASSERT_EQ(editor.store.SelectedLine, 2);
    tap(619, 69, 2); // deletes (620,70)
    EXPECT_EQ(lineVertices(2), (Points{{600, 50}}));
    // A box without interior is never found by the line search, which every
    // editing click runs first; without it the click reaches the one vertex.
    editor.modes.SelectingLine = false;
    tap(600, 50, 2);
    EXPECT_EQ(drawing(), (std::vector<Points>{Line1, Line2}));

    UndoPressed(editor);
    EXPECT_EQ(drawing(), (std::vector<Points>{Line1, {{600, 50}}, Line2}));
    EXPECT_EQ(editor.store.SelectedLine, 2);
    EXPECT_TRUE(editor.modes.PointEditing);
    UndoPressed(editor);
    EXPECT_EQ(drawing(), (std::vector<Points>{Line1, {{600, 50}, {620, 70}}, Line2}));
    expectSound();
}

TEST_F(Undo, AZoomIsNotAChange)
{
    addLine(Line1);
    zoomInBox_8cbn_Click(editor);
    tap(300, 200);
    UndoPressed(editor);
    EXPECT_EQ(drawing(), std::vector<Points>{}) << "the line was the last change";
}

} // namespace
} // namespace vrex
