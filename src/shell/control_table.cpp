#include "shell/control_table.h"

#include "plotting/zoom_box.h"
#include "shell/command_buttons.h"
#include "shell/startup.h"

namespace vrex {

std::span<const ControlBinding> controlTable()
{
    static constexpr ControlBinding table[] = {
        {.window = MainWindowName, .control = "UserMustSee8lbl", .text = &ControlState::UserMustSee},
        {.window = MainWindowName, .control = "ConcludingInfoToUser8lbl", .text = &ControlState::ConcludingInfo},
        {.window = MainWindowName,
         .control = "Button1_NewRenameLeft_8cbn",
         .button = &ControlState::Button1,
         .click = &Button1Pressed},
        {.window = MainWindowName,
         .control = "Button2_SelectAssignUnassignYes_8cbn",
         .button = &ControlState::Button2,
         .click = &Button2Pressed},
        {.window = MainWindowName,
         .control = "Button3_EditDone_8cbn",
         .button = &ControlState::Button3,
         .click = &Button3Pressed},
        {.window = MainWindowName,
         .control = "Button4_DeleteRightNo_8cbn",
         .button = &ControlState::Button4,
         .click = &Button4Pressed},
        {.window = MainWindowName,
         .control = "Button_Cancel8cbn",
         .button = &ControlState::Cancel,
         .click = &CancelPressed},
        {.window = MainWindowName, .control = "CADleft8lbl", .text = &ControlState::CADleft},
        {.window = MainWindowName, .control = "CADright8lbl", .text = &ControlState::CADright},
        {.window = MainWindowName, .control = "CADtop8lbl", .text = &ControlState::CADtop},
        {.window = MainWindowName, .control = "CADbotton8lbl", .text = &ControlState::CADbotton},
        {.window = MainWindowName, .control = "Label21", .text = &ControlState::Label21},
        {.window = MainWindowName, .control = "zoomInBox_8cbn", .click = &zoomInBox_8cbn_Click},
        {.window = MainWindowName, .control = "ZoomOut_8cbn", .click = &ZoomOut_8cbn_Click},
        {.window = MainWindowName, .control = "END8cbn", .click = &END8cbn_Click},
        {.window = CrossSectionWindowName, .control = "End8cbn", .click = &End8cbn_Click},
    };
    return table;
}

} // namespace vrex
