#include "model/point_editing.h"

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

const Points FiveOnARow{{0, 0}, {100, 0}, {200, 0}, {300, 0}, {400, 0}};

class PointEditing : public ::testing::Test {
protected:
    Editor editor;
    PolylineStore& store = editor.store;
    ModeFlags& modes = editor.modes;

    void SetUp() override
    {
        modes.PointEditing = true;
        modes.InsertAllowed = true;
    }
    void TearDown() override { EXPECT_EQ(checkStoreInvariants(store), ""); }

    // Steps 5 and 6 of a click, the line search already done.
    PointEditOutcome editClick(int x, int y, int button)
    {
        clickAt(editor, x, y, button);
        PointEditOutcome outcome = PointEditOutcome::Edited;
        if (modes.PointEditing)
            outcome = PointEditStep(editor);
        if (outcome != PointEditOutcome::NoLineSelected)
            DropStep(editor);
        return outcome;
    }
};

TEST_F(PointEditing, LeftClickNearAMidpointInsertsAVertexThatFollowsThePointer)
{
    addLine(editor, FiveOnARow);
    store.SelectedLine = 1;

    EXPECT_EQ(editClick(150, 5, 1), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1), (Points{{0, 0}, {100, 0}, {150, 5}, {200, 0}, {300, 0}, {400, 0}}));
    EXPECT_EQ(store.SelectedPoint, 3);
    EXPECT_TRUE(modes.DraggingPoint);
    EXPECT_FALSE(modes.PointEditing);

    clickAt(editor, 160, 30);
    MoveSelectedPoint(editor);
    EXPECT_EQ(vertices(editor, 1)[2], (std::pair{160, 30}));

    EXPECT_EQ(editClick(170, 40, 2), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1), (Points{{0, 0}, {100, 0}, {170, 40}, {200, 0}, {300, 0}, {400, 0}}));
    EXPECT_FALSE(modes.DraggingPoint);
    EXPECT_TRUE(modes.PointEditing);

    // Once put down, pointer moves leave the vertex alone.
    clickAt(editor, 1, 1);
    MoveSelectedPoint(editor);
    EXPECT_EQ(vertices(editor, 1)[2], (std::pair{170, 40}));
}

TEST_F(PointEditing, TwentyVertexLineTakesNoInsertAndThePickTakesTheSegmentStart)
{
    addLine(editor, row(20));
    store.SelectedLine = 1;
    EXPECT_EQ(editClick(25, 11, 1), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1), row(20));
    EXPECT_EQ(store.CadPointHighWater, 20);
    EXPECT_EQ(store.SelectedPoint, 2);

    EXPECT_EQ(editClick(26, 33, 1), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1)[1], (std::pair{26, 33}));
}

TEST_F(PointEditing, FullPoolTakesNoInsertAndSaysSo)
{
    addLine(editor, FiveOnARow);
    addLine(editor, row(20, 10, 100));
    addLine(editor, row(20, 10, 200));
    addLine(editor, row(10, 10, 300));
    store.SelectedLine = 1;

    EXPECT_EQ(editClick(150, 5, 1), PointEditOutcome::PoolFull);
    EXPECT_EQ(vertices(editor, 1), FiveOnARow);
    EXPECT_EQ(store.SelectedPoint, 2);
    EXPECT_TRUE(modes.DraggingPoint);

    EXPECT_EQ(editClick(120, 20, 1), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1)[1], (std::pair{120, 20}));
}

TEST_F(PointEditing, RightClicksDeleteTheNearestVertexAndFreeItsSlot)
{
    addLine(editor, {{0, 0}, {100, 0}, {100, 100}});
    store.SelectedLine = 1;

    EXPECT_EQ(editClick(98, 2, 2), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1), (Points{{0, 0}, {100, 100}}));
    EXPECT_FALSE(store.CadPoints[2].InUse);
    EXPECT_TRUE(modes.PointEditing);
    EXPECT_EQ(store.SelectedLine, 1);

    EXPECT_EQ(editClick(1, 1, 2), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1), (Points{{100, 100}}));

    addLine(editor, {{7, 7}});
    EXPECT_EQ(store.CadLines[2].PointIds[1], 1);
}

TEST_F(PointEditing, RightClickNearestTheMiddleOfTheFirstSegmentDeletesVertexOne)
{
    addLine(editor, {{0, 0}, {100, 0}, {200, 0}});
    store.SelectedLine = 1;
    EXPECT_EQ(editClick(50, 3, 2), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1), (Points{{100, 0}, {200, 0}}));
}

