#include "qt/layout_color.h"

namespace vrex::qt {

namespace {

// The platform's system colour indices and the palette role closest to each.
QPalette::ColorRole systemColorRole(unsigned index)
{
    switch (index) {
    case 4: return QPalette::Window;     // menu
    case 5: return QPalette::Base;       // window background
    case 6: return QPalette::WindowText; // window frame
    case 7: return QPalette::WindowText; // menu text
    case 8: return QPalette::Text;       // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;          // button face
    case 16: return QPalette::Dark;            // button shadow
    case 17: return QPalette::PlaceholderText; // grey text
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;    // button highlight
    case 21: return QPalette::Shadow;   // 3D dark shadow
    case 22: return QPalette::Midlight; // 3D light
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}

} // namespace

bool isSystemColor(vrex::LayoutColor value) { return value != vrex::DefaultColor && (value & 0x80000000u) != 0; }

QColor layoutColor(vrex::LayoutColor value, const QPalette& palette)
{
    if (isSystemColor(value))
        return palette.color(systemColorRole(value & 0xFFu));
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

} // namespace vrex::qt
