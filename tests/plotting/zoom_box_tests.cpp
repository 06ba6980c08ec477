#include "recording_canvas.h"

#include "plotting/palette.h"
#include "plotting/view.h"
#include "plotting/zoom_box.h"
#include "state/editor.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace vrex {
namespace {

using Labels = std::array<std::string, 4>; // left, right, top, bottom

const Labels StartUpLabels{"3451 ft", "6429.250 ft", "25.340 ft", "49.340 ft"};
const Labels FirstZoomLabels{"5058.250 ft", "9880 ft", "37.590 ft", "74.340 ft"};
const Labels FourthZoomLabels{"16879.250 ft", "33728.750 ft", "126.090 ft", "252.090 ft"};

// Started on an 800 x 400 drawing area.
class ZoomBox : public ::testing::Test {
protected:
    ZoomBox()
    {
        SetUpView(editor);
        DefinePalette(editor);
        RecomputeView(editor);
    }

    void canvasClick(int button)
    {
        editor.mouse.MouseButton = static_cast<Integer>(button);
        ApplyOrCancelZoom(editor);
    }

    void zoomOnce()
    {
        zoomInBox_8cbn_Click(editor);
        canvasClick(1);
    }

    Labels labels() const
    {
        const ControlState& c = editor.controls;
        return {c.CADleft, c.CADright, c.CADtop, c.CADbotton};
    }

    testing::RecordingCanvas canvas{800, 400};
    Editor editor{canvas};
};

TEST_F(ZoomBox, OnePressThenTwoLeftClicksZoomsOnce)
{
    zoomInBox_8cbn_Click(editor);
    EXPECT_TRUE(editor.zoom.ZoomArmed);
    EXPECT_FALSE(editor.zoom.ZoomBoxVisible);

    canvasClick(1);
    EXPECT_EQ(labels(), FirstZoomLabels);
    EXPECT_FALSE(editor.zoom.ZoomArmed);

    canvasClick(1);
    EXPECT_EQ(labels(), FirstZoomLabels);
}

TEST_F(ZoomBox, RightClickDisarmsOtherButtonsKeepItArmedAndNoneZooms)
{
    const struct {
        int button;
        bool staysArmed;
    } cases[] = {{2, false}, {4, true}, {3, true}, {0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE("button " + std::to_string(c.button));
        zoomInBox_8cbn_Click(editor);
        canvasClick(c.button);
        EXPECT_EQ(editor.zoom.ZoomArmed, c.staysArmed);
        EXPECT_EQ(labels(), StartUpLabels);
    }
    // Still armed after the middle click: the next left click zooms.
    canvasClick(1);
    EXPECT_EQ(labels(), FirstZoomLabels);
}

TEST_F(ZoomBox, FifthZoomIsRefusedWithAMessageAndChangesNothing)
{
    for (int k = 1; k <= 4; ++k)
        zoomOnce();
    EXPECT_EQ(labels(), FourthZoomLabels);
    EXPECT_EQ(editor.controls.UserMustSee, ControlState{}.UserMustSee);

    zoomOnce();
    EXPECT_EQ(labels(), FourthZoomLabels);
    EXPECT_FALSE(editor.zoom.ZoomArmed);
    EXPECT_EQ(editor.controls.UserMustSee, "Cannot zoom in any further");
    EXPECT_EQ(editor.view.WorldRight, 33728.75f);
}

TEST_F(ZoomBox, ZoomOutChangesNothing)
{
    zoomInBox_8cbn_Click(editor);
    const ControlState controls = editor.controls;
    ZoomOut_8cbn_Click(editor);
    EXPECT_TRUE(editor.zoom.ZoomArmed);
    EXPECT_EQ(editor.controls, controls);
    EXPECT_EQ(labels(), StartUpLabels);
}

} // namespace
} // namespace vrex