TEST_F(PointEditing, DeletingTheOnlyVertexDeletesTheLine)
{
    addLine(editor, row(2, 10, 10));
    addLine(editor, {{50, 50}});
    addLine(editor, row(3, 10, 90));
    store.SelectedLine = 2;

    EXPECT_EQ(editClick(50, 50, 2), PointEditOutcome::Edited);
    EXPECT_EQ(store.CadLineCount, 2);
    EXPECT_EQ(vertices(editor, 1), row(2, 10, 10));
    EXPECT_EQ(vertices(editor, 2), row(3, 10, 90));
    EXPECT_EQ(store.SelectedLine, NoSelection);
    EXPECT_EQ(store.SelectedPoint, NoSelection);

    // With no line selected the next editing click ends point editing.
    EXPECT_EQ(editClick(10, 10, 1), PointEditOutcome::NoLineSelected);
    EXPECT_FALSE(modes.PointEditing);
    EXPECT_FALSE(modes.DraggingPoint);
}

TEST_F(PointEditing, MiddleButtonTurnsEditingOff)
{
    addLine(editor, FiveOnARow);
    store.SelectedLine = 1;
    EXPECT_EQ(editClick(100, 1, 4), PointEditOutcome::Edited);
    EXPECT_FALSE(modes.PointEditing);
    EXPECT_FALSE(modes.DraggingPoint);
    EXPECT_EQ(vertices(editor, 1), FiveOnARow);
}

TEST_F(PointEditing, SelectedLineWithoutVerticesKeepsWaiting)
{
    addLine(editor, {});
    store.SelectedLine = 1;
    EXPECT_EQ(editClick(10, 10, 1), PointEditOutcome::Edited);
    EXPECT_TRUE(modes.PointEditing);
    EXPECT_FALSE(modes.DraggingPoint);
}

TEST_F(PointEditing, DropPutsDownThePickedVertexWhateverLineIsNowSelected)
{
    addLine(editor, FiveOnARow);
    addLine(editor, {{290, -10}, {310, 10}});
    modes.InsertAllowed = false;
    store.SelectedLine = 1;
    EXPECT_EQ(editClick(300, 0, 1), PointEditOutcome::Edited);
    EXPECT_EQ(store.SelectedPoint, 4);

    store.SelectedLine = 2; // the drop click's line search found line 2
    EXPECT_EQ(editClick(333, 44, 1), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1), (Points{{0, 0}, {100, 0}, {200, 0}, {333, 44}, {400, 0}}));
    EXPECT_EQ(vertices(editor, 2), (Points{{290, -10}, {310, 10}}));
    EXPECT_EQ(store.SelectedLine, 2);
    EXPECT_TRUE(modes.PointEditing);
}

TEST_F(PointEditing, NoPositionBeyondPointCountIsEverMoved)
{
    addLine(editor, {{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    store.SelectedLine = 1;
    EXPECT_EQ(editClick(1, 99, 2), PointEditOutcome::Edited);
    // Entry 4 of line 1 is now stale and names the slot the next line takes.
    addLine(editor, {{500, 500}});
    ASSERT_EQ(store.CadLines[1].PointIds[4], store.CadLines[2].PointIds[1]);

    editor.pointEdit = {1, 4, false};
    modes.PointEditing = false;
    modes.DraggingPoint = true;
    clickAt(editor, 7, 7);
    MoveSelectedPoint(editor);
    EXPECT_EQ(editClick(8, 8, 1), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1), (Points{{0, 0}, {100, 0}, {100, 100}}));
    EXPECT_EQ(vertices(editor, 2), (Points{{500, 500}}));
    EXPECT_FALSE(modes.DraggingPoint);
    EXPECT_EQ(editor.pointEdit.DragLine, 0);
    EXPECT_EQ(editor.pointEdit.DragPoint, 0);
}

TEST_F(PointEditing, DeletingALineDuringADragNeverMovesAnotherLinesVertex)
{
    addLine(editor, row(3, 10, 10));
    addLine(editor, row(3, 10, 50));
    addLine(editor, row(3, 10, 90));
    modes.InsertAllowed = false;
    store.SelectedLine = 3;
    EXPECT_EQ(editClick(20, 90, 1), PointEditOutcome::Edited);

    store.SelectedLine = 1;
    DeleteSelectedLine(editor);
    EXPECT_EQ(editClick(22, 95, 1), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1), row(3, 10, 50));
    EXPECT_EQ(vertices(editor, 2), (Points{{10, 90}, {22, 95}, {30, 90}}));

    store.SelectedLine = 1;
    EXPECT_EQ(editClick(30, 50, 1), PointEditOutcome::Edited);
    DeleteSelectedLine(editor);
    EXPECT_EQ(editClick(1, 1, 1), PointEditOutcome::Edited);
    EXPECT_EQ(vertices(editor, 1), (Points{{10, 90}, {22, 95}, {30, 90}}));
}

} // namespace
} // namespace vrex
