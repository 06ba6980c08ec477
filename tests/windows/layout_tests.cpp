// Checks on the layout tables that the form builder cannot make: a control
// looked up by name must be the only one of that name, every position must
// land on a whole pixel, and nothing built on the main window may be hidden.

#include "windows/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vrex {
namespace {

TEST(WindowLayouts, NamesAreUniqueWithinEachWindowAndAcrossWindows)
{
    std::set<std::string_view> windows;
    for (const WindowLayout* layout : allWindowLayouts()) {
        SCOPED_TRACE(std::string(layout->name));
        EXPECT_TRUE(windows.insert(layout->name).second);
        std::set<std::string_view> names;
        for (const ControlLayout& c : layout->controls)
            EXPECT_TRUE(names.insert(c.name).second) << "twice: " << c.name;
    }
    EXPECT_EQ(windows.size(), 6u);
}

TEST(WindowLayouts, EveryPositionAndSizeIsAWholeNumberOfPixels)
{
    const auto whole = [](int twips) { return twips % TwipsPerPixel == 0; };
    for (const WindowLayout* layout : allWindowLayouts()) {
        SCOPED_TRACE(std::string(layout->name));
        EXPECT_TRUE(whole(layout->left) && whole(layout->top) && whole(layout->width) && whole(layout->height));
        for (const ControlLayout& c : layout->controls)
            EXPECT_TRUE(whole(c.left) && whole(c.top) && whole(c.width) && whole(c.height)) << c.name;
    }
}

TEST(WindowLayouts, EachWindowHoldsTheControlsItIsDesignedWith)
{
    const std::pair<const WindowLayout&, std::size_t> cases[] = {
        {crossSectionLayout(), 85}, {mapLayout(), 32}, {listLayout(), 3}, {renameLayout(), 6}, {infoLayout(), 7},
    };
    for (const auto& [layout, count] : cases)
        EXPECT_EQ(layout.controls.size(), count) << layout.name;
}

TEST(WindowLayouts, EveryControlOfTheMainWindowIsAtLeastPartlyInsideItsClientArea)
{
    const WindowLayout& main = mainWindowLayout();
    for (const ControlLayout& c : main.controls) {
        EXPECT_LT(c.left, main.width) << c.name;
        EXPECT_LT(c.top, main.height) << c.name;
        EXPECT_GT(c.left + c.width, 0) << c.name;
        EXPECT_GT(c.top + c.height, 0) << c.name;
        EXPECT_GT(c.width, 0) << c.name;
        EXPECT_GT(c.height, 0) << c.name;
    }
}

} // namespace
} // namespace vrex
