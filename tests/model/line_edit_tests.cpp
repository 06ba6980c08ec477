#include "model/line_edit.h"

#include "drawing_builder.h"
#include "model/polyline_store.h"
#include "state/editor.h"

#include <gtest/gtest.h>

namespace vrex {
namespace {

using testing::addLine;
using testing::clickAt;
using testing::Points;
using testing::row;
using testing::vertices;

class LineEdit : public ::testing::Test {
protected:
    Editor editor;
    PolylineStore& store = editor.store;

    void TearDown() override { EXPECT_EQ(checkStoreInvariants(store), ""); }
};

TEST_F(LineEdit, NewLineOpensAnEmptySelectedLineAtTheEnd)
{
    addLine(editor, row(2));
    NewLine(editor);
    EXPECT_EQ(store.CadLineCount, 2);
    EXPECT_EQ(store.SelectedLine, 2);
    const CadLine& line = store.CadLines[2];
    EXPECT_EQ(line.PointCount, 0);
    EXPECT_EQ(line.LineType, "UN");
    EXPECT_EQ(line.LineNumber, 2);
    EXPECT_TRUE(line.Active);
}

TEST_F(LineEdit, FortyFourthLineIsRefusedAndChangesNothing)
{
    for (int k = 1; k <= 43; ++k)
        EXPECT_EQ(NewLine(editor), NewLineOutcome::Opened);
    EXPECT_EQ(store.CadLineCount, 43);
    EXPECT_EQ(store.SelectedLine, 43);

    store.SelectedLine = 7;
    const Editor before = editor;
    EXPECT_EQ(NewLine(editor), NewLineOutcome::TableFull);
    EXPECT_EQ(store.CadLineCount, 43);
    EXPECT_EQ(store.SelectedLine, 7);
    EXPECT_EQ(editor.controls, before.controls); // the caller tells the user
}

TEST_F(LineEdit, TwentyFirstVertexIsRefusedWithoutTakingASlot)
{
    editor.modes.AddingLine = true;
    addLine(editor, row(20));
    EXPECT_EQ(store.CadLines[1].PointCount, 20);
    for (int click = 0; click < 2; ++click) {
        clickAt(editor, 500, 500);
        EXPECT_EQ(AppendPoint(editor), AppendOutcome::LineFull);
        EXPECT_EQ(store.CadLines[1].PointCount, 20);
        EXPECT_EQ(store.CadPointHighWater, 20);
    }
    EXPECT_EQ(vertices(editor, 1), row(20));
    EXPECT_TRUE(editor.modes.AddingLine);
}

TEST_F(LineEdit, FullPoolRefusesTheVertexAndKeepsTheLine)
{
    addLine(editor, row(20));
    addLine(editor, row(20, 10, 30));
    addLine(editor, row(15, 10, 50));
    editor.modes.AddingLine = true;
    NewLine(editor);
    clickAt(editor, 7, 70);
    EXPECT_EQ(AppendPoint(editor), AppendOutcome::PoolFull);
    EXPECT_EQ(store.CadLines[4].PointCount, 0);
    EXPECT_EQ(store.CadPointHighWater, 55);
    EXPECT_TRUE(editor.modes.AddingLine);
    for (int line = 1; line <= 3; ++line)
        EXPECT_EQ(vertices(editor, line).size(), line == 3 ? 15u : 20u);
}

TEST_F(LineEdit, DeletingAMiddleLineMovesTheLaterLinesDown)
{
    const Points a = row(3, 10, 10), b = row(5, 10, 20), c = row(2, 10, 30), d = row(4, 10, 40);
    addLine(editor, a);
    addLine(editor, b);
    addLine(editor, c);
    addLine(editor, d);
    const CadLine deleted = store.CadLines[2];

    store.SelectedLine = 2;
    store.SelectedPoint = 1;
    DeleteSelectedLine(editor);

    EXPECT_EQ(store.CadLineCount, 3);
    EXPECT_EQ(vertices(editor, 1), a);
    EXPECT_EQ(vertices(editor, 2), c);
    EXPECT_EQ(vertices(editor, 3), d);
    for (int k = 1; k <= 5; ++k)
        EXPECT_FALSE(store.CadPoints[deleted.PointIds[k]].InUse);
    EXPECT_EQ(testing::slotsInUse(store), 9);
    EXPECT_EQ(store.SelectedLine, NoSelection);
    EXPECT_EQ(store.SelectedPoint, NoSelection);

    // The lowest free slot is one the deletion freed.
    addLine(editor, {{99, 99}});
    EXPECT_EQ(store.CadLines[4].PointIds[1], 4);
}

TEST_F(LineEdit, DeletingTheLastLineFreesItsSlotsAndMovesNothing)
{
    addLine(editor, row(3));
    addLine(editor, row(2, 10, 50));
    store.SelectedLine = 2;
    DeleteSelectedLine(editor);
    EXPECT_EQ(store.CadLineCount, 1);
    EXPECT_EQ(vertices(editor, 1), row(3));
    EXPECT_FALSE(store.CadPoints[4].InUse);
    EXPECT_FALSE(store.CadPoints[5].InUse);
    EXPECT_EQ(testing::slotsInUse(store), 3);
}

TEST_F(LineEdit, DeleteWithoutAnExistingSelectedLineChangesNothing)
{
    for (const Integer selected : {NoSelection, Integer{0}, Integer{3}, Integer{-1}}) {
        SCOPED_TRACE(selected);
        Editor e;
        addLine(e, row(3));
        addLine(e, row(2, 10, 50));
        e.store.SelectedLine = selected;
        e.store.SelectedPoint = 2;
        DeleteSelectedLine(e);
        EXPECT_EQ(e.store.CadLineCount, 2);
        EXPECT_EQ(testing::slotsInUse(e.store), 5);
        EXPECT_EQ(e.store.SelectedLine, selected);
        EXPECT_EQ(e.store.SelectedPoint, 2);
    }
}

TEST_F(LineEdit, DeleteOnAnEmptyTableDoesNothing)
{
    store.SelectedLine = 1;
    DeleteSelectedLine(editor);
    EXPECT_EQ(store.CadLineCount, 0);
    EXPECT_EQ(store.SelectedLine, 1);
}

TEST_F(LineEdit, CancelRemovesTheLineBeingDigitisedAndFreesItsSlots)
{
    addLine(editor, row(2));
    addLine(editor, row(4, 10, 50));
    EXPECT_EQ(testing::slotsInUse(store), 6);
    CancelNewLine(editor);
    EXPECT_EQ(store.CadLineCount, 1);
    EXPECT_EQ(testing::slotsInUse(store), 2);
    EXPECT_EQ(vertices(editor, 1), row(2));
    EXPECT_EQ(store.SelectedLine, NoSelection);

    // Cancel with nothing selected keeps the line.
    CancelNewLine(editor);
    EXPECT_EQ(store.CadLineCount, 1);
}

} // namespace
} // namespace vrex
