#include "windows/layout.h"

namespace vrex {

// The tables are laid out by hand to read like the window layouts.
// clang-format off

// The tables are laid out by hand to read like the window layouts.
// clang-format off

std::span<const WindowLayout* const> allWindowLayouts()
{
    // The start-up shows the first four in this order, the main window last.
    static const WindowLayout* const all[] = {
        &crossSectionLayout(),
        &mapLayout(),
        &listLayout(),
        &mainWindowLayout(),
        &renameLayout(),
        &infoLayout(),
    };
    return all;
}

// clang-format on

// clang-format on

} // namespace vrex
