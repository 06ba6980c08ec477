// The main window CAD8frm: the canvas, the command row, the prompt and status
// lines and the four edge labels.

#include "windows/layout.h"

namespace vrex {

// The tables are laid out by hand to read like the window layouts.
// clang-format off

namespace {

using enum ControlKind;
using enum Alignment;

constexpr std::string_view Sans = "MS Sans Serif";

// The form also carries some forty labels, text boxes and a button placed
// beyond its client area; nobody ever sees them, so they are not built.
constexpr ControlLayout MainControls[] = {
    // The controls the program drives.
    {.name = "CAD8pic", .kind = PictureBox, .left = 810, .top = 1890, .width = 11835, .height = 6690,
     .backColor = SystemWindowBackground},
    {.name = "Button1_NewRenameLeft_8cbn", .kind = CommandButton, .caption = "1) New_Rename_Left",
     .left = 105, .top = 1470, .width = 1845, .height = 330},
    {.name = "Button2_SelectAssignUnassignYes_8cbn", .kind = CommandButton, .caption = "2) Select_Un/Assign_Yes",
     .left = 1995, .top = 1470, .width = 2040, .height = 330},
    {.name = "Button3_EditDone_8cbn", .kind = CommandButton, .caption = "3)    Edit_Done",
     .left = 4095, .top = 1470, .width = 2355, .height = 330},
    {.name = "Button4_DeleteRightNo_8cbn", .kind = CommandButton, .caption = "4)  Delete_Right_No",
     .left = 6510, .top = 1470, .width = 1650, .height = 330},
    {.name = "Button_Cancel8cbn", .kind = CommandButton, .caption = "Cancel ",
     .left = 8235, .top = 1485, .width = 825, .height = 330},
    {.name = "zoomInBox_8cbn", .kind = CommandButton, .caption = "Zoom In Box",
     .left = 9135, .top = 1485, .width = 1185, .height = 285},
    {.name = "END8cbn", .kind = CommandButton, .caption = "END",
     .left = 12645, .top = 1890, .width = 1425, .height = 735},
    {.name = "UserMustSee8lbl", .kind = Label, .caption = "User Must See this...",
     .left = 105, .top = 735, .width = 17385, .height = 285, .backColor = PanelColor,
     .fontName = Sans, .fontSize = 9.75, .bold = true},
    {.name = "ConcludingInfoToUser8lbl", .kind = Label, .caption = "Concluding info  for user...",
     .left = 3675, .top = 1050, .width = 7710, .height = 240, .backColor = PanelColor},
    {.name = "Label21", .kind = Label, .caption = "Label21",
     .left = 13140, .top = 4590, .width = 1005, .height = 240},
    {.name = "CADtop8lbl", .kind = Label, .caption = "top",
     .left = 210, .top = 1890, .width = 555, .height = 330, .alignment = Right, .backColor = PanelColor},
    {.name = "CADbotton8lbl", .kind = Label, .caption = "bottom",
     .left = -30, .top = 8370, .width = 780, .height = 330, .alignment = Right, .backColor = PanelColor},
    {.name = "CADleft8lbl", .kind = Label, .caption = "left",
     .left = 870, .top = 8595, .width = 465, .height = 330, .backColor = PanelColor},
    {.name = "CADright8lbl", .kind = Label, .caption = "right",
     .left = 11970, .top = 8595, .width = 735, .height = 330, .alignment = Right, .backColor = PanelColor},

    // Laid out only: nothing handles or reads them.
    {.name = "Command2", .kind = CommandButton, .caption = "CPT normalization",
     .left = 135, .top = 180, .width = 1605, .height = 240},
    {.name = "Command1", .kind = CommandButton, .caption = "Cross Section",
     .left = 1785, .top = 0, .width = 1545, .height = 240, .enabled = false},
    {.name = "Command3", .kind = CommandButton, .caption = "Map",
     .left = 3465, .top = 0, .width = 915, .height = 240},
    {.name = "Label18", .kind = Label, .caption = "Line name:",
     .left = 4620, .top = 0, .width = 840, .height = 240, .alignment = Right, .backColor = PanelColor},
    {.name = "List1", .kind = ListBox, .left = 5520, .top = 0, .width = 2040, .height = 255},
    {.name = "Command4", .kind = CommandButton, .caption = "Rename",
     .left = 6720, .top = 210, .width = 780, .height = 240, .tag = "4"},
    {.name = "Label28", .kind = Label, .caption = "Line type:",
     .left = 7605, .top = 0, .width = 840, .height = 240, .alignment = Right, .backColor = PanelColor},
    {.name = "LineType8lbl", .kind = Label, .caption = "<-Line type->",
     .left = 7770, .top = 210, .width = 1155, .height = 240, .backColor = PanelColor},
    {.name = "List5", .kind = ListBox, .left = 9495, .top = 0, .width = 2250, .height = 255},
    {.name = "Command5", .kind = CommandButton, .caption = "change line type",
     .left = 10215, .top = 180, .width = 1515, .height = 240, .tag = "4"},
    {.name = "Label19", .kind = Label, .caption = "Group name",
     .left = 10815, .top = 0, .width = 930, .height = 240, .alignment = Right, .backColor = PanelColor},
    {.name = "List12", .kind = ListBox, .left = 11865, .top = 0, .width = 2565, .height = 255},
    {.name = "Label20", .kind = Label, .caption = "at present opertion",
     .left = 105, .top = 315, .width = 2520, .height = 240, .backColor = PanelColor,
     .fontName = Sans, .fontSize = 9.75, .bold = true},
    {.name = "selectInfo8lbl", .kind = Label, .caption = "select info",
     .left = 8730, .top = 450, .width = 7935, .height = 285, .backColor = PanelColor,
     .fontName = Sans, .fontSize = 12},
    {.name = "ZoomOut_8cbn", .kind = CommandButton, .caption = "Zoom Out x2",
     .left = 10350, .top = 1485, .width = 1110, .height = 285},
    {.name = "Image2", .kind = Image, .left = 150, .top = 4725, .width = 285, .height = 1365,
     .turnedText = "Elevation (feet)"},
    {.name = "Label3", .kind = Label, .caption = "Cross Section lateral distance (feet)",
     .left = 5670, .top = 8775, .width = 3255, .height = 240, .alignment = Center, .backColor = PanelColor},
};

constexpr WindowLayout Main{
    .name = "CAD8frm",
    .caption = "Vrex graphics",
    .backColor = PanelColor,
    .foreColor = 0x00808080u,
    .border = WindowBorder::FixedNoControlBox,
    .left = 6960,
    .top = 1725,
    .width = 14430,
    .height = 9090,
    .shownAtStart = true,
    .controls = MainControls,
};

} // namespace

const WindowLayout& mainWindowLayout()
{
    return Main;
}

// clang-format on

} // namespace vrex
