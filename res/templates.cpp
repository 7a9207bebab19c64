#include "res/templates.h"

#include "res/resource.h"

namespace res {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;
using namespace platform;  // style bits

namespace {

constexpr std::uint32_t kList = kTabStop | kVScroll;
constexpr std::uint32_t kSortedList = kList | kSorted;
constexpr std::uint32_t kReadout = kTabStop | kReadOnly | kCentered | kBorder | kAutoHScroll;

ControlTemplate Group(int id, const char* text, int x, int y, int w, int h) {
    return {id, ControlKind::GroupBox, text, x, y, w, h, 0, 0};
}
ControlTemplate Label(const char* text, int x, int y, int w, int h, std::uint32_t style = 0) {
    return {kNoId, ControlKind::Label, text, x, y, w, h, style, 0};
}
ControlTemplate Combo(int id, int x, int y, int w, int h, std::uint32_t style) {
    return {id, ControlKind::ComboBox, "", x, y, w, h, style, 0};
}
ControlTemplate Push(int id, const char* text, int x, int y, int w, int h) {
    return {id, ControlKind::PushButton, text, x, y, w, h, kTabStop, 0};
}
ControlTemplate Readout(int id, int x, int y, int w, int h) {
    return {id, ControlKind::Edit, "", x, y, w, h, kReadout, 0};
}
ControlTemplate Check(int id, const char* text, int x, int y, int w, int h) {
    return {id, ControlKind::CheckBox, text, x, y, w, h, kTabStop, 0};
}
ControlTemplate Picture(int bitmap, int x, int y, int w, int h) {
    return {kNoId, ControlKind::Picture, "", x, y, w, h, 0, bitmap};
}

DialogTemplate BuildMain() {
    DialogTemplate t;
    t.id = IDD_MAIN;
    t.caption = "Selvantora Meditation Timer";
    t.width = 298;
    t.height = 258;
    t.fontName = "MS Sans Serif";
    t.fontPoints = 8;
    t.style = kSystemMenu | kMinimizeBox | kMaximizeBox | kModalFrame;
    t.controls = {
        Group(IDC_REM_GROUP, "Reminder Timer", 7, 106, 135, 94),
        Label("Interval Time (minutes):", 15, 119, 74, 8),
        Combo(IDC_REM_MINUTES, 90, 116, 46, 144, kList),
        Combo(IDC_REM_SOUND, 15, 140, 121, 190, kSortedList),
        Label("Sound:", 15, 131, 23, 8),
        Push(IDC_REM_START, "Start", 15, 159, 50, 14),
        Picture(IDB_PICTURE, 149, 12, 141, 189),
        Group(kNoId, "Options", 7, 207, 283, 44),
        Push(IDC_MED_TEST_SOUND, "Test Sound", 86, 69, 50, 14),
        Push(IDC_ABOUT, "About Selvantora", 199, 231, 80, 14),
        Push(IDC_HELP_BUTTON, "Help", 107, 231, 80, 14),
        Readout(IDC_CLOCK, 193, 158, 53, 12),
        Readout(IDC_MED_REMAINING, 73, 86, 63, 12),
        Group(IDC_MED_GROUP, "Meditation Timer ", 7, 7, 135, 97),
        Label("Delay Time (seconds):", 15, 31, 76, 10),
        Label("Meditation Time (minutes):", 15, 18, 83, 8),
        Push(IDC_MED_START, "Start", 15, 69, 50, 14),
        Combo(IDC_MED_SOUND, 15, 51, 121, 181, kSortedList),
        Label("Sound:", 15, 42, 23, 8),
        Label("Remaining Time:", 15, 88, 54, 8, kRightAligned),
        Combo(IDC_DELAY_SECS, 100, 31, 36, 187, kList),
        Combo(IDC_MED_MINUTES, 100, 16, 36, 185, kList),
        Readout(IDC_REM_REMAINING, 75, 181, 61, 12),
        Label("Remaining Time:", 15, 182, 54, 8, kRightAligned),
        Push(IDC_REM_TEST_SOUND, "Test Sound", 86, 159, 50, 14),
        Push(IDC_OPTIONS, "Options", 13, 231, 80, 14),
        Check(IDC_CLOCK_BELLS, "Use Clock Bells (on the hour, etc.)", 14, 217, 124, 10),
        Check(IDC_DAILY_ALARMS, "Use Customized Daily Alarm Bells", 147, 217, 120, 10),
    };
    return t;
}

}  // namespace

const DialogTemplate& MainTemplate() {
    static const DialogTemplate main = BuildMain();
    return main;
}

const DialogTemplate* FindTemplate(int id) {
    if (id == IDD_MAIN) {
        return &MainTemplate();
    }
    return nullptr;
}

}  // namespace res
