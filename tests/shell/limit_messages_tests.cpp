// What the user is told when a drawing limit refuses a command or a click.

#include "editor_fixture.h"

#include "shell/limit_messages.h"

namespace vrex {
namespace {

using testing::row;

class LimitMessages : public testing::EditorTest {};

TEST_F(LimitMessages, FortyFourthLineReturnsToIdleWithTheLineLimitMessage)
{
    for (int k = 1; k <= 43; ++k)
        addLine({});
    Button1Pressed(editor);
    EXPECT_EQ(editor.store.CadLineCount, 43);
    EXPECT_FALSE(editor.modes.AddingLine);
    EXPECT_TRUE(editor.modes.ReadyForCommand);
    EXPECT_EQ(editor.controls.UserMustSee, LineTableFullMessage);
    EXPECT_TRUE(editor.controls.Button1.Enabled);
    EXPECT_FALSE(editor.controls.Cancel.Enabled);
}

TEST_F(LimitMessages, RefusedVertexSaysWhichLimitAndTheLineStaysOpen)
{
    struct Case {
        const char* what;
        std::vector<testing::Points> before; // finished lines
        testing::Points adding;              // vertices of the open line, then one more click
        const char* message;
    };
    const Case cases[] = {
        {"twenty-first vertex of a line", {}, row(20), LineFullMessage},
        {"fifty-sixth vertex of the drawing", {row(20), row(20, 10, 30), row(15, 10, 50)}, {}, PoolFullMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::StartedEditor t;
        for (const testing::Points& line : c.before)
            t.addLine(line);
        Button1Pressed(t.editor);
        for (auto [x, y] : c.adding)
            t.tap(x, y);
        const Integer line = t.editor.store.CadLineCount;
        const Integer count = t.editor.store.CadLines[line].PointCount;
        t.tap(7, 200);
        EXPECT_EQ(t.editor.store.CadLines[line].PointCount, count);
        EXPECT_EQ(t.editor.controls.UserMustSee, c.message);
        EXPECT_TRUE(t.editor.modes.AddingLine);
    }
}

//  line 1:  (100,100)-----(200,150)-----(300,120); the other lines, on rows,
//  fill the pool, so a click near the first segment's middle cannot insert.
TEST_F(LimitMessages, InsertIntoAFullPoolSaysSoAndPicksTheSegmentStartUp)
{
    addLine({{100, 100}, {200, 150}, {300, 120}});
    addLine(row(20, 10, 300));
    addLine(row(20, 10, 320));
    addLine(row(12, 10, 340));
    Button2Pressed(editor);
    tap(150, 130);
    Button2Pressed(editor);
    Button3Pressed(editor);
    tap(150, 125);
    EXPECT_EQ(editor.controls.UserMustSee, PoolFullMessage);
    EXPECT_EQ(lineVertices(1), (testing::Points{{100, 100}, {200, 150}, {300, 120}}));
    EXPECT_TRUE(editor.modes.DraggingPoint);
    EXPECT_EQ(editor.store.SelectedPoint, 1);
}

} // namespace
} // namespace vrex
