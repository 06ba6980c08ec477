#pragma once
// The main window's keys: data, not code. Whatever control of the window has
// the focus, a key acts exactly as a click on its button, and only while that
// button is enabled. Undo and Redo have keys and no button. Keys are written
// in QKeySequence's portable text.

#include <span>
#include <string_view>

namespace vrex {

struct ButtonKeys {
    std::string_view control;
    std::span<const std::string_view> keys;
    std::string_view toolTip;
};

std::span<const ButtonKeys> mainWindowButtonKeys();
std::span<const std::string_view> undoKeys();
std::span<const std::string_view> redoKeys();

} // namespace vrex
