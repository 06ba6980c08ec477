// The list window CADlistof8frm: an empty CPT list.

#include "windows/layout.h"

namespace vrex {

// The tables are laid out by hand to read like the window layouts.
// clang-format off

namespace {

using enum ControlKind;

constexpr ControlLayout ListControls[] = {
    {.name = "List7", .kind = ListBox,
     .left = 315, .top = 360, .width = 2565, .height = 3180},
    {.name = "Label1", .kind = Label, .caption = "CPT list",
     .left = 315, .top = 45, .width = 2445, .height = 240},
    {.name = "Label2", .kind = Label, .caption = "Label2",
     .left = 3570, .top = 2415, .width = 2115, .height = 330},
};

constexpr WindowLayout List{
    .name = "CADlistof8frm",
    .caption = "List of",
    .border = WindowBorder::Sizable,
    .left = 18600,
    .top = 7515,
    .width = 4830,
    .height = 3840,
    .shownAtStart = true,
    .controls = ListControls,
};

} // namespace

const WindowLayout& listLayout()
{
    return List;
}

// clang-format on

} // namespace vrex
