#pragma once
// Makes real widgets from a window's layout table: one top-level QWidget per
// window, one child per control, objectName = the layout's name. Nothing is
// wired; the front connects the few controls that have behaviour.

#include "windows/layout.h"

#include <QString>
#include <QWidget>

#include <string_view>

namespace vrex::qt {

// Without a parent; the caller owns it. canvasWidget, if given, is placed
// where the window's first picture box goes and becomes its child.
QWidget* buildWindow(const vrex::WindowLayout& layout, QWidget* canvasWidget = nullptr);

// A control of a built window by name, or nullptr.
QWidget* findControl(QWidget* window, const QString& name);

// The text a QLabel must hold to show a caption: a label without a buddy
// shows "&&" literally, so the doubled ampersand is undone here.
QString labelText(std::string_view caption);

} // namespace vrex::qt
