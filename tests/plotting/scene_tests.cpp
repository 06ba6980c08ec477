#include "recording_canvas.h"

#include "plotting/palette.h"
#include "plotting/scene.h"
#include "state/editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vrex {
namespace {

using Points = std::vector<std::pair<int, int>>;

constexpr Long Black = 0;
constexpr Long NearBlack = RGB(1, 1, 1);
constexpr Long Silver = RGB(192, 192, 192);

class Scene : public ::testing::Test {
protected:
    Scene()
    {
        DefinePalette(editor);
        editor.drawing.MarkerUnitX = static_cast<Single>(0.01 * canvas.ScaleWidth());
        editor.drawing.MarkerUnitY = editor.drawing.MarkerUnitX;
    }

    // Puts a line straight into the store, each vertex in the next free pool slot.
    void addLine(const Points& points)
    {
        PolylineStore& store = editor.store;
        store.CadLineCount = static_cast<Integer>(store.CadLineCount + 1);
        CadLine& line = store.CadLines[store.CadLineCount];
        line.Active = true;
        line.LineNumber = store.CadLineCount;
        for (const auto& [x, y] : points) {
            const int slot = ++store.CadPointHighWater;
            store.CadPoints[slot] = CadPoint{static_cast<Integer>(x), static_cast<Integer>(y), true};
            line.PointCount = static_cast<Integer>(line.PointCount + 1);
            line.PointIds[line.PointCount] = static_cast<Integer>(slot);
        }
    }

    static Points row(int n, int x0, int y0)
    {
        Points points;
        for (int k = 0; k < n; ++k)
            points.emplace_back(x0 + 10 * k, y0);
        return points;
    }

    void buildAndDraw()
    {
        BuildScene(editor);
        DrawScene(editor);
    }

    bool logged(const std::string& call) const
    {
        return std::find(canvas.calls.begin(), canvas.calls.end(), call) != canvas.calls.end();
    }

