#pragma once
// The one table of the controls the core drives: each control's window and
// name, its place in the control state, and its click handler. The Qt front
// wires and mirrors the widgets from it; the scripted driver reads them by it.

#include "state/control_state.h"

#include <span>
#include <string>
#include <string_view>

namespace vrex {

struct Editor;

inline constexpr std::string_view MainWindowName = "CAD8frm";
inline constexpr std::string_view CrossSectionWindowName = "XSpick8frm";

struct ControlBinding {
    std::string_view window{};
    std::string_view control{};
    // At most one of the two: a command button's caption and enabled state,
    // or a label's text.
    ButtonState ControlState::*button = nullptr;
    std::string ControlState::*text = nullptr;
    void (*click)(Editor&) = nullptr;
};

// The main window's mirrored controls come first, in the order the driver's
// dump prints them; then the controls that only have a click.
std::span<const ControlBinding> controlTable();

} // namespace vrex
