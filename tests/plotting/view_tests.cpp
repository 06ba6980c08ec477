#include "recording_canvas.h"

#include "plotting/palette.h"
#include "plotting/view.h"
#include "state/editor.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace vrex {
namespace {

using testing::RecordingCanvas;

using Labels = std::array<std::string, 4>; // left, right, top, bottom

Labels labelsOf(const Editor& editor)
{
    const ControlState& c = editor.controls;
    return {c.CADleft, c.CADright, c.CADtop, c.CADbotton};
}

// What start-up does to the view: the set-up (one recomputation), the
// palette, then a second recomputation.
void startUpView(Editor& editor)
{
    SetUpView(editor);
    DefinePalette(editor);
    RecomputeView(editor);
}

struct SetUpCase {
    double width, height, left, top;
    int pixLeft, pixRight, pixTop, pixBottom;
    int centreX, centreY, halfWidth, halfHeight;
};

TEST(SetUpView, TakesPixelBoundsAndMiddleHalfZoomBoxFromTheCanvas)
{
    const SetUpCase cases[] = {
        {800, 400, 0, 0, 0, 800, 0, 400, 400, 200, 200, 100},
        // 392.5 and 110.5 go to the even neighbour.
        {785, 442, 0, 0, 0, 785, 0, 442, 392, 221, 196, 110},
        {100, 50, 10, 20, 10, 110, 20, 70, 60, 45, 25, 12},
    };
    for (const SetUpCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        RecordingCanvas canvas(c.width, c.height, c.left, c.top);
        Editor editor(canvas);
        SetUpView(editor);
        const ViewState& v = editor.view;
        EXPECT_EQ(v.PixLeft, c.pixLeft);
        EXPECT_EQ(v.PixRight, c.pixRight);
        EXPECT_EQ(v.PixTop, c.pixTop);
        EXPECT_EQ(v.PixBottom, c.pixBottom);
        EXPECT_EQ(v.ZoomCenterX, c.centreX);
        EXPECT_EQ(v.ZoomCenterY, c.centreY);
        EXPECT_EQ(v.ZoomHalfWidth, c.halfWidth);
        EXPECT_EQ(v.ZoomHalfHeight, c.halfHeight);
        EXPECT_EQ(v.UnitSuffix, " ft");
        EXPECT_EQ(v.UnitFactor, 1.0f);
    }
}

// Labels after the set-up, after start-up, and after each further
// recomputation until an edge leaves the Integer range.
struct SequenceCase {
    double width, height;
    std::vector<Labels> labels;
};

class RecomputeSequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(RecomputeSequence, LabelsGrowEachRecomputationUntilRefused)
{
    const SequenceCase& c = GetParam();
    RecordingCanvas canvas(c.width, c.height);
    Editor editor(canvas);

    SetUpView(editor);
    EXPECT_EQ(labelsOf(editor), c.labels[0]);
    DefinePalette(editor);
    for (std::size_t k = 1; k < c.labels.size(); ++k) {
        SCOPED_TRACE("recomputation " + std::to_string(k + 1));
        EXPECT_TRUE(RecomputeView(editor));
        EXPECT_EQ(labelsOf(editor), c.labels[k]);
    }

