#pragma once
// Layout tables of every window: data, not code. Positions and sizes are in
// twips (15 per pixel); the Qt form builder makes one widget per record.

#include <cstdint>
#include <span>
#include <string_view>

namespace vrex {

enum class ControlKind {
    CommandButton,
    Label,
    TextBox,
    ComboBox,
    ListBox,
    CheckBox,
    OptionButton,
    Image,
    Shape,
    Line,
    PictureBox,
};

enum class Alignment { Left, Right, Center };

enum class WindowBorder {
    FixedNoControlBox, // fixed single border; no system menu, minimise, maximise or close
    Sizable,           // minimise, maximise and close buttons
    SizableCloseOnly,  // close button only
};

// Colours as the layouts write them: &H00BBGGRR&, or &H800000nn& for the
// platform's system colour nn.
using LayoutColor = std::uint32_t;
inline constexpr LayoutColor DefaultColor = 0xFFFFFFFFu;
inline constexpr LayoutColor PanelColor = 0x00C0E0FFu;
inline constexpr LayoutColor SystemWindowBackground = 0x80000005u;

inline constexpr int TwipsPerPixel = 15;

// Every field has a default, so a record names only what it sets.
struct ControlLayout {
    std::string_view name{};
    ControlKind kind = ControlKind::Label;
    std::string_view caption{}; // as stored: "&&" shows as one "&"
    // For a line: X1, Y1, X2, Y2.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Alignment alignment = Alignment::Left;
    LayoutColor backColor = DefaultColor;
    LayoutColor foreColor = DefaultColor;
    std::string_view fontName{}; // empty: the platform's default
    double fontSize = 0;
    bool bold = false;
    std::string_view tag{};
    bool enabled = true;
    int lineWidth = 1;       // lines
    bool boxAtRight = false; // check boxes
    // Images: the caption drawn turned a quarter turn, reading bottom to top.
    std::string_view turnedText{};
    // Combo boxes: the drop-down items, in order.
    std::span<const std::string_view> items{};
};

struct WindowLayout {
    std::string_view name{};
    std::string_view caption{};
    LayoutColor backColor = DefaultColor;
    LayoutColor foreColor = DefaultColor;
    WindowBorder border = WindowBorder::Sizable;
    // Client area on the screen, twips.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool shownAtStart = false;
    std::span<const ControlLayout> controls{};
};

const WindowLayout& mainWindowLayout();   // CAD8frm
const WindowLayout& crossSectionLayout(); // XSpick8frm
const WindowLayout& mapLayout();          // CADmap8frm
const WindowLayout& listLayout();         // CADlistof8frm
const WindowLayout& renameLayout();       // CADrenameAndYouSure8frm
const WindowLayout& infoLayout();         // CAD_info_8frm

// All six, the windows shown at start first in show order.
std::span<const WindowLayout* const> allWindowLayouts();

} // namespace vrex
