#pragma once

#include <string>
#include <vector>

#include "ui/Types.h"

// A dialog described as data, written once per dialog class and rendered by every backend.

enum class ControlKind {
    Static,
    GroupBox,
    Edit,
    PushButton,
    CheckBox,
    RadioButton,
    ComboBox,
    ListView,
    TreeView,
    IpAddress,
    Spin,
    Animation,
    Tab,
    Icon,
};

// Style flags of a control template; kinds ignore the flags that do not concern them.
namespace ControlStyle {
constexpr unsigned None = 0;
constexpr unsigned Disabled = 1u << 0;
constexpr unsigned Hidden = 1u << 1;
constexpr unsigned ReadOnly = 1u << 2;
constexpr unsigned Password = 1u << 3;
constexpr unsigned MultiLine = 1u << 4;
constexpr unsigned VScroll = 1u << 5;
constexpr unsigned HScroll = 1u << 6;
constexpr unsigned DefaultButton = 1u << 7;
constexpr unsigned Group = 1u << 8; // starts a radio group
constexpr unsigned Sorted = 1u << 9;
constexpr unsigned DropDown = 1u << 10;     // editable combo box
constexpr unsigned DropDownList = 1u << 11; // selection-only combo box
constexpr unsigned SingleSelection = 1u << 12;
constexpr unsigned ShowSelectionAlways = 1u << 13;
constexpr unsigned NoSortHeader = 1u << 14;
constexpr unsigned GridLines = 1u << 15;
constexpr unsigned FullRowSelect = 1u << 16;
constexpr unsigned TreeLines = 1u << 17;
constexpr unsigned TreeButtons = 1u << 18;
constexpr unsigned AutoScroll = 1u << 19;
constexpr unsigned Number = 1u << 20;      // edit accepting digits only
constexpr unsigned CenterText = 1u << 21;  // static text alignment
constexpr unsigned RightText = 1u << 22;   // static text alignment
constexpr unsigned FixedFont = 1u << 23;   // list or edit in a fixed-width font
constexpr unsigned LargeFont = 1u << 24;   // caption in a larger font
constexpr unsigned AutoBuddy = 1u << 25;   // spin button bound to the control before it
constexpr unsigned SetBuddyInt = 1u << 26; // spin button writes its position to the buddy
constexpr unsigned NoHideSelection = 1u << 27;
constexpr unsigned Masked = 1u << 28; // edit whose input a custom control class owns
} // namespace ControlStyle

struct CControlTemplate {
    int id = -1; // -1 for controls no code addresses (labels, frames)
    ControlKind kind = ControlKind::Static;
    std::string label; // caption, button text or initial text
    CRect rect;        // in dialog units: left, top, right, bottom
    unsigned style = ControlStyle::None;
    int textLimit = 0; // edits: maximum length, 0 for none
};

struct CDialogResource {
    int id = 0;
    std::string caption;
    CSize size;           // in dialog units
    std::string fontFace; // "Arial", "System", ...
    int fontSize = 9;     // points
    std::vector<CControlTemplate> controls;
    bool child = false; // a modeless child page (no frame, no caption bar)

    const CControlTemplate* Find(int controlId) const;
};

// Builds a rectangle from x, y, width, height as dialog resources write them.
constexpr CRect DlgRect(int x, int y, int width, int height) {
    return CRect{x, y, x + width, y + height};
}
