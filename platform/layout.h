// Dialog layouts as data: what a dialog template holds. Positions and sizes
// are in dialog units; every front end converts them with its own font.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class ControlKind {
    GroupBox,
    Label,
    Picture,
    PushButton,
    CheckBox,
    Edit,
    ComboBox,
    ListBox,
};

// Style bits of a control, by meaning rather than by any platform's values.
enum ControlStyle : std::uint32_t {
    kTabStop = 1u << 0,
    kBorder = 1u << 1,
    kVScroll = 1u << 2,
    kSorted = 1u << 3,        // combo or list box keeps its entries sorted
    kEditable = 1u << 4,      // combo box with a field the user can type into
    kReadOnly = 1u << 5,      // edit box
    kCentered = 1u << 6,      // text centred horizontally
    kRightAligned = 1u << 7,  // label text flush right
    kCenteredVertically = 1u << 8,
    kDefaultButton = 1u << 9,  // push button drawn as the default
    kNumberOnly = 1u << 10,    // edit box taking only digits from the keyboard
    kAutoHScroll = 1u << 11,   // edit box scrolling sideways
    kWrap = 1u << 12,          // check box text may wrap
    kNotify = 1u << 13,        // list box reports selection changes
    kNoIntegralHeight = 1u << 14,
};

inline constexpr int kNoId = -1;

struct ControlTemplate {
    int id = kNoId;
    ControlKind kind = ControlKind::Label;
    std::string text;  // caption, or for a picture the name of its bitmap
    int x = 0, y = 0, width = 0, height = 0;
    std::uint32_t style = 0;
    int resource = 0;  // bitmap id of a picture
};

// Window styles of the dialog frame.
enum DialogStyle : std::uint32_t {
    kSystemMenu = 1u << 0,
    kMinimizeBox = 1u << 1,
    kMaximizeBox = 1u << 2,
    kModalFrame = 1u << 3,
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    int width = 0, height = 0;
    std::string fontName;
    int fontPoints = 0;
    std::uint32_t style = 0;
    std::vector<ControlTemplate> controls;  // template order, which is the tab order
};

}  // namespace platform
