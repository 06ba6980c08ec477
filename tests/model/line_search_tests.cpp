#include "model/line_search.h"

#include "drawing_builder.h"
#include "state/editor.h"

#include <gtest/gtest.h>

namespace vrex {
namespace {

using testing::addLine;
using testing::clickAt;
using testing::Points;

class LineSearch : public ::testing::Test {
protected:
    Editor editor;
    PolylineStore& store = editor.store;

    void SetUp() override
    {
        editor.modes.SelectMode = true;
        editor.modes.AllLinesCandidates = true;
    }

    Integer searchAt(int x, int y)
    {
        clickAt(editor, x, y);
        FindCandidateLine(editor);
        return store.SelectedLine;
    }
};

TEST_F(LineSearch, RepeatedClicksCycleThroughCandidatesAndCarryOverToOtherSpots)
{
    addLine(editor, {{600, 600}, {700, 700}});
    addLine(editor, {{50, 50}, {150, 150}});
    addLine(editor, {{250, 250}, {450, 450}});
    addLine(editor, {{280, 280}, {420, 420}});
    addLine(editor, {{0, 0}, {500, 500}});

    // (100, 100) lies in lines 2 and 5; (350, 350) in lines 3, 4 and 5.
    EXPECT_EQ(searchAt(100, 100), 2);
    EXPECT_TRUE(editor.modes.CandidateFound);
    EXPECT_EQ(searchAt(100, 100), 5);
    EXPECT_EQ(searchAt(100, 100), 2);
    EXPECT_EQ(searchAt(100, 100), 5);
    EXPECT_EQ(searchAt(350, 350), 5);
    EXPECT_EQ(editor.search.CandidateCycle, 3);
    EXPECT_EQ(searchAt(350, 350), 3);
    EXPECT_EQ(editor.search.CandidateCycle, 1);
}

TEST_F(LineSearch, OnlyTheStrictInteriorOfTheVertexBoxHoldsTheClick)
{
    struct Case {
        const char* what;
        Points points;
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {"inside", {{10, 10}, {30, 60}, {50, 50}}, 11, 59, true},
        {"on the left edge", {{10, 10}, {30, 60}, {50, 50}}, 10, 30, false},
        {"on the top edge", {{10, 10}, {30, 60}, {50, 50}}, 30, 10, false},
        {"on the bottom vertex", {{10, 10}, {30, 60}, {50, 50}}, 30, 60, false},
        {"outside", {{10, 10}, {30, 60}, {50, 50}}, 51, 30, false},
        {"no vertices", {}, 0, 0, false},
        {"one vertex", {{20, 20}}, 20, 20, false},
        {"vertical line", {{30, 10}, {30, 50}}, 30, 30, false},
        {"horizontal line", {{10, 30}, {50, 30}}, 30, 30, false},
        {"extreme pixels", {{32767, 32767}}, 32100, 32100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor e;
        addLine(e, c.points);
        clickAt(e, c.x, c.y);
        EXPECT_EQ(LineBoxContainsMouse(e.store, e.mouse, 1), c.inside);
    }
}

TEST_F(LineSearch, ClickInNoBoxClearsTheSelectionAndKeepsTheCycle)
{
    addLine(editor, {{10, 10}, {50, 50}});
    editor.search.CandidateCycle = 4;
    store.SelectedLine = 1;

    EXPECT_EQ(searchAt(200, 200), NoSelection);
    EXPECT_FALSE(editor.modes.CandidateFound);
    EXPECT_EQ(editor.search.CandidateCycle, 4);
}

TEST_F(LineSearch, WithoutSelectModeTheSearchChangesNothing)
{
    addLine(editor, {{10, 10}, {50, 50}});
    editor.modes.SelectMode = false;
    editor.modes.CandidateFound = true;
    editor.search.CandidateCycle = 2;
    store.SelectedLine = 9;
    const ControlState controls = editor.controls;

    EXPECT_EQ(searchAt(30, 30), 9);
    EXPECT_TRUE(editor.modes.CandidateFound);
    EXPECT_EQ(editor.search.CandidateCycle, 2);
    EXPECT_EQ(editor.controls, controls);
}

TEST_F(LineSearch, NearestVertexRoundsHalvesToEvenAndGivesTiesToTheEarlierCandidate)
{
    constexpr Integer Unchanged = 42;
    struct Case {
        const char* what;
        std::vector<Points> lines;
        int x, y;
        Integer filter;
        bool insert;
        Integer line, point;
        bool segment;
    };
    // The segment (10,0)-(13,100) has its midpoint at (11.5, 50); a vertex of
    // line 1 at a known distance tells how the midpoint offset was rounded.
    const Points slanted{{10, 0}, {13, 100}};
    const Case cases[] = {
        {"row, click at 14: vertex 13 nearest", {{{10, 0}, {13, 0}}}, 14, 0, NoSelection, true, 1, 2, false},
        {"row, click at 15: vertex 13 nearest", {{{10, 0}, {13, 0}}}, 15, 0, NoSelection, true, 1, 2, false},
        {"ex 2.5 rounds to 2: 4 beats 5", {{{16, 51}}, slanted}, 14, 50, NoSelection, true, 2, 1, true},
        {"ex 3.5 rounds to 4: 16 loses to 10", {{{18, 51}}, slanted}, 15, 50, NoSelection, true, 1, 1, false},
        {"ex -2.5 rounds to -2: 4 beats 5", {{{7, 51}}, slanted}, 9, 50, NoSelection, true, 2, 1, true},
        {"vertex and midpoint equally far: vertex", {{{0, 0}, {8, 0}}}, 2, 0, NoSelection, true, 1, 1, false},
        {"midpoint strictly nearer", {{{0, 0}, {8, 0}, {8, 40}}}, 5, 0, NoSelection, true, 1, 1, true},
        {"second segment names its first vertex", {{{0, 0}, {8, 0}, {8, 40}}}, 9, 21, NoSelection, true, 1, 2, true},
        {"midpoints ignored without the insert flag", {{{0, 0}, {8, 0}}}, 3, 0, NoSelection, false, 1, 1, false},
        {"equal distances in two lines: lower line", {{{10, 10}}, {{14, 10}}}, 12, 10, NoSelection, true, 1, 1, false},
        {"the filter keeps to one line", {{{10, 10}}, {{40, 40}}}, 11, 11, 2, true, 2, 1, false},
        {"line without vertices", {{{10, 10}}, {}}, 10, 10, 2, true, Unchanged, NoSelection, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor e;
        for (const Points& points : c.lines)
            addLine(e, points);
        e.store.FoundLine = Unchanged;
        e.modes.NearestIsSegment = true;
        clickAt(e, c.x, c.y);
        FindNearestVertex(e, c.filter, c.insert);
        EXPECT_EQ(e.store.FoundLine, c.line);
        EXPECT_EQ(e.store.FoundPoint, c.point);
        EXPECT_EQ(e.modes.NearestIsSegment, c.segment);
    }
}

} // namespace
} // namespace vrex
