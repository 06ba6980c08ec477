// The map panel CADmap8frm: cross sections and CPTs on a map. Display only.

#include "windows/layout.h"

namespace vrex {

// The tables are laid out by hand to read like the window layouts.
// clang-format off

namespace {

using enum ControlKind;
using enum Alignment;

constexpr std::string_view Sans = "MS Sans Serif";

// Both combo boxes offer the same units, unsorted.
constexpr std::string_view Units[] = {
    "feet",
    "meters",
    "lat/long",
    "estimated feet from lat/long",
    "estimated meters from lat/long",
};

// The two axis-caption images lie below the designed client area and show
// only when the user enlarges the window.
constexpr ControlLayout MapControls[] = {
    {.name = "Command1", .kind = CommandButton, .caption = "delete",
     .left = 2070, .top = 1080, .width = 870, .height = 255},
    {.name = "Command2", .kind = CommandButton, .caption = "add/remove CPTs to section",
     .left = 270, .top = 1665, .width = 2295, .height = 300},
    {.name = "Command3", .kind = CommandButton, .caption = "Flip direction",
     .left = 2700, .top = 1665, .width = 1170, .height = 300},
    {.name = "Command4", .kind = CommandButton, .caption = "start a new Cross Section",
     .left = 270, .top = 630, .width = 2010, .height = 330},
    {.name = "Command5", .kind = CommandButton, .caption = "write to Vrex Map file",
     .left = 9135, .top = 2160, .width = 1950, .height = 330},
    {.name = "Command6", .kind = CommandButton, .caption = "Rename",
     .left = 3060, .top = 1080, .width = 915, .height = 240, .tag = "4"},
    {.name = "Command7", .kind = CommandButton, .caption = "Add instructure",
     .left = 3420, .top = 2430, .width = 1410, .height = 285},
    {.name = "Command8", .kind = CommandButton, .caption = "delete",
     .left = 6525, .top = 2700, .width = 735, .height = 240},
    {.name = "Command9", .kind = CommandButton, .caption = "Rename",
     .left = 5670, .top = 2700, .width = 780, .height = 240, .tag = "4"},
    {.name = "Command10", .kind = CommandButton, .caption = "input Sequence Line ",
     .left = 90, .top = 2430, .width = 2490, .height = 285},
    {.name = "Command12", .kind = CommandButton, .caption = "Link sections",
     .left = 4005, .top = 1665, .width = 1545, .height = 285},
    {.name = "Text1", .kind = TextBox, .caption = "50",
     .left = 4950, .top = 720, .width = 465, .height = 240},
    {.name = "Combo1", .kind = ComboBox, .caption = "pick units",
     .left = 8820, .top = 810, .width = 2265, .height = 315, .items = Units},
    {.name = "Combo2", .kind = ComboBox, .caption = "cross sections",
     .left = 1710, .top = 1305, .width = 2265, .height = 315, .items = Units},
    {.name = "List1", .kind = ListBox,
     .left = 4860, .top = 2430, .width = 2400, .height = 255},
    {.name = "List3", .kind = ListBox,
     .left = 3375, .top = 45, .width = 1845, .height = 255},
    {.name = "List5", .kind = ListBox,
     .left = 6525, .top = 45, .width = 2010, .height = 255},
    {.name = "Check1", .kind = CheckBox, .caption = "allow closed loop",
     .left = 3420, .top = 2745, .width = 1725, .height = 195},
    {.name = "Check2", .kind = CheckBox, .caption = "lock projected CPT to sections",
     .left = 8595, .top = 1170, .width = 2490, .height = 240, .boxAtRight = true},
    {.name = "Check3", .kind = CheckBox, .caption = "use degrees in file",
     .left = 9135, .top = 2520, .width = 1950, .height = 195},
    {.name = "Check5", .kind = CheckBox, .caption = "If distance in file, convert to Lat/long",
     .left = 90, .top = 2790, .width = 3075, .height = 195},
    {.name = "Label1", .kind = Label, .caption = "feet",
     .left = 5490, .top = 705, .width = 375, .height = 240},
    {.name = "Label2", .kind = Label, .caption = "Maximum CPT distance to section",
     .left = 2295, .top = 720, .width = 2580, .height = 240, .alignment = Right},
    {.name = "Label3", .kind = Label, .caption = "Line type:",
     .left = 5475, .top = 45, .width = 840, .height = 240, .alignment = Right, .backColor = PanelColor},
    {.name = "Label4", .kind = Label, .caption = "cross section name",
     .left = 135, .top = 1350, .width = 1530, .height = 240, .alignment = Right},
    {.name = "Label5", .kind = Label, .caption = "lateral units in map",
     .left = 7110, .top = 855, .width = 1605, .height = 240, .alignment = Right, .backColor = PanelColor},
    {.name = "Label12", .kind = Label, .caption = "<--- project: --------------------->",
     .left = 8640, .top = 315, .width = 2295, .height = 240, .backColor = PanelColor},
    {.name = "Label13", .kind = Label, .caption = "<--- Group Name: group name --->",
     .left = 8670, .top = 0, .width = 3345, .height = 240, .backColor = PanelColor},
    {.name = "Label20", .kind = Label, .caption = "at present opertion",
     .left = 135, .top = 45, .width = 2205, .height = 240, .backColor = PanelColor,
     .fontName = Sans, .fontSize = 9.75, .bold = true},
    {.name = "Label29", .kind = Label, .caption = "Line name",
     .left = 2430, .top = 45, .width = 810, .height = 240, .alignment = Right, .backColor = PanelColor},
    {.name = "Image1", .kind = Image,
     .left = 9045, .top = 4770, .width = 285, .height = 1335, .turnedText = "North (degrees)"},
    {.name = "Image2", .kind = Image,
     .left = 8550, .top = 4815, .width = 270, .height = 1035, .turnedText = "North (feet)"},
};

constexpr WindowLayout Map{
    .name = "CADmap8frm",
    .caption = "Vrex --- Map ",
    .backColor = PanelColor,
    .border = WindowBorder::Sizable,
    .left = 14940,
    .top = 11775,
    .width = 11130,
    .height = 3030,
    .shownAtStart = true,
    .controls = MapControls,
};

} // namespace

const WindowLayout& mapLayout()
{
    return Map;
}

// clang-format on

} // namespace vrex
