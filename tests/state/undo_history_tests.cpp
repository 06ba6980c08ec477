// The history on its own: what it keeps, what it gives back, and its bound.

#include "drawing_builder.h"

#include "model/line_edit.h"
#include "model/polyline_store.h"
#include "state/editor.h"
#include "state/undo_history.h"

#include <gtest/gtest.h>

namespace vrex {
namespace {

using testing::addLine;
using testing::Points;
using testing::vertices;

class History : public ::testing::Test {
protected:
    std::vector<Points> drawing() const
    {
        std::vector<Points> lines;
        for (int i = 1; i <= editor.store.CadLineCount; ++i)
            lines.push_back(vertices(editor, i));
        return lines;
    }

    void expectSound() const { EXPECT_EQ(checkStoreInvariants(editor.store), ""); }

    // Deletes one line, recorded as a change.
    void deleteLine(int line)
    {
        DrawingSnapshot before = takeSnapshot(editor.store);
        editor.store.SelectedLine = static_cast<Integer>(line);
        DeleteSelectedLine(editor);
        ASSERT_TRUE(history.record(std::move(before), editor.store));
    }

    Editor editor;
    UndoHistory history;
};

//  line 1: (10,10)-(20,10)   line 2: (30,30)-(40,30)-(50,30)   line 3: (60,60)
// Line 2 goes; Undo puts it back between the other two, on its own slots.
TEST_F(History, UndoPutsADeletedLineBackAtItsPlaceAndRedoTakesItAgain)
{
    addLine(editor, {{10, 10}, {20, 10}});
    addLine(editor, {{30, 30}, {40, 30}, {50, 30}});
    addLine(editor, {{60, 60}});
    const auto whole = drawing();
    deleteLine(2);
    const auto without = drawing();

    ASSERT_TRUE(history.undo(editor.store));
    EXPECT_EQ(drawing(), whole);
    EXPECT_EQ(editor.store.CadLines[2].PointIds[1], 3); // the slots it had
    expectSound();

    ASSERT_TRUE(history.redo(editor.store));
    EXPECT_EQ(drawing(), without);
    expectSound();
    EXPECT_FALSE(history.redo(editor.store));
}

// A drawing is its lines in order and their vertices' places; slots and
// registers are not part of it.
TEST_F(History, AChangeIsKeptOnlyWhenTheDrawingDiffers)
{
    addLine(editor, {{10, 10}, {20, 20}});
    addLine(editor, {{30, 30}});
    const DrawingSnapshot start = takeSnapshot(editor.store);
    PolylineStore& s = editor.store;

    s.SelectedLine = NoSelection;
    s.FoundPoint = 2;
    EXPECT_FALSE(history.record(start, s)) << "registers alone";

    // The same vertex in another slot.
    Integer slot = 0;
    ASSERT_TRUE(AllocatePoint(s, slot));
    s.CadPoints[slot] = s.CadPoints[s.CadLines[2].PointIds[1]];
    ReleasePoint(s, s.CadLines[2].PointIds[1]);
    s.CadLines[2].PointIds[1] = slot;
    EXPECT_FALSE(history.record(start, s)) << "another slot";

    s.CadPoints[slot].Y = 31;
    EXPECT_TRUE(history.record(start, s)) << "a vertex moved";
    s.CadPoints[slot].Y = 30;
    s.CadLineCount = 1;
    EXPECT_TRUE(history.record(start, s)) << "a line fewer";
    EXPECT_EQ(history.undoCount(), 2u);
}

TEST_F(History, ANewChangeForgetsWhatCouldBeRedone)
{
    addLine(editor, {{10, 10}});
    addLine(editor, {{20, 20}});
    addLine(editor, {{30, 30}});
    deleteLine(3);
    deleteLine(2);
    ASSERT_TRUE(history.undo(editor.store));
    EXPECT_EQ(history.redoCount(), 1u);

    deleteLine(1);
    EXPECT_EQ(history.redoCount(), 0u);
    EXPECT_FALSE(history.redo(editor.store));
    EXPECT_EQ(drawing(), (std::vector<Points>{{{20, 20}}}));
}

// An open change spans events; closing it keeps it only when it altered the drawing.
TEST_F(History, AnOpenChangeIsOneChangeWhenClosed)
{
    addLine(editor, {{10, 10}});
    const auto before = drawing();

    history.openChange(takeSnapshot(editor.store));
    addLine(editor, {{20, 20}, {30, 30}});
    EXPECT_TRUE(history.changeOpen());
    EXPECT_TRUE(history.closeChange(editor.store));
    EXPECT_FALSE(history.changeOpen());

    history.openChange(takeSnapshot(editor.store));
    NewLine(editor);
    CancelNewLine(editor);
    EXPECT_FALSE(history.closeChange(editor.store)) << "a line opened and cancelled";

    ASSERT_TRUE(history.undo(editor.store));
    EXPECT_EQ(drawing(), before);
    EXPECT_FALSE(history.undo(editor.store));
}

// Going back before a vertex was first handed out lowers the high-water
// mark with it; the pool then hands out the same slots again.
TEST_F(History, UndoGivesThePoolBackAsItWas)
{
    addLine(editor, {{10, 10}});
    DrawingSnapshot before = takeSnapshot(editor.store);
    addLine(editor, {{20, 20}, {30, 30}, {40, 40}});
    ASSERT_TRUE(history.record(std::move(before), editor.store));

    ASSERT_TRUE(history.undo(editor.store));
    EXPECT_EQ(editor.store.CadPointHighWater, 1);
    EXPECT_EQ(testing::slotsInUse(editor.store), 1);
    expectSound();
    Integer slot = 0;
    ASSERT_TRUE(AllocatePoint(editor.store, slot));
    EXPECT_EQ(slot, 2);
}

// Each change moves one vertex of line 1 one pixel right: after 1,001 of
// them the first is gone and the other 1,000 can be undone.
TEST_F(History, KeepsTheLastThousandChanges)
{
    addLine(editor, {{0, 10}});
    CadPoint& vertex = editor.store.CadPoints[editor.store.CadLines[1].PointIds[1]];
    for (int k = 1; k <= 1001; ++k) {
        DrawingSnapshot before = takeSnapshot(editor.store);
        vertex.X = static_cast<Integer>(k);
        ASSERT_TRUE(history.record(std::move(before), editor.store));
    }
    EXPECT_EQ(history.undoCount(), 1000u);
    int undone = 0;
    while (history.undo(editor.store))
        ++undone;
    EXPECT_EQ(undone, 1000);
    EXPECT_EQ(vertices(editor, 1), (Points{{1, 10}}));
    while (history.redo(editor.store))
        ;
    EXPECT_EQ(vertices(editor, 1), (Points{{1001, 10}}));
}

TEST_F(History, UndoneVerticesComeBackLastFirst)
{
    history.pushUndoneVertex({1, 2, true});
    history.pushUndoneVertex({3, 4, true});
    EXPECT_EQ(history.popUndoneVertex()->X, 3);
    history.forgetUndoneVertices();
    EXPECT_FALSE(history.popUndoneVertex());
}

} // namespace
} // namespace vrex
