#include "windows/layout.h"

namespace vrex {

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

} // namespace vrex
