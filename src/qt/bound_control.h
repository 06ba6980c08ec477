#pragma once
// A row of the core's control table with its widget, found once at start-up.

#include "shell/control_table.h"

#include <QAbstractButton>
#include <QLabel>

namespace vrex::qt {

struct BoundControl {
    const vrex::ControlBinding* row = nullptr;
    QAbstractButton* button = nullptr; // rows with a button state or a click
    QLabel* label = nullptr;           // rows with a text
};

// The row's widget in window. A window without it, or with a widget of
// another kind under that name, is a fault in the program: std::logic_error
// names the window and the control.
BoundControl bindControl(QWidget* window, const vrex::ControlBinding& row);

} // namespace vrex::qt
