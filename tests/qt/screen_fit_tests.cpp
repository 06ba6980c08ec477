// Where a window opens: its designed place when its frame fits the screen's
// available area, else moved the least distance that makes it fit.

#include "qt/screen_fit.h"

#include <gtest/gtest.h>

namespace vrex::qt {
namespace {

TEST(ScreenFit, AFrameMovesTheLeastDistanceIntoTheAvailableArea)
{
    // A laptop's 1366 x 768 with a 30-pixel panel at the top.
    const QRect area(0, 30, 1366, 738);
    const struct {
        const char* what;
        QRect frame;
        QPoint shift;
    } cases[] = {
        {"inside", {300, 90, 962, 630}, {0, 0}},
        {"touching every edge", {0, 30, 1366, 738}, {0, 0}},
        {"past the right edge", {464, 90, 962, 630}, {-60, 0}},
        {"past the bottom", {94, 455, 1160, 420}, {0, -107}},
        {"past the right and the bottom", {996, 760, 750, 230}, {-380, -222}},
        {"left of and above the area", {-20, 10, 300, 200}, {20, 20}},
        {"wider than the area", {100, 100, 1400, 200}, {-100, 0}},
        {"taller than the area", {100, 100, 300, 800}, {0, -70}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QPoint shift = fitShift(c.frame, area);
        EXPECT_EQ(shift, c.shift);
        const QRect moved = c.frame.translated(shift);
        if (c.frame.width() <= area.width() && c.frame.height() <= area.height()) {
            EXPECT_TRUE(area.contains(moved));
        }
    }
}

} // namespace
} // namespace vrex::qt