    testing::RecordingCanvas canvas;
    Editor editor{canvas};
};

TEST_F(Scene, NoLinesOnlyClearsTheCanvasInOnePass)
{
    buildAndDraw();
    EXPECT_EQ(editor.scene.PlotSegmentCount, 0);
    EXPECT_EQ(editor.scene.PlotMarkerCount, 0);
    EXPECT_EQ(canvas.calls, std::vector<std::string>{"Cls"});
    EXPECT_EQ(canvas.passesBegun, 1);
    EXPECT_EQ(canvas.passesEnded, 1);
    EXPECT_EQ(canvas.callsAtPassBegin, 0u);
    EXPECT_EQ(canvas.callsAtPassEnd, 1u);
}

TEST_F(Scene, LineOfNVerticesGivesNMinusOneSegmentsAndNMarkers)
{
    for (int n : {0, 1, 2, 5, 20}) {
        SCOPED_TRACE(std::to_string(n) + " vertices");
        editor.store = PolylineStore{};
        const Points points = row(n, 100, 50);
        addLine(points);
        BuildScene(editor);

        const DisplayLists& lists = editor.scene;
        ASSERT_EQ(lists.PlotSegmentCount, std::max(n - 1, 0));
        ASSERT_EQ(lists.PlotMarkerCount, n);
        for (int i = 1; i < n; ++i) {
            const PlotSegment& s = lists.PlotSegments[i];
            EXPECT_EQ(std::make_pair(int{s.X1}, int{s.Y1}), points[i - 1]);
            EXPECT_EQ(std::make_pair(int{s.X2}, int{s.Y2}), points[i]);
            EXPECT_EQ(s.Color, Black);
            EXPECT_EQ(s.DrawWidth, 2);
        }
        for (int i = 1; i <= n; ++i) {
            const PlotMarker& m = lists.PlotMarkers[i];
            EXPECT_EQ(std::make_pair(int{m.X}, int{m.Y}), points[i - 1]);
            EXPECT_EQ(m.Shape, "Square");
            EXPECT_EQ(m.Color, Black);
            EXPECT_EQ(m.Size, 0.5f);
        }
    }
}

TEST_F(Scene, SegmentsAreDrawnFirstThenMarkersOnTop)
{
    //  (100,50)----(110,50)----(120,50)
    addLine(row(3, 100, 50));
    buildAndDraw();
    const std::vector<std::string> expected{
        "Cls",
        "PSet 100,50 w1",
        "DrawWidth 2",
        "Line 100,50-110,50 c0 w2",
        "PSet 110,50 w2",
        "Line 110,50-120,50 c0 w2",
        "DrawWidth 1",
        "PSet 96,46 w1",
        "DrawWidth 1",
        "Line 96,46-104,46 c0 w1",
        "Line 104,46-104,54 c0 w1",
        "Line 104,54-96,54 c0 w1",
        "Line 96,54-96,46 c0 w1",
        "PSet 100,50 w1",
    };
    ASSERT_GE(canvas.calls.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(canvas.calls.begin(), canvas.calls.begin() + expected.size()), expected);
    EXPECT_EQ(canvas.calls.back(), "PSet 120,50 w1");
    EXPECT_EQ(canvas.callsAtPassEnd, canvas.calls.size());
}

TEST_F(Scene, EveryVertexKeepsItsMarkerBeyondThirty)
{
    addLine(row(20, 20, 40));
    addLine(row(20, 20, 80));
    BuildScene(editor);
    ASSERT_EQ(editor.scene.PlotMarkerCount, 40);
    DrawScene(editor);
    for (int k = 0; k < 20; ++k) {
        for (int y : {40, 80}) {
            const std::string centre = "PSet " + std::to_string(20 + 10 * k) + "," + std::to_string(y) + " w1";
            EXPECT_TRUE(logged(centre)) << centre;
        }
    }
    EXPECT_EQ(editor.scene.PlotMarkers[31].X, 120); // line 2, vertex 11
    EXPECT_EQ(editor.scene.PlotMarkers[31].Y, 80);
    EXPECT_EQ(editor.scene.PlotMarkers[40].X, 210);
}

TEST_F(Scene, FullPoolGivesFiftyFiveMarkers)
{
    addLine(row(20, 20, 40));
    addLine(row(20, 20, 80));
    addLine(row(15, 20, 120));
    BuildScene(editor);
    EXPECT_EQ(editor.scene.PlotMarkerCount, MaxPlotMarkers);
    EXPECT_EQ(editor.scene.PlotSegmentCount, 19 + 19 + 14);
    EXPECT_EQ(editor.scene.PlotMarkers[55].X, 160);
    EXPECT_EQ(editor.scene.PlotMarkers[55].Y, 120);
}

TEST_F(Scene, LineColourFollowsSelectModeAndTheSelectedLine)
{
    const struct {
        const char* name;
        bool selectMode;
        Integer selectedLine;
        Long colours[3];
    } cases[] = {
        {"select mode, line 2 chosen", true, 2, {Silver, NearBlack, Silver}},
        {"outside select mode", false, 2, {Black, Black, Black}},
        {"select mode, nothing selected", true, NoSelection, {Silver, Silver, Silver}},
        {"select mode, never selected", true, 0, {Silver, Silver, Silver}},
    };
    addLine(row(3, 20, 40));
    addLine(row(2, 20, 80));
    addLine(row(4, 20, 120));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        editor.modes.SelectMode = c.selectMode;
        editor.store.SelectedLine = c.selectedLine;
        BuildScene(editor);
        // Segments and markers come in line order: 2 + 1 + 3 segments, 3 + 2 + 4 markers.
        const int segmentLine[] = {0, 0, 1, 2, 2, 2};
        const int markerLine[] = {0, 0, 0, 1, 1, 2, 2, 2, 2};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(editor.scene.PlotSegments[i + 1].Color, c.colours[segmentLine[i]]) << "segment " << i + 1;
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(editor.scene.PlotMarkers[i + 1].Color, c.colours[markerLine[i]]) << "marker " << i + 1;
    }
}

TEST_F(Scene, MarkerPenWidthIsZeroAfterBuildAndOneAfterDraw)
{
    addLine(row(3, 20, 40));
    BuildScene(editor);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(editor.scene.PlotMarkers[i].DrawWidth, 0);
    DrawScene(editor);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(editor.scene.PlotMarkers[i].DrawWidth, 1);
}

TEST_F(Scene, VertexNamingNoPoolSlotFaultsInsteadOfReadingOutsideThePool)
{
    for (Integer bad : {Integer{0}, Integer{56}, Integer{-1}}) {
        SCOPED_TRACE("slot " + std::to_string(bad));
        editor.store = PolylineStore{};
        addLine(row(2, 20, 40));
        editor.store.CadLines[1].PointIds[2] = bad;
        EXPECT_THROW(BuildScene(editor), RuntimeFault);
    }
}

TEST_F(Scene, PassIsClosedEvenWhenDrawingFaults)
{
    // A marker whose half-width passes the Integer range cannot be drawn.
    editor.scene.PlotMarkerCount = 1;
    editor.scene.PlotMarkers[1] = PlotMarker{100, 100, "Square", Black, 1e6f, 0};
    EXPECT_THROW(DrawScene(editor), RuntimeFault);
    EXPECT_EQ(canvas.passesBegun, 1);
    EXPECT_EQ(canvas.passesEnded, 1);
}

} // namespace
} // namespace vrex
