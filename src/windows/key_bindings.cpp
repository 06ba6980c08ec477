#include "windows/key_bindings.h"

namespace vrex {

namespace {

// The digits are the numbers the designed captions give the buttons.
constexpr std::string_view Button1Keys[] = {"1"};
constexpr std::string_view Button2Keys[] = {"2"};
constexpr std::string_view Button3Keys[] = {"3", "Return", "Enter"};
constexpr std::string_view Button4Keys[] = {"4", "Del"};
constexpr std::string_view CancelKeys[] = {"Esc"};

constexpr ButtonKeys ButtonKeyTable[] = {
    {"Button1_NewRenameLeft_8cbn", Button1Keys, "Key: 1"},
    {"Button2_SelectAssignUnassignYes_8cbn", Button2Keys, "Key: 2"},
    {"Button3_EditDone_8cbn", Button3Keys, "Keys: 3, Return or Enter"},
    {"Button4_DeleteRightNo_8cbn", Button4Keys, "Keys: 4 or Delete"},
    {"Button_Cancel8cbn", CancelKeys, "Key: Esc"},
};

constexpr std::string_view UndoKeyTable[] = {"Ctrl+Z"};
constexpr std::string_view RedoKeyTable[] = {"Ctrl+Shift+Z", "Ctrl+Y"};

} // namespace

std::span<const ButtonKeys> mainWindowButtonKeys() { return ButtonKeyTable; }
std::span<const std::string_view> undoKeys() { return UndoKeyTable; }
std::span<const std::string_view> redoKeys() { return RedoKeyTable; }

} // namespace vrex
