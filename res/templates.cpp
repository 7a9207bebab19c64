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

ControlTemplate Ok(int x, int y) {
    return {1, ControlKind::PushButton, "OK", x, y, 50, 14, kTabStop | kDefaultButton, 0};
}
ControlTemplate Number(int id, int x, int y, int w, int h) {
    return {id, ControlKind::Edit, "", x, y, w, h, kTabStop | kBorder | kAutoHScroll | kNumberOnly,
            0};
}
ControlTemplate List(int id, int x, int y, int w, int h) {
    return {id, ControlKind::ListBox,
            "", x,
            y,  w,
            h,  kTabStop | kBorder | kVScroll | kNotify | kNoIntegralHeight,
            0};
}

DialogTemplate Modal(int id, const char* caption, int width, int height) {
    DialogTemplate t;
    t.id = id;
    t.caption = caption;
    t.width = width;
    t.height = height;
    t.fontName = "MS Sans Serif";
    t.fontPoints = 8;
    t.style = kSystemMenu | kModalFrame;
    return t;
}

DialogTemplate BuildAbout() {
    DialogTemplate t = Modal(IDD_ABOUT, "About Selvantora", 336, 228);
    t.controls = {
        Ok(216, 207),
        Picture(IDB_PICTURE, 9, 12, 141, 189),
        {IDC_VERSION, ControlKind::Label, "", 11, 206, 135, 12,
         kCentered | kCenteredVertically | kBorder, 0},
        Group(kNoId, "Contact Information", 154, 130, 175, 75),
        Push(IDC_WEB_PAGE, kWebButtonCaption, 178, 184, 118, 14),
    };
    return t;
}

DialogTemplate BuildOptions() {
    DialogTemplate t = Modal(IDD_OPTIONS, "Selvantora Options", 275, 246);
    t.controls = {
        Ok(218, 225),
        Push(2, "Cancel", 7, 225, 50, 14),
        Number(IDC_CUSTOM_MED, 202, 11, 22, 12),
        Label("mins.", 227, 13, 17, 8),
        Number(IDC_CUSTOM_REM, 202, 26, 22, 12),
        Label("mins.", 227, 27, 17, 8),
        {IDC_AUTO_START, ControlKind::CheckBox, "Automatically Start Reminder Timer", 94, 56, 124,
         10, kTabStop | kWrap, 0},
        Picture(IDB_OPTIONS_PICTURE, 7, 7, 77, 71),
        Group(kNoId, "Clock Bells", 7, 83, 261, 57),
        Combo(IDC_HOURLY_SOUND, 144, 92, 118, 115, kSortedList),
        Label("Hourly Sound:", 91, 94, 46, 8, kRightAligned),
        Combo(IDC_HALF_HOUR_SOUND, 144, 107, 118, 103, kSortedList),
        Label("Half-Hourly Sound:", 74, 109, 63, 8, kRightAligned),
        Combo(IDC_QUARTER_SOUND, 144, 122, 118, 105, kSortedList),
        Label("Quarter-Hourly Sound:", 66, 124, 71, 8, kRightAligned),
        Group(kNoId, "Customized Daily Alarm Bells", 7, 145, 261, 77),
        Group(kNoId, "Custom Times", 88, 3, 180, 76),
        List(IDC_ALARM_TIMES, 82, 163, 73, 52),
        Push(IDC_DELETE_ALARM, "Delete", 18, 182, 50, 14),
        Push(IDC_ADD_ALARM, "Add Alarm Bell", 18, 200, 50, 14),
        Label("Time:", 82, 153, 18, 8),
        List(IDC_ALARM_SOUNDS, 156, 163, 106, 52),
        Label("Sound:", 158, 153, 24, 8),
        Label("Rings a sound on the hour, half-hour, and quarter-hour.", 14, 94, 49, 39),
        Label("Plays a sound at certain times of day.", 14, 159, 65, 19),
        Label("Custom Meditation Time:", 121, 13, 78, 8, kRightAligned),
        Label("Custom Reminder Time:", 123, 28, 76, 8, kRightAligned),
        Number(IDC_MAX_RANDOM, 202, 41, 22, 12),
        Label("mins.", 227, 43, 17, 8),
        Label("Max. Random Reminder Time:", 103, 43, 96, 8, kRightAligned),
        Check(IDC_SYNC_TO_CLOCK, "Synchronize Reminder Timer to Clock", 94, 67, 134, 10),
    };
    return t;
}

DialogTemplate BuildAddAlarm() {
    DialogTemplate t = Modal(IDD_ADD_ALARM, "Add Customized Daily Alarm Bell", 292, 78);
    t.controls = {
        Ok(235, 57),
        Push(2, "Cancel", 7, 57, 50, 14),
        Label("Hour:", 70, 8, 18, 8),
        Label("Min:", 101, 8, 14, 8),
        Combo(IDC_ALARM_HOUR, 70, 18, 28, 123, kList),
        Combo(IDC_ALARM_MINUTE, 101, 18, 28, 184, kList),
        Label("AM/PM:", 132, 8, 28, 8),
        Combo(IDC_ALARM_AMPM, 132, 18, 32, 41, kList),
        Combo(IDC_ALARM_SOUND, 166, 18, 119, 121, kSortedList | kEditable),
        Label("Sound:", 168, 8, 24, 8),
        Readout(IDC_ALARM_TEXT, 7, 38, 278, 14),
        Label("Day:", 7, 8, 16, 8),
        Combo(IDC_ALARM_DAY, 7, 18, 59, 123, kList),
    };
    return t;
}

}  // namespace

const DialogTemplate& AboutTemplate() {
    static const DialogTemplate about = BuildAbout();
    return about;
}

const DialogTemplate& OptionsTemplate() {
    static const DialogTemplate options = BuildOptions();
    return options;
}

const DialogTemplate& AddAlarmTemplate() {
    static const DialogTemplate addAlarm = BuildAddAlarm();
    return addAlarm;
}

const DialogTemplate& MainTemplate() {
    static const DialogTemplate main = BuildMain();
    return main;
}

const DialogTemplate* FindTemplate(int id) {
    switch (id) {
        case IDD_MAIN:
            return &MainTemplate();
        case IDD_ABOUT:
            return &AboutTemplate();
        case IDD_OPTIONS:
            return &OptionsTemplate();
        case IDD_ADD_ALARM:
            return &AddAlarmTemplate();
        default:
            return nullptr;
    }
}

}  // namespace res