    // The far edge no longer rounds to an Integer: nothing is stored.
    const ViewState before = editor.view;
    EXPECT_FALSE(RecomputeView(editor));
    EXPECT_EQ(labelsOf(editor), c.labels.back());
    EXPECT_EQ(editor.view.WorldLeft, before.WorldLeft);
    EXPECT_EQ(editor.view.WorldRight, before.WorldRight);
    EXPECT_EQ(editor.view.WorldTop, before.WorldTop);
    EXPECT_EQ(editor.view.WorldBottom, before.WorldBottom);
    // And it stays refused.
    EXPECT_FALSE(RecomputeView(editor));
    EXPECT_EQ(labelsOf(editor), c.labels.back());
}

INSTANTIATE_TEST_SUITE_P(
    DrawingAreas, RecomputeSequence,
    ::testing::Values(SequenceCase{800,
                                   400,
                                   {
                                       {"2458.250 ft", "3971 ft", "17.340 ft", "32.340 ft"},
                                       {"3451 ft", "6429.250 ft", "25.340 ft", "49.340 ft"}, // end of start-up
                                       {"5058.250 ft", "9880 ft", "37.590 ft", "74.340 ft"},
                                       {"7528.250 ft", "14938.250 ft", "56.090 ft", "111.590 ft"},
                                       {"11262.750 ft", "22466.250 ft", "84.090 ft", "168.090 ft"},
                                       {"16879.250 ft", "33728.750 ft", "126.090 ft", "252.090 ft"},
                                   }},
                      // Seven significant digits first, then the cut to three decimals.
                      SequenceCase{785,
                                   442,
                                   {
                                       {"2457.608 ft", "3968.431 ft", "17.362 ft", "32.340 ft"},
                                       {"3448.344 ft", "6420.553 ft", "25.398 ft", "49.362 ft"}, // end of start-up
                                       {"5051.549 ft", "9861.165 ft", "37.704 ft", "74.398 ft"},
                                       {"7513.659 ft", "14899.990 ft", "56.287 ft", "111.704 ft"},
                                       {"11233.910 ft", "22394.680 ft", "84.414 ft", "168.288 ft"},
                                       {"16825.530 ft", "33600.380 ft", "126.604 ft", "252.414 ft"},
                                   }}),
    [](const auto& info) {
        return std::to_string(static_cast<int>(info.param.width)) + "x" +
               std::to_string(static_cast<int>(info.param.height));
    });

TEST(RecomputeView, StartUpOn800x400LeavesTheWorldEdgesOfTwoRecomputations)
{
    RecordingCanvas canvas(800, 400);
    Editor editor(canvas);
    startUpView(editor);
    EXPECT_EQ(editor.view.WorldLeft, 3451.0f);
    EXPECT_EQ(editor.view.WorldRight, 6429.25f);
    EXPECT_FLOAT_EQ(editor.view.WorldTop, 25.34f);
    EXPECT_FLOAT_EQ(editor.view.WorldBottom, 49.34f);
}

// Any edge that fails, horizontal or vertical, box or range, leaves all four
// edges and labels as they were.
TEST(RecomputeView, RefusedRecomputationStoresNoEdge)
{
    struct FaultCase {
        const char* name;
        void (*spoil)(ViewState&);
    };
    const FaultCase cases[] = {
        {"right edge too large", [](ViewState& v) { v.WorldRight = 40000; }},
        {"right edge too small", [](ViewState& v) { v.WorldRight = -40000; }},
        {"bottom edge too large", [](ViewState& v) { v.WorldBottom = 32767.5f; }},
        {"box right overflows", [](ViewState& v) { v.ZoomCenterX = 32767; }},
        {"box bottom overflows", [](ViewState& v) { v.ZoomCenterY = 32700; }},
        {"box top overflows", [](ViewState& v) { v.ZoomCenterY = -32700; }},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas(800, 400);
        Editor editor(canvas);
        startUpView(editor);
        c.spoil(editor.view);
        const ViewState before = editor.view;
        const Labels labels = labelsOf(editor);

        EXPECT_FALSE(RecomputeView(editor));
        EXPECT_EQ(editor.view.WorldLeft, before.WorldLeft);
        EXPECT_EQ(editor.view.WorldRight, before.WorldRight);
        EXPECT_EQ(editor.view.WorldTop, before.WorldTop);
        EXPECT_EQ(editor.view.WorldBottom, before.WorldBottom);
        EXPECT_EQ(labelsOf(editor), labels);
    }
}

TEST(RecomputeView, RangeIsTheFarEdgeItselfAndFallsBackTo20WhenNotPositive)
{
    RecordingCanvas canvas(800, 400);
    Editor editor(canvas);
    startUpView(editor);
    // Ranges of 20 over 800 and 400 pixels: 0.025 and 0.05 per pixel.
    editor.view.WorldLeft = 0;
    editor.view.WorldRight = -100;
    editor.view.WorldTop = 0;
    editor.view.WorldBottom = 0.4f; // rounds to 0
    ASSERT_TRUE(RecomputeView(editor));
    EXPECT_EQ(labelsOf(editor), (Labels{"5 ft", "20 ft", "5 ft", "20 ft"}));
}

TEST(RecomputeView, EmptyDrawingAreaFallsBackTo20PixelsWithoutDividingByZero)
{
    RecordingCanvas canvas(0, 0);
    Editor editor(canvas);
    SetUpView(editor);
    // The box collapses on the corner: both edges stay at the set-up values.
    EXPECT_EQ(labelsOf(editor), (Labels{"1954 ft", "1954 ft", "12.340 ft", "12.340 ft"}));
}

TEST(FormatEdgeValue, ShowsThreeDecimalsCutNotRoundedAndWholeNumbersPlain)
{
    const struct {
        Single value;
        const char* text;
    } cases[] = {
        {12.34f, "12.340"},
        {-54.32f, "-54.320"},
        {1954, "1954"},
        {2.0004f, "2"},
        {2.9995f, "3"},
        {25.39876f, "25.398"},
        {2457.6076f, "2457.608"}, // already rounded to seven digits
        {0.5f, "0.500"},
        {-2.0004f, "-2"},
        {-1.9995f, "-2"}, // a .999 rounds away from zero on the negative
                          // side too
        {0.0001f, "0"},
        {1.5e-5f, "1.5E-05"}, // an exponent form is shown as it is
        {0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatEdgeValue(c.value), c.text) << "value " << c.value;
}

TEST(DefaultSingleText, SevenSignificantDigitsNoTrailingZerosExponentOnlyWhenNeeded)
{
    const struct {
        Single value;
        const char* text;
    } cases[] = {
        {100, "100"},         {0.1f, "0.1"},        {-54.32f, "-54.32"},        {2457.6076f, "2457.608"},
        {1234567, "1234567"}, {9999999, "9999999"}, {12345678, "1.234568E+07"}, {0.0001f, "0.0001"},
        {1.5e-5f, "1.5E-05"}, {-0.0f, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(defaultSingleText(c.value), c.text) << "value " << c.value;
}

TEST(IsInsideCanvas, IsInclusiveOnAllFourSides)
{
    const struct {
        double left, top;
        int x, y;
        bool inside;
    } cases[] = {
        {0, 0, 0, 0, true},
        {0, 0, 800, 400, true},
        {0, 0, 400, 200, true},
        {0, 0, -1, 200, false},
        {0, 0, 801, 200, false},
        {0, 0, 400, -1, false},
        {0, 0, 400, 401, false},
        // The bounds move with ScaleLeft and ScaleTop.
        {10, 20, 10, 20, true},
        {10, 20, 810, 420, true},
        {10, 20, 9, 20, false},
        {10, 20, 811, 420, false},
        {10, 20, 10, 19, false},
        {10, 20, 810, 421, false},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(800, 400, c.left, c.top);
        EXPECT_EQ(IsInsideCanvas(canvas, static_cast<Integer>(c.x), static_cast<Integer>(c.y)), c.inside)
            << "(" << c.x << ", " << c.y << ") on a canvas at (" << c.left << ", " << c.top << ")";
    }
}

} // namespace
} // namespace vrex
