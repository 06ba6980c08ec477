// The cross-section panel XSpick8frm: group assignment, trend lists and the
// plot switches. Only "Write && End" does anything.

#include "windows/layout.h"

namespace vrex {

// The tables are laid out by hand to read like the window layouts.
// clang-format off

namespace {

using enum ControlKind;
using enum Alignment;

constexpr std::string_view Sans = "MS Sans Serif";

// A line record holds its end points where other controls hold left, top,
// width and height.
constexpr ControlLayout lineControl(std::string_view name, int x1, int y1, int x2, int y2, int width = 1)
{
    return {.name = name, .kind = Line, .left = x1, .top = y1, .width = x2, .height = y2, .lineWidth = width};
}

constexpr ControlLayout CrossSectionControls[] = {
    {.name = "End8cbn", .kind = CommandButton, .caption = "Write && End",
     .left = 10620, .top = 3255, .width = 1230, .height = 240},
    {.name = "DoLayerProjections8cbn", .kind = CommandButton, .caption = "Plot sub soil trendings",
     .left = 9030, .top = 840, .width = 1875, .height = 285},
    {.name = "DoCrossSection8cbn", .kind = CommandButton, .caption = "cross section for screen display",
     .left = 8505, .top = 2310, .width = 2760, .height = 315},
    {.name = "Command14", .kind = CommandButton, .caption = "delete",
     .left = 3240, .top = 2610, .width = 570, .height = 240, .tag = "4"},
    {.name = "Command13", .kind = CommandButton, .caption = "new",
     .left = 1170, .top = 2610, .width = 570, .height = 240, .tag = "4"},
    {.name = "Command12", .kind = CommandButton, .caption = "change group type",
     .left = 5670, .top = 2835, .width = 1515, .height = 240, .tag = "4"},
    {.name = "Command11", .kind = CommandButton, .caption = "Calculate CPT patterns and plot ",
     .left = 9030, .top = 1260, .width = 1875, .height = 465},
    {.name = "Command10", .kind = CommandButton, .caption = "Calculate settlement and plot",
     .left = 9030, .top = 1785, .width = 1785, .height = 465},
    {.name = "Command9", .kind = CommandButton, .caption = "Zoom to Group (in plot)",
     .left = 105, .top = 3255, .width = 1860, .height = 240},
    {.name = "Command7", .kind = CommandButton, .caption = "save section infp to file",
     .left = 8505, .top = 3150, .width = 1995, .height = 330},
    {.name = "Command6", .kind = CommandButton, .caption = "cross section to make gridding file",
     .left = 8505, .top = 2730, .width = 2790, .height = 315},
    {.name = "Command4", .kind = CommandButton, .caption = "delete trend >",
     .left = 3885, .top = 3780, .width = 1140, .height = 210, .tag = "4"},
    {.name = "Command2", .kind = CommandButton, .caption = "Rename",
     .left = 1935, .top = 2610, .width = 780, .height = 240, .tag = "4"},
    {.name = "Command1", .kind = CommandButton, .caption = "< add trend",
     .left = 3885, .top = 3570, .width = 1140, .height = 210, .tag = "4"},
    {.name = "Text4", .kind = TextBox, .caption = "Qurel (2018)",
     .left = 14490, .top = 1470, .width = 2115, .height = 285},
    {.name = "Text3", .kind = TextBox, .caption = "none",
     .left = 14490, .top = 1785, .width = 1485, .height = 285},
    {.name = "Text2", .kind = TextBox, .caption = "CRRe ",
     .left = 14490, .top = 1155, .width = 960, .height = 285},
    {.name = "Text1", .kind = TextBox, .caption = "color scale file",
     .left = 14490, .top = 2100, .width = 2430, .height = 285, .tag = " color"},
    {.name = "List11", .kind = ListBox,
     .left = 1995, .top = 5145, .width = 2280, .height = 255},
    {.name = "List10", .kind = ListBox,
     .left = 1995, .top = 4305, .width = 2280, .height = 255},
    {.name = "List9", .kind = ListBox,
     .left = 5040, .top = 3630, .width = 2220, .height = 255},
    {.name = "List8", .kind = ListBox,
     .left = 1155, .top = 2850, .width = 2670, .height = 255},
    {.name = "List7", .kind = ListBox,
     .left = 21525, .top = 1995, .width = 2565, .height = 2205}, // beyond the right edge
    {.name = "List6", .kind = ListBox,
     .left = 3360, .top = 0, .width = 1845, .height = 255},
    {.name = "List5", .kind = ListBox,
     .left = 6510, .top = 0, .width = 2010, .height = 255},
    {.name = "List4", .kind = ListBox,
     .left = 1350, .top = 4695, .width = 1770, .height = 255},
    {.name = "List3", .kind = ListBox,
     .left = 3780, .top = 4695, .width = 2085, .height = 255},
    {.name = "List2", .kind = ListBox,
     .left = 1740, .top = 3630, .width = 2115, .height = 255},
    {.name = "List1", .kind = ListBox,
     .left = 5040, .top = 2625, .width = 2175, .height = 255},
    {.name = "Check14", .kind = CheckBox, .caption = "Selected items as white",
     .left = 14805, .top = 4200, .width = 2265, .height = 195},
    {.name = "Check20", .kind = CheckBox, .caption = "Ground surface",
     .left = 10830, .top = 4620, .width = 1500, .height = 195, .backColor = PanelColor},
    {.name = "Check19", .kind = CheckBox, .caption = "Fault Lines",
     .left = 8310, .top = 5040, .width = 1185, .height = 195, .backColor = PanelColor},
    {.name = "Check18", .kind = CheckBox, .caption = "bottom of CPTs",
     .left = 10830, .top = 5040, .width = 1500, .height = 195, .backColor = PanelColor},
    {.name = "Check17", .kind = CheckBox, .caption = "Bottom of Gridding",
     .left = 10830, .top = 5250, .width = 1725, .height = 195, .backColor = PanelColor},
    {.name = "Check15", .kind = CheckBox, .caption = "Test Slip surface",
     .left = 14250, .top = 4620, .width = 1500, .height = 195, .backColor = PanelColor},
    {.name = "Check13", .kind = CheckBox, .caption = "comparison Areas",
     .left = 14250, .top = 4830, .width = 1725, .height = 195, .backColor = PanelColor},
    {.name = "Check12", .kind = CheckBox, .caption = "Mono zones",
     .left = 12630, .top = 4830, .width = 1500, .height = 195, .backColor = PanelColor},
    {.name = "Check11", .kind = CheckBox, .caption = "surface zones",
     .left = 12630, .top = 4620, .width = 1500, .height = 195, .backColor = PanelColor},
    {.name = "Check10", .kind = CheckBox, .caption = "River cuts",
     .left = 9555, .top = 4620, .width = 1230, .height = 195, .backColor = PanelColor},
    {.name = "Check9", .kind = CheckBox, .caption = "Show Last Gridding cross section",
     .left = 11340, .top = 2730, .width = 2865, .height = 300, .backColor = PanelColor},
    {.name = "Check8", .kind = CheckBox, .caption = "Isolated pockets",
     .left = 12630, .top = 5040, .width = 1500, .height = 195, .backColor = PanelColor},
    {.name = "Check7", .kind = CheckBox, .caption = "infrastructures",
     .left = 12630, .top = 5250, .width = 1500, .height = 195, .backColor = PanelColor},
    {.name = "Check6", .kind = CheckBox, .caption = "Failed lines",
     .left = 14250, .top = 5250, .width = 1500, .height = 195, .backColor = PanelColor},
    {.name = "Check5", .kind = CheckBox, .caption = "Trendings",
     .left = 8310, .top = 4620, .width = 1320, .height = 195, .backColor = PanelColor},
    {.name = "Check4", .kind = CheckBox, .caption = "unassigned Trendings",
     .left = 8310, .top = 4830, .width = 2220, .height = 195, .backColor = PanelColor},
    {.name = "Check3", .kind = CheckBox, .caption = "Boundaries",
     .left = 8295, .top = 5250, .width = 1185, .height = 195, .backColor = PanelColor},
    {.name = "Check2", .kind = CheckBox, .caption = "water table",
     .left = 9555, .top = 5040, .width = 1275, .height = 195, .backColor = PanelColor},
    {.name = "Check1", .kind = CheckBox, .caption = "CPT probes",
     .left = 10830, .top = 4830, .width = 1275, .height = 195, .backColor = PanelColor},
    {.name = "Option1", .kind = OptionButton, .caption = "only for the group at left (and gray all others)",
     .left = 8295, .top = 4200, .width = 3570, .height = 195},
    {.name = "Option2", .kind = OptionButton, .caption = "Show all items",
     .left = 11760, .top = 4200, .width = 1680, .height = 195},
    {.name = "Option3", .kind = OptionButton, .caption = "Let Vrex decide",
     .left = 13230, .top = 4200, .width = 1680, .height = 195},
    {.name = "Label1", .kind = Label, .caption = "All trends",
     .left = 5040, .top = 3420, .width = 2175, .height = 255, .alignment = Center, .backColor = PanelColor},
    {.name = "Label2", .kind = Label, .caption = "Trends in this group",
     .left = 105, .top = 3675, .width = 1575, .height = 240, .alignment = Right},
    {.name = "Label3", .kind = Label, .caption = "Group type",
     .left = 3990, .top = 2625, .width = 1005, .height = 195, .alignment = Right},
    {.name = "Label4", .kind = Label, .caption = "Top boundary",
     .left = 735, .top = 4305, .width = 1185, .height = 240, .alignment = Right},
    {.name = "Label5", .kind = Label, .caption = "bottom boundary",
     .left = 735, .top = 5145, .width = 1185, .height = 240, .alignment = Right},
    {.name = "Label6", .kind = Label, .caption = "(optional)",
     .left = 4305, .top = 5145, .width = 1185, .height = 240},
    {.name = "Label7", .kind = Label, .caption = "Top boundary",
     .left = 20370, .top = 4785, .width = 1185, .height = 240, .alignment = Right}, // beyond the right edge
    {.name = "Label8", .kind = Label, .caption = "Group assignment",
     .left = 90, .top = 2205, .width = 2715, .height = 240, .backColor = PanelColor},
    {.name = "Label9", .kind = Label, .caption = "(optional)",
     .left = 4305, .top = 4305, .width = 1185, .height = 240},
    {.name = "Label10", .kind = Label, .caption = "Calculate && Plotting",
     .left = 6795, .top = 900, .width = 2130, .height = 240,
     .fontName = Sans, .fontSize = 8.25, .bold = true},
    {.name = "Label11", .kind = Label, .caption = "color scale",
     .left = 13230, .top = 2100, .width = 1170, .height = 225, .alignment = Right},
    {.name = "Label12", .kind = Label, .caption = "<--- project: --------------------->",
     .left = 8595, .top = 270, .width = 2295, .height = 285, .backColor = PanelColor},
    {.name = "Label13", .kind = Label, .caption = "<--- Group Name: group name --->",
     .left = 8610, .top = 0, .width = 3345, .height = 240, .backColor = PanelColor},
    {.name = "Label14", .kind = Label, .caption = "what to plot",
     .left = 13230, .top = 1155, .width = 1170, .height = 225, .alignment = Right},
    {.name = "Label15", .kind = Label, .caption = "Engineering units",
     .left = 12705, .top = 1785, .width = 1695, .height = 225, .alignment = Right},
    {.name = "Label16", .kind = Label, .caption = "method:",
     .left = 13545, .top = 1470, .width = 855, .height = 225, .alignment = Right},
    {.name = "Label20", .kind = Label, .caption = "at present opertion",
     .left = 105, .top = 0, .width = 2205, .height = 240, .backColor = PanelColor,
     .fontName = Sans, .fontSize = 9.75, .bold = true},
    {.name = "Label23", .kind = Label, .caption = "left boundary",
     .left = 135, .top = 4695, .width = 1185, .height = 240, .alignment = Right},
    {.name = "Label24", .kind = Label, .caption = "Group name",
     .left = 105, .top = 2850, .width = 930, .height = 240, .alignment = Right},
    {.name = "Label25", .kind = Label, .caption = "right boundary",
     .left = 5880, .top = 4695, .width = 1140, .height = 240},
    {.name = "Label28", .kind = Label, .caption = "Line type:",
     .left = 5460, .top = 0, .width = 840, .height = 240, .alignment = Right, .backColor = PanelColor},
    {.name = "Label29", .kind = Label, .caption = "Line name",
     .left = 2415, .top = 0, .width = 810, .height = 240, .alignment = Right, .backColor = PanelColor},
    {.name = "Label30", .kind = Label, .caption = "Show the following selected PolyLines",
     .left = 8190, .top = 3885, .width = 4065, .height = 240},
    {.name = "Shape1", .kind = Shape,
     .left = 0, .top = 2475, .width = 7380, .height = 3150},
    {.name = "Shape2", .kind = Shape,
     .left = 8190, .top = 4095, .width = 8940, .height = 1425},
    {.name = "Shape3", .kind = Shape,
     .left = 105, .top = 4095, .width = 7065, .height = 1425},
    lineControl("Line1", 3465, 4410, 3465, 5145, 2),
    lineControl("Line2", 21000, 4155, 21000, 4560), // beyond the right edge
    lineControl("Line3", 3990, 4830, 1680, 4830, 2),
    lineControl("Line4", 23100, 4365, 20580, 4365), // beyond the right edge
    lineControl("Line5", 8295, 4515, 15810, 4515),
    lineControl("Line6", 22365, 4260, 22155, 4365), // beyond the right edge
    lineControl("Line7", 21525, 4050, 21735, 4155), // beyond the right edge
    lineControl("Line8", 3465, 4830, 2340, 2970),
};

constexpr WindowLayout CrossSection{
    .name = "XSpick8frm",
    .caption = "Vrex --- Cross section",
    .backColor = PanelColor,
    .border = WindowBorder::FixedNoControlBox,
    .left = 1410,
    .top = 7170,
    .width = 17280,
    .height = 5805,
    .shownAtStart = true,
    .controls = CrossSectionControls,
};

} // namespace

const WindowLayout& crossSectionLayout()
{
    return CrossSection;
}

// clang-format on

} // namespace vrex
