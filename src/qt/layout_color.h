#pragma once
// Layout colours on the Qt side: &H00BBGGRR& values and the system colours
// &H800000nn&, the latter taken from the application palette.

#include "windows/layout.h"

#include <QColor>
#include <QPalette>

namespace vrex::qt {

bool isSystemColor(vrex::LayoutColor value);

// The colour a layout value stands for; system colours are looked up in palette.
QColor layoutColor(vrex::LayoutColor value, const QPalette& palette);

} // namespace vrex::qt
