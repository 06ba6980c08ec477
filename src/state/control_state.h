#pragma once
// Captions and enabled states of the main-window controls the program changes.
// The Qt layer mirrors this onto the widgets; tests read it directly.

#include <string>

namespace vrex {

struct ButtonState {
    std::string Caption;
    bool Enabled = true;
    bool operator==(const ButtonState&) const = default;
};

struct ControlState {
    ButtonState Button1{"1) New_Rename_Left", true};
    ButtonState Button2{"2) Select_Un/Assign_Yes", true};
    ButtonState Button3{"3)    Edit_Done", true};
    ButtonState Button4{"4)  Delete_Right_No", true};
    ButtonState Cancel{"Cancel ", true};
    std::string UserMustSee = "User Must See this...";
    std::string ConcludingInfo = "Concluding info  for user...";
    std::string CADleft = "left";
    std::string CADright = "right";
    std::string CADtop = "top";
    std::string CADbotton = "bottom";
    std::string Label21 = "Label21";
    bool operator==(const ControlState&) const = default;
};

} // namespace vrex
