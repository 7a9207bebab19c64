// Resource and control ids.
#pragma once

// Dialogs
inline constexpr int IDD_ABOUT = 100;
inline constexpr int IDD_MAIN = 129;
inline constexpr int IDD_OPTIONS = 135;
inline constexpr int IDD_ADD_ALARM = 137;

// Icon, pictures and the chime
inline constexpr int IDI_MAIN = 128;
inline constexpr int IDR_CHIME = 132;
inline constexpr int IDB_PICTURE = 133;
inline constexpr int IDB_OPTIONS_PICTURE = 134;

// Main window controls
inline constexpr int IDC_MED_TEST_SOUND = 1000;
inline constexpr int IDC_ABOUT = 1001;
inline constexpr int IDC_HELP_BUTTON = 1002;
inline constexpr int IDC_CLOCK = 1003;
inline constexpr int IDC_MED_GROUP = 1005;
inline constexpr int IDC_REM_GROUP = 1006;
inline constexpr int IDC_REM_TEST_SOUND = 1007;
inline constexpr int IDC_OPTIONS = 1016;
inline constexpr int IDC_CLOCK_BELLS = 1022;
inline constexpr int IDC_DAILY_ALARMS = 1026;
inline constexpr int IDC_MED_START = 1033;
inline constexpr int IDC_MED_SOUND = 1034;
inline constexpr int IDC_REM_SOUND = 1035;
inline constexpr int IDC_REM_START = 1036;
inline constexpr int IDC_REM_MINUTES = 1037;
inline constexpr int IDC_DELAY_SECS = 1039;
inline constexpr int IDC_MED_MINUTES = 1040;
inline constexpr int IDC_MED_REMAINING = 1041;
inline constexpr int IDC_REM_REMAINING = 1042;

// Options dialog controls
inline constexpr int IDC_AUTO_START = 1004;
inline constexpr int IDC_CUSTOM_MED = 1014;
inline constexpr int IDC_CUSTOM_REM = 1016;
inline constexpr int IDC_MAX_RANDOM = 1017;
inline constexpr int IDC_HOURLY_SOUND = 1023;
inline constexpr int IDC_HALF_HOUR_SOUND = 1024;
inline constexpr int IDC_QUARTER_SOUND = 1025;
inline constexpr int IDC_ALARM_TIMES = 1027;
inline constexpr int IDC_DELETE_ALARM = 1028;
inline constexpr int IDC_ADD_ALARM = 1029;
inline constexpr int IDC_ALARM_SOUNDS = 1030;
inline constexpr int IDC_SYNC_TO_CLOCK = 1045;

// Add-alarm dialog controls
inline constexpr int IDC_ALARM_HOUR = 1030;
inline constexpr int IDC_ALARM_MINUTE = 1031;
inline constexpr int IDC_ALARM_AMPM = 1032;
inline constexpr int IDC_ALARM_SOUND = 1033;
inline constexpr int IDC_ALARM_TEXT = 1034;
inline constexpr int IDC_ALARM_DAY = 1035;

// About dialog controls
inline constexpr int IDC_VERSION = 1019;
inline constexpr int IDC_WEB_PAGE = 1021;

// The application's title, the caption of its validation messages.
inline constexpr const char* kAppTitle = "Selvantora";
