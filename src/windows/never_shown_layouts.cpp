// Two windows that are built but that nothing ever opens: the rename dialog
// and the info window.

#include "windows/layout.h"

namespace vrex {

// The tables are laid out by hand to read like the window layouts.
// clang-format off

namespace {

using enum ControlKind;
using enum Alignment;

constexpr std::string_view Sans = "MS Sans Serif";

constexpr ControlLayout RenameControls[] = {
    {.name = "Command1", .kind = CommandButton, .caption = "rename now",
     .left = 3360, .top = 1050, .width = 1050, .height = 330},
    {.name = "Text1", .kind = TextBox, .caption = "new name",
     .left = 945, .top = 1050, .width = 2340, .height = 285},
    {.name = "Label1", .kind = Label, .caption = "---old name---",
     .left = 1050, .top = 630, .width = 2175, .height = 240},
    {.name = "Label2", .kind = Label, .caption = "Rename ------",
     .left = 105, .top = 105, .width = 4110, .height = 435,
     .fontName = Sans, .fontSize = 18},
    {.name = "Label3", .kind = Label, .caption = "old name:",
     .left = 0, .top = 630, .width = 915, .height = 240, .alignment = Right},
    {.name = "Label4", .kind = Label, .caption = "New name:",
     .left = 0, .top = 1050, .width = 915, .height = 240, .alignment = Right},
};

constexpr WindowLayout Rename{
    .name = "CADrenameAndYouSure8frm",
    .caption = "Renaming item",
    .border = WindowBorder::SizableCloseOnly,
    .left = 18585,
    .top = 5400,
    .width = 4665,
    .height = 1545,
    .shownAtStart = false,
    .controls = RenameControls,
};

constexpr ControlLayout InfoControls[] = {
    {.name = "Label1", .kind = Label,
     .caption = "1) thi si a long text of whatdo tdo whne theuse needs infoa and the paper version is not a good "
                "alternative",
     .left = 105, .top = 840, .width = 5685, .height = 750,
     .fontName = Sans, .fontSize = 12},
    {.name = "Label2", .kind = Label, .caption = "Label1",
     .left = 180, .top = 8460, .width = 5685, .height = 1800},
    {.name = "Label3", .kind = Label, .caption = "<---- title ---->",
     .left = 105, .top = 105, .width = 5475, .height = 330,
     .fontName = Sans, .fontSize = 12, .bold = true},
    {.name = "Label4", .kind = Label, .caption = "Label1",
     .left = 105, .top = 3990, .width = 5685, .height = 540},
    {.name = "Label5", .kind = Label, .caption = "Label1",
     .left = 105, .top = 3255, .width = 5685, .height = 540},
    {.name = "Label6", .kind = Label,
     .caption = "2)  whatdo tdo whne theus si a long text of whatdo tdo whne theuse needs infoa and the paper "
                "version is not a good alternative",
     .left = 105, .top = 1785, .width = 5685, .height = 1065,
     .fontName = Sans, .fontSize = 12},
    {.name = "Picture1", .kind = PictureBox,
     .left = 105, .top = 4620, .width = 5895, .height = 2430},
};

constexpr WindowLayout Info{
    .name = "CAD_info_8frm",
    .caption = "Form1",
    .border = WindowBorder::Sizable,
    .left = 21900,
    .top = 2115,
    .width = 6090,
    .height = 9270,
    .shownAtStart = false,
    .controls = InfoControls,
};

} // namespace

const WindowLayout& renameLayout()
{
    return Rename;
}

const WindowLayout& infoLayout()
{
    return Info;
}

// clang-format on

} // namespace vrex
